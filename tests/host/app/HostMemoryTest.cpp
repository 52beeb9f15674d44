// The memory an event kept is made ready for the next one: after a warm, the top of the heap
// holds at least as much free memory as the event took, so that the next event's blocks come
// from pages already written.
#include <malloc.h>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "session/HostMemory.h"

namespace {

TEST(HostMemory, AWarmLeavesAsMuchReadyMemoryAsTheLastEventKept) {
  if (mallinfo2().arena == 0) GTEST_SKIP() << "the allocator says nothing of its heap (sanitizer build)";
  host::keepFreedMemory();
  host::HeapWarming warming;
  warming.warm();  // what is in use now is where the event starts
  constexpr size_t kBlock = 128 * 1024, kBlocks = 64;
  std::vector<std::unique_ptr<char[]>> kept;  // the event's blocks, kept as an undo step keeps them
  for (size_t k = 0; k < kBlocks; ++k) kept.push_back(std::make_unique<char[]>(kBlock));
  warming.warm();
  EXPECT_GE(mallinfo2().keepcost, kBlock * kBlocks);
  // Nothing kept since: nothing more is written.
  const size_t arena = mallinfo2().arena;
  warming.warm();
  EXPECT_EQ(mallinfo2().arena, arena);
}

}  // namespace
