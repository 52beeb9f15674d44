#include "kit/PopUpButton.h"

#include "kit/Application.h"

namespace kit {

PopUpButton::PopUpButton(const Rect& frame) : Control("PopUpButton", frame) {}
PopUpButton::~PopUpButton() = default;

bool PopUpButton::insertItem(MenuItem item, int index) {
  if (index < 0 || index > numberOfItems()) return false;
  bool selectable = !item.separator;
  items_.insert(items_.begin() + index, std::move(item));
  if (selected_ >= index) ++selected_;
  else if (selected_ == -1 && selectable) selected_ = index;  // a pop-up shows an item when it has one
  return true;
}

void PopUpButton::addItemWithTitle(std::string title) { insertItem(MenuItem{std::move(title)}, numberOfItems()); }

void PopUpButton::addItemsWithTitles(const std::vector<std::string>& titles) {
  for (const auto& t : titles) addItemWithTitle(t);
}

bool PopUpButton::insertItemWithTitle(std::string title, int index) {
  return insertItem(MenuItem{std::move(title)}, index);
}

void PopUpButton::addSeparatorItem() { insertItem(MenuItem{{}, true}, numberOfItems()); }
bool PopUpButton::insertSeparatorItem(int index) { return insertItem(MenuItem{{}, true}, index); }

bool PopUpButton::removeItemAtIndex(int index) {
  if (index < 0 || index >= numberOfItems()) return false;
  items_.erase(items_.begin() + index);
  if (selected_ == index) selected_ = items_.empty() || items_[0].separator ? -1 : 0;
  else if (selected_ > index) --selected_;
  return true;
}

void PopUpButton::removeAllItems() {
  items_.clear();
  selected_ = -1;
}

MenuItem* PopUpButton::itemAtIndex(int index) {
  return index >= 0 && index < numberOfItems() ? &items_[std::size_t(index)] : nullptr;
}

const MenuItem* PopUpButton::itemAtIndex(int index) const {
  return index >= 0 && index < numberOfItems() ? &items_[std::size_t(index)] : nullptr;
}

std::string PopUpButton::itemTitleAtIndex(int index) const {
  const MenuItem* item = itemAtIndex(index);
  return item ? item->title : std::string();
}

std::vector<std::string> PopUpButton::itemTitles() const {
  std::vector<std::string> titles;
  for (const auto& item : items_) titles.push_back(item.title);
  return titles;
}

int PopUpButton::indexOfItemWithTitle(const std::string& title) const {
  for (int i = 0; i < numberOfItems(); ++i)
    if (!items_[std::size_t(i)].separator && items_[std::size_t(i)].title == title) return i;
  return -1;
}

bool PopUpButton::selectItemAtIndex(int index) {
  if (index == -1) {
    selected_ = -1;
    return true;
  }
  const MenuItem* item = itemAtIndex(index);
  if (!item || item->separator) return false;
  selected_ = index;
  return true;
}

bool PopUpButton::selectItemWithTitle(const std::string& title) {
  int index = indexOfItemWithTitle(title);
  return index >= 0 && selectItemAtIndex(index);
}

Delivery PopUpButton::userChooseItem(int index, ModifierFlags flags) {
  Delivery d = refusalForUserEvent();
  if (d != Delivery::Delivered) return d;
  const MenuItem* item = itemAtIndex(index);
  if (!item || item->separator || !item->enabled) return Delivery::RefusedNoSuchItem;
  Application::shared().setCurrentEvent(Event{EventType::LeftMouseDown, flags, frame().origin, nullptr});
  selectedBeforeChoice_ = selected_;
  selected_ = index;
  sendAction();
  return Delivery::Delivered;
}

}  // namespace kit
