// How the host holds its memory. A redraw of tens of thousands of guides frees as much memory
// as it makes, and takes megabytes of new memory while the undo history keeps the ones before;
// each 4 kB page given back to the system, or new, costs a fault when it is written: a third
// of the redraw.
#ifndef GUIDES_HOST_SESSION_HOSTMEMORY_H
#define GUIDES_HOST_SESSION_HOSTMEMORY_H

#include <cstddef>

namespace host {

// The host keeps what it frees, and takes blocks up to 32 MB (the most the allocator allows)
// from the heap it reuses.
void keepFreedMemory();

// Between events the host writes once as much free memory as the last event kept, at the top
// of its heap, so that the next event finds its pages ready.
class HeapWarming {
 public:
  // After an event, once the host has nothing else to do.
  void warm();

 private:
  size_t inUse_ = 0;  // bytes allocated at the last warm
};

}  // namespace host

#endif
