#include "FailingAllocator.h"

#include <cstdlib>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GUIDES_OWN_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define GUIDES_OWN_ALLOCATOR 1
#endif

namespace failing {

namespace {

// Allocations left before the one that fails; negative when none is to fail.
long countdown = -1;
bool failed = false;

}  // namespace

#ifdef GUIDES_OWN_ALLOCATOR
bool available() { return false; }
#else
bool available() { return true; }
#endif

void failAllocation(size_t after) {
  countdown = static_cast<long>(after);
  failed = false;
}

bool stop() {
  countdown = -1;
  return failed;
}

}  // namespace failing

#ifndef GUIDES_OWN_ALLOCATOR
namespace {

bool isChosen() {
  if (failing::countdown < 0 || failing::countdown-- > 0) return false;
  failing::failed = true;
  return true;
}

}  // namespace

// The standard library's other forms of new (arrays, nothrow) come here; what it gives is
// given back to free.
void* operator new(std::size_t size) {
  if (isChosen()) throw std::bad_alloc();
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
#endif
