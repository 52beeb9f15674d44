// References to model objects and the opaque handles that carry them across the host
// interface. A handle packs a slot index and the generation the object was made in; it is
// never an address, so a stale handle can be recognised instead of being followed.
#ifndef GUIDES_HOST_MODEL_REF_H
#define GUIDES_HOST_MODEL_REF_H

#include <cstdint>

namespace host {

inline constexpr uint32_t kNoSlot = UINT32_MAX;

// Slot index and generation of an object of a slot table. A default Ref designates nothing.
struct Ref {
  uint32_t slot = kNoSlot;
  uint64_t generation = 0;

  bool isNull() const { return slot == kNoSlot; }
  bool operator==(const Ref&) const = default;
};

// Generations are drawn from one process-wide counter that never repeats, so a handle kept
// from a disposed object, or from a host that has been reset, never designates a newer one.
uint64_t nextGeneration();

// The low bits of a handle hold slot + 1 (0 is the null handle), the high bits the generation.
inline constexpr int kSlotBits = 24;
inline constexpr uint32_t kMaxSlots = (uint32_t{1} << kSlotBits) - 1;

template <class Handle>
Handle toHandle(Ref ref) {
  if (ref.isNull()) return nullptr;
  const uint64_t bits = (ref.generation << kSlotBits) | (uint64_t{ref.slot} + 1);
  return reinterpret_cast<Handle>(static_cast<uintptr_t>(bits));
}

template <class Handle>
Ref fromHandle(Handle handle) {
  const uint64_t bits = reinterpret_cast<uintptr_t>(handle);
  const uint64_t slotPlusOne = bits & kMaxSlots;
  if (slotPlusOne == 0) return Ref{};
  return Ref{static_cast<uint32_t>(slotPlusOne - 1), bits >> kSlotBits};
}

}  // namespace host

#endif
