// A text field with a list of items to choose from.
#pragma once

#include <string>
#include <vector>

#include "kit/TextField.h"

namespace kit {

class ComboBox : public TextField {
 public:
  explicit ComboBox(const Rect& frame = {});
  ~ComboBox() override;

  void addItemWithObjectValue(std::string item);
  void addItemsWithObjectValues(const std::vector<std::string>& items);
  bool insertItemWithObjectValue(std::string item, int index);  // false when out of range
  bool removeItemAtIndex(int index);
  void removeAllItems();
  int numberOfItems() const { return static_cast<int>(items_.size()); }
  std::string itemObjectValueAtIndex(int index) const;  // empty when out of range
  const std::vector<std::string>& items() const { return items_; }

  // Selecting an item puts it in the text; -1 clears the selection. False when out of range.
  bool selectItemAtIndex(int index);
  int indexOfSelectedItem() const { return selected_; }
  // Typed text clears the selected item.
  void setStringValue(std::string text) override;

  // The user picks an item from the list: selected, then the action is sent.
  Delivery userChooseItem(int index, ModifierFlags flags = 0);

 private:
  std::vector<std::string> items_;
  int selected_ = -1;
};

}  // namespace kit
