#include "server/GuideFrames.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <string_view>

#include "server/Base64.h"
#include "server/StateParts.h"

namespace host {

namespace {

uint64_t mix(uint64_t hash, uint64_t value) {
  hash = (hash ^ value) * 0x9E3779B97F4A7C15ull;
  return hash ^ (hash >> 29);
}

// A guide's name and points bits, as one number: equal guides have equal keys.
uint64_t keyOf(const GuideList& list, uint32_t index, const std::vector<uint64_t>& nameHashes) {
  const GuideList::Guide& guide = list.guides[index];
  uint64_t hash = nameHashes[guide.name];
  for (uint32_t k = 0; k < 2 * guide.count; ++k) {
    uint32_t bits = 0;
    std::memcpy(&bits, &list.points[guide.first + k], 4);
    hash = mix(hash, bits);
  }
  return hash;
}

std::vector<uint64_t> nameHashes(const GuideList& list) {
  std::vector<uint64_t> hashes;
  for (const std::string& name : list.names) hashes.push_back(std::hash<std::string_view>{}(name));
  return hashes;
}

// Finds, for each guide of the new frame, an unused equal guide of the base frame: the one
// after the last found when it is equal (a kept stretch costs one comparison a guide), else
// the first unused one with its key.
class Matcher {
 public:
  Matcher(const GuideList& base, const GuideList& now) : base_(base), now_(now), used_(base.guides.size(), false) {}

  uint32_t find(uint32_t index) {
    if (next_ < base_.guides.size() && !used_[next_] && now_.same(index, base_, next_)) return take(next_);
    if (byKey_.empty() && !base_.guides.empty()) sortBase();
    const uint64_t key = keyOf(now_, index, nowHashes());
    auto it = std::lower_bound(byKey_.begin(), byKey_.end(), std::pair<uint64_t, uint32_t>{key, 0});
    for (; it != byKey_.end() && it->first == key; ++it)
      if (!used_[it->second] && now_.same(index, base_, it->second)) return take(it->second);
    return kNewGuides;
  }

 private:
  uint32_t take(uint32_t index) {
    used_[index] = true;
    next_ = index + 1;
    return index;
  }
  void sortBase() {
    const std::vector<uint64_t> hashes = nameHashes(base_);
    for (uint32_t i = 0; i < base_.guides.size(); ++i) byKey_.emplace_back(keyOf(base_, i, hashes), i);
    std::sort(byKey_.begin(), byKey_.end());
  }
  const std::vector<uint64_t>& nowHashes() {
    if (nowHashes_.empty()) nowHashes_ = nameHashes(now_);
    return nowHashes_;
  }

  const GuideList& base_;
  const GuideList& now_;
  std::vector<bool> used_;
  uint32_t next_ = 0;
  std::vector<std::pair<uint64_t, uint32_t>> byKey_;
  std::vector<uint64_t> nowHashes_;
};

// Frames of two runs of the host never meet: a page still open from an earlier run starts
// again from a whole frame.
uint64_t firstFrame() { return uint64_t{std::random_device{}() & 0xFFFFFFu} << 20; }

}  // namespace

GuideFrames::GuideFrames() : frame_(firstFrame()) {}

GuideFrame GuideFrames::next(GuideList list) {
  ++frame_;
  const std::string frame = std::to_string(frame_);
  GuideFrame made;
  made.bytes = guideBytes(list, ",\"frame\":" + frame);
  made.part = "{\"count\":" + std::to_string(list.guides.size()) + ",\"frame\":" + frame;
  if (made.bytes.size() <= kGuidesInPart) {
    made.part += ",\"bytes\":\"" + base64(made.bytes) + "\"}";
  } else {
    const std::string changes = changesFrom(last_, list);
    if (!changes.empty())
      made.part += ",\"base\":" + std::to_string(frame_ - 1) + ",\"changes\":\"" + base64(changes) + '"';
    made.part += ",\"data\":\"/guides.bin?frame=" + frame + "\"}";
  }
  last_ = std::move(list);
  return made;
}

// Empty when the changes would not fit in the part: the page then reads the whole frame.
std::string GuideFrames::changesFrom(const GuideList& base, const GuideList& now) const {
  Matcher matcher(base, now);
  std::vector<uint32_t> runs, added;
  for (uint32_t i = 0; i < now.guides.size(); ++i) {
    const uint32_t found = matcher.find(i);
    const uint32_t start = runs.empty() ? 0 : runs[runs.size() - 2];
    const bool extends = !runs.empty() && (found == kNewGuides ? start == kNewGuides
                                                               : start != kNewGuides && start + runs.back() == found);
    if (found == kNewGuides) added.push_back(i);
    if (extends)
      ++runs.back();
    else
      runs.insert(runs.end(), {found, 1});
    if (4 * (runs.size() + 3 * added.size()) > kGuidesInPart) return {};
  }
  const std::string more = ",\"frame\":" + std::to_string(frame_) + ",\"base\":" + std::to_string(frame_ - 1) +
                           ",\"added\":" + std::to_string(added.size()) + ",\"runs\":" + std::to_string(runs.size() / 2);
  std::string changes = guideBytes(now, more, runs, &added);
  return changes.size() <= kGuidesInPart ? changes : std::string();
}

}  // namespace host
