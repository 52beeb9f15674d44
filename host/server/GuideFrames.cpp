#include "server/GuideFrames.h"

#include <cstring>
#include <functional>
#include <memory>
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

}  // namespace

// The base frame's guides by key, in a table of open addressing: building it costs a
// probe a guide where sorting them cost a comparison sort, and equal keys lie along one
// probe sequence, which a lookup follows to the first empty place. The frames keep one
// table, filled again for each base, so that its megabytes are not new memory each time.
class KeyTable {
 public:
  void fill(const GuideList& list) {
    size_t size = 16;
    while (size < 2 * list.guides.size()) size *= 2;
    places_.assign(size, Place{});
    mask_ = size - 1;
    const std::vector<uint64_t> hashes = nameHashes(list);
    for (uint32_t i = 0; i < list.guides.size(); ++i) {
      const uint64_t key = keyOf(list, i, hashes);
      size_t at = key & mask_;
      while (places_[at].index != kNewGuides) at = (at + 1) & mask_;
      places_[at] = {key, i};
    }
  }
  // The first index with this key that `accept` takes, or kNewGuides.
  template <class Accept>
  uint32_t find(uint64_t key, Accept accept) const {
    for (size_t at = key & mask_; places_[at].index != kNewGuides; at = (at + 1) & mask_)
      if (places_[at].key == key && accept(places_[at].index)) return places_[at].index;
    return kNewGuides;
  }

 private:
  struct Place {
    uint64_t key = 0;
    uint32_t index = kNewGuides;  // empty
  };
  std::vector<Place> places_;
  size_t mask_ = 0;
};

namespace {

// Finds, for each guide of the new frame, an unused equal guide of the base frame: the one
// after the last found when it is equal (a kept stretch costs one comparison a guide), else
// the first unused one with its key.
class Matcher {
 public:
  Matcher(const GuideList& base, const GuideList& now, KeyTable& byKey)
      : base_(base), now_(now), used_(base.guides.size(), false), byKey_(byKey) {}

  uint32_t find(uint32_t index) {
    if (next_ < base_.guides.size() && !used_[next_] && now_.same(index, base_, next_)) return take(next_);
    if (!filled_) {
      byKey_.fill(base_);
      filled_ = true;
    }
    const uint32_t found = byKey_.find(keyOf(now_, index, nowHashes()), [&](uint32_t candidate) {
      return !used_[candidate] && now_.same(index, base_, candidate);
    });
    return found == kNewGuides ? kNewGuides : take(found);
  }

 private:
  uint32_t take(uint32_t index) {
    used_[index] = true;
    next_ = index + 1;
    return index;
  }
  const std::vector<uint64_t>& nowHashes() {
    if (nowHashes_.empty()) nowHashes_ = nameHashes(now_);
    return nowHashes_;
  }

  const GuideList& base_;
  const GuideList& now_;
  std::vector<bool> used_;
  uint32_t next_ = 0;
  KeyTable& byKey_;
  bool filled_ = false;  // at the first guide out of its place
  std::vector<uint64_t> nowHashes_;
};

// Frames of two runs of the host never meet: a page still open from an earlier run starts
// again from a whole frame.
uint64_t firstFrame() { return uint64_t{std::random_device{}() & 0xFFFFFFu} << 20; }

}  // namespace

GuideFrames::GuideFrames() : frame_(firstFrame()), byKey_(std::make_unique<KeyTable>()) {}
GuideFrames::~GuideFrames() = default;

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
std::string GuideFrames::changesFrom(const GuideList& base, const GuideList& now) {
  Matcher matcher(base, now, *byKey_);
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
