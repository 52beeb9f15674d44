// The guides of the front document as the page draws them: front first, as `print guides`
// lists them, each with its group's name and its points as stored (float32), and the bytes
// the page reads them from without parsing text.
#ifndef GUIDES_HOST_SERVER_GUIDELIST_H
#define GUIDES_HOST_SERVER_GUIDELIST_H

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/Art.h"

namespace host {

struct GuideList {
  struct Guide {
    uint32_t name;   // index in names
    uint32_t first;  // index of its first h in points
    uint32_t count;  // its points
  };
  std::vector<std::string> names;
  std::vector<Guide> guides;
  std::vector<float> points;  // h, v of every point, guide after guide

  // Whether guide a of this list and guide b of `other` have the same name and points.
  bool same(uint32_t a, const GuideList& other, uint32_t b) const;
  // The same names, guides and points, bit for bit.
  bool operator==(const GuideList& other) const;
};

// Makes a list from guides given in the walk's order (walkFrontDocument's prefix and art).
// Guides come in runs of one group and one name: a name is looked up once per run.
class GuideListMaker {
 public:
  GuideListMaker() = default;
  // Room for as many guides and points as `like` has: the list made after a change is
  // mostly as long as the one before.
  explicit GuideListMaker(const GuideList& like) {
    list_.guides.reserve(like.guides.size());
    list_.points.reserve(like.points.size());
  }
  void add(const std::string& prefix, const Art& guide);
  GuideList take() { return std::move(list_); }

 private:
  GuideList list_;
  std::unordered_map<std::string, uint32_t> nameIndex_;
  std::string name_;  // of the last guide added
  uint32_t nameAt_ = kNoSlot;
};

// The guides drawn in the front document (visible, in visible layers and groups).
GuideList frontGuides();

// Little-endian: uint32 H, then H bytes of the JSON {"count": N, "names": [...]<more>} padded
// with spaces to 4 bytes, then the uint32 words of `words` (none by default), then for the
// guides chosen (all when `chosen` is null): uint32 name index of each, uint32 point count of
// each, float32 h, v of their points. `more` is written into the header as it is
// (",\"frame\":5").
std::string guideBytes(const GuideList& list, std::string_view more = {}, const std::vector<uint32_t>& words = {},
                       const std::vector<uint32_t>* chosen = nullptr);

}  // namespace host

#endif
