// Short-lived things the host hands to plug-ins and takes back: resource data filters,
// memory blocks and hit-test results. Each is tracked, so one given back twice, or never
// handed out, is refused instead of being followed.
#ifndef GUIDES_HOST_MODEL_HOSTHANDLES_H
#define GUIDES_HOST_MODEL_HOSTHANDLES_H

#include <cstddef>
#include <string>
#include <unordered_map>

#include "AIHitTest.h"
#include "model/SlotTable.h"

namespace host {

// A resource read in chunks: its bytes and how far the reading has come.
struct DataFilter {
  std::string bytes;
  size_t position = 0;
  Ref next;  // the filter linked after this one, if any
};

class HostHandles {
 public:
  SlotTable<DataFilter> dataFilters;
  SlotTable<AIToolHitData> hits;

  // Memory blocks by address, with their sizes.
  void* allocate(size_t size);
  // False when the block was not handed out by allocate (or was freed already).
  bool free(void* block);
  size_t liveBlocks() const { return blocks_.size(); }

  HostHandles() = default;
  HostHandles(HostHandles&& other) noexcept;
  HostHandles& operator=(HostHandles&& other) noexcept;
  ~HostHandles();

 private:
  void freeAll();
  std::unordered_map<void*, size_t> blocks_;
};

}  // namespace host

#endif
