#include "model/SuiteUsage.h"

namespace host {

void SuiteUsage::countAcquire(std::string_view name, int32_t version) {
  ++counts_[Key{std::string(name), version}].acquired;
}

bool SuiteUsage::countRelease(std::string_view name, int32_t version) {
  const auto found = counts_.find(Key{std::string(name), version});
  if (found == counts_.end() || found->second.released >= found->second.acquired) return false;
  ++found->second.released;
  return true;
}

int32_t SuiteUsage::totalAcquired() const {
  int32_t total = 0;
  for (const auto& [key, count] : counts_) total += count.acquired;
  return total;
}

int32_t SuiteUsage::totalReleased() const {
  int32_t total = 0;
  for (const auto& [key, count] : counts_) total += count.released;
  return total;
}

}  // namespace host
