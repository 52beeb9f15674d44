// Allocation failures on demand, for tests of what the host does when memory runs out:
// this program's operator new counts allocations and throws std::bad_alloc at the one
// chosen. Sanitizer builds keep their own allocator, and then nothing ever fails.
#ifndef GUIDES_TESTS_HOST_FAILINGALLOCATOR_H
#define GUIDES_TESTS_HOST_FAILINGALLOCATOR_H

#include <cstddef>

namespace failing {

// False where operator new cannot be replaced (sanitizer builds).
bool available();
// Makes the allocation `after` allocations from now fail (0: the next one), once.
void failAllocation(size_t after);
// Forgets a failure still waiting; true when the chosen allocation did fail.
bool stop();

}  // namespace failing

#endif
