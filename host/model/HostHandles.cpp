#include "model/HostHandles.h"

#include <cstdlib>
#include <utility>

namespace host {

void* HostHandles::allocate(size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block) blocks_.emplace(block, size);
  return block;
}

bool HostHandles::free(void* block) {
  const auto found = blocks_.find(block);
  if (found == blocks_.end()) return false;
  std::free(block);
  blocks_.erase(found);
  return true;
}

HostHandles::HostHandles(HostHandles&& other) noexcept
    : dataFilters(std::move(other.dataFilters)),
      hits(std::move(other.hits)),
      blocks_(std::exchange(other.blocks_, {})) {}

HostHandles& HostHandles::operator=(HostHandles&& other) noexcept {
  if (this != &other) {
    freeAll();
    dataFilters = std::move(other.dataFilters);
    hits = std::move(other.hits);
    blocks_ = std::exchange(other.blocks_, {});
  }
  return *this;
}

HostHandles::~HostHandles() { freeAll(); }

// Blocks a plug-in never gave back are the host's to free.
void HostHandles::freeAll() {
  for (const auto& [block, size] : blocks_) std::free(block);
  blocks_.clear();
}

}  // namespace host
