// A table of objects addressed by (slot, generation). Freed slots are reused with a new
// generation, so finding an object by reference is O(1) and a stale reference finds nothing.
// An object stays at its address while it lives, however the table grows: a name the suites
// hand out as a pointer into a record stays good until the record is erased.
#ifndef GUIDES_HOST_MODEL_SLOTTABLE_H
#define GUIDES_HOST_MODEL_SLOTTABLE_H

#include <cstddef>
#include <deque>
#include <utility>

#include "model/Ref.h"

namespace host {

template <class T>
class SlotTable {
 public:
  // Stores the object and returns its reference, or a null Ref when every slot is taken.
  Ref insert(T value) {
    uint32_t slot = freeHead_;
    if (slot != kNoSlot) {
      freeHead_ = entries_[slot].nextFree;
      entries_[slot].value = std::move(value);
    } else {
      if (entries_.size() >= kMaxSlots) return Ref{};
      slot = static_cast<uint32_t>(entries_.size());
      entries_.push_back(Entry{std::move(value), 0, false, kNoSlot});
    }
    Entry& entry = entries_[slot];
    entry.generation = nextGeneration();
    entry.live = true;
    ++liveCount_;
    return Ref{slot, entry.generation};
  }

  // The object the reference designates, or null when it is stale.
  T* find(Ref ref) { return isLive(ref) ? &entries_[ref.slot].value : nullptr; }
  const T* find(Ref ref) const { return isLive(ref) ? &entries_[ref.slot].value : nullptr; }

  bool isLive(Ref ref) const {
    return ref.slot < entries_.size() && entries_[ref.slot].live &&
           entries_[ref.slot].generation == ref.generation;
  }

  bool isLiveSlot(uint32_t slot) const { return slot < entries_.size() && entries_[slot].live; }

  // Direct access to a slot known to be live (links inside the model).
  T& at(uint32_t slot) { return entries_[slot].value; }
  const T& at(uint32_t slot) const { return entries_[slot].value; }
  Ref refAt(uint32_t slot) const {
    if (slot == kNoSlot) return Ref{};
    return Ref{slot, entries_[slot].generation};
  }

  // Frees the slot; the object is destroyed. Does nothing for a stale reference.
  void erase(Ref ref) {
    if (!isLive(ref)) return;
    Entry& entry = entries_[ref.slot];
    entry.value = T{};
    entry.live = false;
    entry.nextFree = freeHead_;
    freeHead_ = ref.slot;
    --liveCount_;
  }

  size_t liveCount() const { return liveCount_; }
  // Slots ever used, live or free: the bound of a walk over refAt(slot).
  size_t slotCount() const { return entries_.size(); }

 private:
  struct Entry {
    T value;
    uint64_t generation;
    bool live;
    uint32_t nextFree;
  };

  std::deque<Entry> entries_;  // growing at the end moves no entry
  uint32_t freeHead_ = kNoSlot;
  size_t liveCount_ = 0;
};

}  // namespace host

#endif
