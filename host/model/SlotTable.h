// A table of objects addressed by (slot, generation). Freed slots are reused with a new
// generation, so finding an object by reference is O(1) and a stale reference finds nothing.
// An object stays at its address while it lives, however the table grows: a name the suites
// hand out as a pointer into a record stays good until the record is erased.
// A slot an undo step keeps an image of is held: freed, it is not reused until the step goes,
// so that the undo can bring its object back in the same slot, under the same reference. A
// held slot keeps the object it had when freed: the step's image of it is the slot itself, so
// that freeing 40,000 guides copies and allocates nothing for their undo.
#ifndef GUIDES_HOST_MODEL_SLOTTABLE_H
#define GUIDES_HOST_MODEL_SLOTTABLE_H

#include <cstddef>
#include <memory>
#include <vector>
#include <utility>

#include "model/Ref.h"

namespace host {

// What one slot held at one moment: a live object and its generation, or nothing. The object
// is `value`, or, when `inSlot`, the one the slot kept when it was freed.
template <class T>
struct SlotImage {
  uint32_t slot = kNoSlot;
  bool inSlot = false;
  uint64_t generation = 0;
  std::unique_ptr<T> value;

  bool live() const { return value || inSlot; }
};

template <class T>
class SlotTable {
 public:
  // Stores the object and returns its reference, or a null Ref when every slot is taken.
  Ref insert(T value) {
    uint32_t slot = freeHead_;
    if (slot != kNoSlot) {
      freeHead_ = entry(slot).nextFree;
      entry(slot).value = std::move(value);
    } else {
      if (size_ >= kMaxSlots) return Ref{};
      if ((size_ & kChunkMask) == 0) chunks_.push_back(std::make_unique<Entry[]>(kChunkSize));
      slot = size_++;
      entry(slot).value = std::move(value);
    }
    Entry& entry = this->entry(slot);
    entry.generation = nextGeneration();
    entry.live = true;
    ++liveCount_;
    return Ref{slot, entry.generation};
  }

  // The object the reference designates, or null when it is stale.
  T* find(Ref ref) { return isLive(ref) ? &entry(ref.slot).value : nullptr; }
  const T* find(Ref ref) const { return isLive(ref) ? &entry(ref.slot).value : nullptr; }

  bool isLive(Ref ref) const {
    if (ref.slot >= size_) return false;
    const Entry& found = entry(ref.slot);
    return found.live && found.generation == ref.generation;
  }

  bool isLiveSlot(uint32_t slot) const { return slot < size_ && entry(slot).live; }

  // Direct access to a slot known to be live (links inside the model).
  T& at(uint32_t slot) { return entry(slot).value; }
  const T& at(uint32_t slot) const { return entry(slot).value; }
  Ref refAt(uint32_t slot) const {
    if (slot == kNoSlot) return Ref{};
    return Ref{slot, entry(slot).generation};
  }

  // Frees the slot; the object is destroyed, unless the slot is held. Does nothing for a
  // stale reference.
  void erase(Ref ref) {
    if (!isLive(ref)) return;
    Entry& entry = this->entry(ref.slot);
    entry.live = false;
    --liveCount_;
    if (entry.holds != 0) return;
    entry.value = T{};
    makeFree(ref.slot);
  }

  // The slot as it is now.
  SlotImage<T> image(uint32_t slot) const {
    const Entry& entry = this->entry(slot);
    return SlotImage<T>{slot, false, entry.generation, entry.live ? std::make_unique<T>(entry.value) : nullptr};
  }
  // The slot as it is now, for a slot about to be erased while held: its object stays in it.
  SlotImage<T> imageKeptInSlot(uint32_t slot) const {
    const Entry& entry = this->entry(slot);
    return SlotImage<T>{slot, entry.live, entry.generation, nullptr};
  }
  // Whether the slot is now as the image shows it.
  bool matches(const SlotImage<T>& image) const {
    const Entry& entry = this->entry(image.slot);
    if (!image.live()) return !entry.live;
    if (!entry.live || entry.generation != image.generation) return false;
    return image.inSlot || entry.value == *image.value;
  }
  // The slot takes the image's state and the image the slot's: an undo, then a redo. A slot
  // freed by the swap keeps its object (it is held by the image's step), and the image says so.
  void swapImage(SlotImage<T>& image) {
    Entry& entry = this->entry(image.slot);
    const bool wasLive = entry.live;
    const uint64_t generation = entry.generation;
    std::unique_ptr<T> now;
    if (image.value) {
      if (wasLive) now = std::make_unique<T>(std::move(entry.value));
      entry.value = std::move(*image.value);
    }
    entry.live = image.live();
    if (entry.live) entry.generation = image.generation;
    if (wasLive) --liveCount_;
    if (entry.live) ++liveCount_;
    image.inSlot = wasLive && !now;
    image.value = std::move(now);
    image.generation = generation;
  }
  // A held slot is not reused once freed; the last release of a free slot makes it reusable
  // and destroys the object it kept.
  void hold(uint32_t slot) { ++entry(slot).holds; }
  void release(uint32_t slot) {
    Entry& entry = this->entry(slot);
    if (--entry.holds != 0 || entry.live) return;
    entry.value = T{};
    makeFree(slot);
  }

  size_t liveCount() const { return liveCount_; }
  // Slots ever used, live or free: the bound of a walk over refAt(slot).
  size_t slotCount() const { return size_; }

 private:
  struct Entry {
    T value{};
    uint64_t generation = 0;
    bool live = false;
    uint32_t nextFree = kNoSlot;
    uint32_t holds = 0;  // undo steps keeping an image of the slot
  };

  // Entries live in chunks of a power of two that never move: growing adds a chunk, and a
  // slot's entry is found with a shift and a mask.
  static constexpr uint32_t kChunkBits = 10;
  static constexpr uint32_t kChunkSize = 1u << kChunkBits;
  static constexpr uint32_t kChunkMask = kChunkSize - 1;
  Entry& entry(uint32_t slot) { return chunks_[slot >> kChunkBits][slot & kChunkMask]; }
  const Entry& entry(uint32_t slot) const { return chunks_[slot >> kChunkBits][slot & kChunkMask]; }

  void makeFree(uint32_t slot) {
    entry(slot).nextFree = freeHead_;
    freeHead_ = slot;
  }

  std::vector<std::unique_ptr<Entry[]>> chunks_;
  uint32_t size_ = 0;  // slots ever used
  uint32_t freeHead_ = kNoSlot;
  size_t liveCount_ = 0;
};

}  // namespace host

#endif
