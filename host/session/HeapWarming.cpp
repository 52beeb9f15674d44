#include "session/HeapWarming.h"

#include <malloc.h>

#include <algorithm>
#include <cstdlib>

namespace host {

namespace {

constexpr size_t kPage = 4096;
// Below the allocator's mmap threshold (keepFreedMemory's 32 MB): a block this size comes
// from the heap and goes back to it.
constexpr size_t kMostWarmed = 31 * 1024 * 1024;

}  // namespace

void HeapWarming::warm() {
  const struct mallinfo2 now = mallinfo2();
  const size_t grown = now.uordblks > inUse_ ? now.uordblks - inUse_ : 0;
  inUse_ = now.uordblks;
  if (grown == 0 || now.keepcost >= grown) return;
  const size_t size = std::min(grown, kMostWarmed);
  auto* block = static_cast<volatile char*>(std::malloc(size));
  if (!block) return;
  for (size_t at = 0; at < size; at += kPage) block[at] = 0;
  std::free(const_cast<char*>(block));
}

}  // namespace host
