// A pop-up menu of items (titles and separators) with one selected item.
#pragma once

#include <string>
#include <vector>

#include "kit/Control.h"

namespace kit {

struct MenuItem {
  std::string title;
  bool separator = false;
  bool enabled = true;
};

class PopUpButton : public Control {
 public:
  explicit PopUpButton(const Rect& frame = {});
  ~PopUpButton() override;

  // Every call adds an item, even when one already has the same title: the items of a
  // list stay in step with what they stand for.
  void addItemWithTitle(std::string title);
  void addItemsWithTitles(const std::vector<std::string>& titles);
  bool insertItemWithTitle(std::string title, int index);  // false when out of range
  void addSeparatorItem();
  bool insertSeparatorItem(int index);
  // Removing the selected item selects the first item (none when the menu is empty).
  bool removeItemAtIndex(int index);
  void removeAllItems();

  int numberOfItems() const { return static_cast<int>(items_.size()); }
  MenuItem* itemAtIndex(int index);
  const MenuItem* itemAtIndex(int index) const;
  std::string itemTitleAtIndex(int index) const;  // empty when out of range
  std::vector<std::string> itemTitles() const;
  int indexOfItemWithTitle(const std::string& title) const;  // -1 when absent

  // -1 clears the selection; an index out of range or naming a separator is refused
  // (false, selection unchanged).
  bool selectItemAtIndex(int index);
  bool selectItemWithTitle(const std::string& title);
  int indexOfSelectedItem() const { return selected_; }
  std::string titleOfSelectedItem() const { return itemTitleAtIndex(selected_); }

  // The user picks an item in the open menu: selected, then the action is sent.
  // Separators and disabled items are refused.
  Delivery userChooseItem(int index, ModifierFlags flags = 0);
  // The item that was selected when the user last picked one (-1 before any pick): what
  // the menu goes back to when the picked item turns out to be a command that was cancelled.
  int indexSelectedBeforeLastChoice() const { return selectedBeforeChoice_; }

 private:
  bool insertItem(MenuItem item, int index);
  std::vector<MenuItem> items_;
  int selected_ = -1;
  int selectedBeforeChoice_ = -1;
};

}  // namespace kit
