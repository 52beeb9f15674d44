// Memory the next event will take, made ready while the host waits for it. A redraw of tens
// of thousands of guides takes megabytes of new memory while the undo history keeps the ones
// before, and each 4 kB page of it costs a fault the first time it is written: a third of the
// redraw. Between events the host writes once as much free memory as the last event kept, at
// the top of its heap (which keepFreedMemory never gives back), so that the next event finds
// its pages ready.
#ifndef GUIDES_HOST_SESSION_HEAPWARMING_H
#define GUIDES_HOST_SESSION_HEAPWARMING_H

#include <cstddef>

namespace host {

class HeapWarming {
 public:
  // After an event, once the host has nothing else to do.
  void warm();

 private:
  size_t inUse_ = 0;  // bytes allocated at the last warm
};

}  // namespace host

#endif
