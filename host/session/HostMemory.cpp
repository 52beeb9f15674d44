#include "session/HostMemory.h"

#include <malloc.h>
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace host {

namespace {

constexpr size_t kPage = 4096;
// Below the allocator's mmap threshold (keepFreedMemory's 32 MB): a block this size comes
// from the heap and goes back to it.
constexpr size_t kMostWarmed = 31 * 1024 * 1024;

}  // namespace

void keepFreedMemory() {
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
}

void HeapWarming::warm() {
  const struct mallinfo2 now = mallinfo2();
  const size_t grown = now.uordblks > inUse_ ? now.uordblks - inUse_ : 0;
  inUse_ = now.uordblks;
  if (grown == 0 || now.keepcost >= grown) return;
  const size_t size = std::min(grown, kMostWarmed);
  auto* block = static_cast<char*>(std::malloc(size));
  if (!block) return;
  // One call makes every page of the block (whole pages, inside it) ready; a kernel without
  // it has each page written once instead.
  const auto first = (reinterpret_cast<uintptr_t>(block) + kPage - 1) & ~uintptr_t{kPage - 1};
  const auto end = (reinterpret_cast<uintptr_t>(block) + size) & ~uintptr_t{kPage - 1};
  if (end <= first || madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE) != 0) {
    volatile char* pages = block;
    for (size_t at = 0; at < size; at += kPage) pages[at] = 0;
  }
  std::free(block);
}

}  // namespace host
