// The slots of one table an event changed, each kept as it was before the event's first
// change to it: what an undo step of the event brings back. Noting is O(1) per access; the
// event's end keeps only the images of slots that really differ now. Nothing is noted until
// the first step is marked: a model no one marks steps of (a test's) keeps no history.
#ifndef GUIDES_HOST_MODEL_SLOTCHANGES_H
#define GUIDES_HOST_MODEL_SLOTCHANGES_H

#include <cstdint>
#include <utility>
#include <vector>

#include "model/SlotTable.h"

namespace host {

template <class T>
class SlotChanges {
 public:
  // The slot, live, is about to change. Inline and cheap when there is nothing to note:
  // every write to the art tree asks.
  void note(SlotTable<T>& table, uint32_t slot) {
    if (on_ && !isNoted(slot)) keepCopy(table, slot);
  }
  // The live slot is about to be erased: held, it keeps its object, which is the image.
  void noteErased(SlotTable<T>& table, uint32_t slot) {
    if (!on_ || isNoted(slot)) return;
    keep(table, table.imageKeptInSlot(slot));
  }
  // The slot was free and now holds a new object.
  void noteMade(SlotTable<T>& table, uint32_t slot) {
    if (!on_ || isNoted(slot)) return;
    keep(table, SlotImage<T>{slot, false, 0, nullptr});
  }

  // The images of the slots that differ now, held for an undo step; the others are let go.
  // The changed images close ranks where they were made, then move once into the step.
  std::vector<SlotImage<T>> take(SlotTable<T>& table) {
    on_ = true;
    const size_t noted = images_.size();
    size_t kept = 0;
    for (SlotImage<T>& image : images_) {
      noted_[image.slot] = false;
      if (table.matches(image))
        table.release(image.slot);
      else if (&images_[kept++] != &image)
        images_[kept - 1] = std::move(image);
    }
    images_.resize(kept);
    std::vector<SlotImage<T>> changed = std::exchange(images_, {});
    // A step may be kept for long: it holds about the room its images need, no more.
    if (changed.capacity() > 2 * kept + 16) changed.shrink_to_fit();
    images_.reserve(noted);  // the next event is often like this one
    return changed;
  }

 private:
  bool isNoted(uint32_t slot) const { return slot < noted_.size() && noted_[slot]; }
  [[gnu::noinline]] void keepCopy(SlotTable<T>& table, uint32_t slot) { keep(table, table.image(slot)); }
  void keep(SlotTable<T>& table, SlotImage<T> image) {
    if (image.slot >= noted_.size()) noted_.resize(image.slot + 1 + image.slot / 2, false);
    noted_[image.slot] = true;
    table.hold(image.slot);
    images_.push_back(std::move(image));
  }

  std::vector<SlotImage<T>> images_;
  std::vector<bool> noted_;  // by slot: already in images_
  bool on_ = false;
};

}  // namespace host

#endif
