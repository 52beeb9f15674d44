#include "kit/ComboBox.h"

#include "kit/Application.h"

namespace kit {

ComboBox::ComboBox(const Rect& frame) : TextField("ComboBox", frame) {}
ComboBox::~ComboBox() = default;

void ComboBox::addItemWithObjectValue(std::string item) { items_.push_back(std::move(item)); }

void ComboBox::addItemsWithObjectValues(const std::vector<std::string>& items) {
  items_.insert(items_.end(), items.begin(), items.end());
}

bool ComboBox::insertItemWithObjectValue(std::string item, int index) {
  if (index < 0 || index > numberOfItems()) return false;
  items_.insert(items_.begin() + index, std::move(item));
  if (selected_ >= index) ++selected_;
  return true;
}

bool ComboBox::removeItemAtIndex(int index) {
  if (index < 0 || index >= numberOfItems()) return false;
  items_.erase(items_.begin() + index);
  if (selected_ == index) selected_ = -1;
  else if (selected_ > index) --selected_;
  return true;
}

void ComboBox::removeAllItems() {
  items_.clear();
  selected_ = -1;
}

std::string ComboBox::itemObjectValueAtIndex(int index) const {
  return index >= 0 && index < numberOfItems() ? items_[std::size_t(index)] : std::string();
}

bool ComboBox::selectItemAtIndex(int index) {
  if (index == -1) {
    selected_ = -1;
    return true;
  }
  if (index < 0 || index >= numberOfItems()) return false;
  TextField::setStringValue(items_[std::size_t(index)]);
  selected_ = index;
  return true;
}

void ComboBox::setStringValue(std::string text) {
  TextField::setStringValue(std::move(text));
  selected_ = -1;
}

Delivery ComboBox::userChooseItem(int index, ModifierFlags flags) {
  Delivery d = refusalForUserEvent();
  if (d != Delivery::Delivered) return d;
  if (index < 0 || index >= numberOfItems()) return Delivery::RefusedNoSuchItem;
  Application::shared().setCurrentEvent(Event{EventType::LeftMouseDown, flags, frame().origin, nullptr});
  selectItemAtIndex(index);
  sendAction();
  return Delivery::Delivered;
}

}  // namespace kit
