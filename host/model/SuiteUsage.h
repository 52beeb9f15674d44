// What the plug-ins did with the host's suites: acquires and releases counted per suite
// (name and version), the suites the host withholds, and whether suite calls are traced.
#ifndef GUIDES_HOST_MODEL_SUITEUSAGE_H
#define GUIDES_HOST_MODEL_SUITEUSAGE_H

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace host {

class SuiteUsage {
 public:
  struct Count {
    int32_t acquired = 0;
    int32_t released = 0;
  };
  using Key = std::pair<std::string, int32_t>;  // name, version

  void countAcquire(std::string_view name, int32_t version);
  // False (and nothing counted) when the suite is not held: an unbalanced release.
  bool countRelease(std::string_view name, int32_t version);
  const std::map<Key, Count>& counts() const { return counts_; }
  int32_t totalAcquired() const;
  int32_t totalReleased() const;

  // Suites asked for that the host does not have (or withholds), in the order asked, so that
  // a failed start-up can name them.
  void countNotFound(std::string_view name, int32_t version) { notFound_.emplace_back(name, version); }
  const std::vector<Key>& notFound() const { return notFound_; }

  // A withheld suite cannot be acquired, as if the host did not have it.
  void withhold(std::string name) { withheld_.insert(std::move(name)); }
  bool isWithheld(std::string_view name) const { return withheld_.count(std::string(name)) > 0; }

 private:
  std::map<Key, Count> counts_;
  std::set<std::string> withheld_;
  std::vector<Key> notFound_;
};

}  // namespace host

#endif
