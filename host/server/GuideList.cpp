#include "server/GuideList.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <type_traits>
#include <unordered_map>

#include "model/ArtWalk.h"
#include "server/DrawnArt.h"
#include "server/StateParts.h"

namespace host {

bool GuideList::same(uint32_t a, const GuideList& other, uint32_t b) const {
  const Guide& mine = guides[a];
  const Guide& theirs = other.guides[b];
  // Bits, not values: -0 and 0 are different guides to a page that must hold the host's.
  return mine.count == theirs.count && names[mine.name] == other.names[theirs.name] &&
         std::memcmp(&points[mine.first], &other.points[theirs.first], 8 * size_t{mine.count}) == 0;
}

void GuideListMaker::add(const std::string& prefix, const Art& guide) {
  static_assert(std::is_same_v<AIReal, float>, "the page reads the guides as float32");
  const std::string_view shown = shownName(guide);
  if (nameAt_ == kNoSlot || name_.size() != prefix.size() + 1 + shown.size() ||
      name_.compare(0, prefix.size(), prefix) != 0 || name_.compare(prefix.size() + 1, shown.size(), shown) != 0) {
    name_ = prefix + "/" + std::string(shown);
    nameAt_ = nameIndex_.try_emplace(name_, static_cast<uint32_t>(list_.names.size())).first->second;
    if (nameAt_ == list_.names.size()) list_.names.push_back(name_);
  }
  list_.guides.push_back({nameAt_, static_cast<uint32_t>(list_.points.size()),
                          static_cast<uint32_t>(guide.segments.size())});
  for (const AIPathSegment& s : guide.segments) list_.points.insert(list_.points.end(), {s.p.h, s.p.v});
}

bool GuideList::operator==(const GuideList& other) const {
  const auto sameGuide = [](const Guide& a, const Guide& b) {
    return a.name == b.name && a.first == b.first && a.count == b.count;
  };
  return names == other.names &&
         std::equal(guides.begin(), guides.end(), other.guides.begin(), other.guides.end(), sameGuide) &&
         points.size() == other.points.size() &&
         (points.empty() || std::memcmp(points.data(), other.points.data(), 4 * points.size()) == 0);
}

GuideList frontGuides() {
  GuideListMaker maker;
  const Model& model = host::model();
  walkFrontDocument(model, [&](const std::string& prefix, uint32_t slot, const Art& art) {
    if (art.guide && isDrawn(model, slot, art)) maker.add(prefix, art);
  });
  return maker.take();
}

std::string guideBytes(const GuideList& list, std::string_view more, const std::vector<uint32_t>& words,
                       const std::vector<uint32_t>* chosen) {
  static_assert(std::endian::native == std::endian::little, "the page reads the guides little-endian");
  std::string header = "{\"count\":" + std::to_string(list.guides.size()) + ",\"names\":[";
  for (size_t i = 0; i < list.names.size(); ++i) header += (i ? "," : "") + jsonQuoted(list.names[i]);
  header += ']';
  header += more;
  header += '}';
  const auto headerSize = static_cast<uint32_t>(header.size());
  header.resize((header.size() + 3) & ~size_t{3}, ' ');

  const size_t count = chosen ? chosen->size() : list.guides.size();
  const auto guide = [&](size_t k) -> const GuideList::Guide& { return list.guides[chosen ? (*chosen)[k] : k]; };
  size_t points = 0;
  for (size_t k = 0; k < count; ++k) points += 2 * guide(k).count;
  std::string out;
  out.reserve(4 + header.size() + 4 * (words.size() + 2 * count + points));
  const auto append = [&out](const void* from, size_t size) { out.append(static_cast<const char*>(from), size); };
  append(&headerSize, sizeof headerSize);
  out += header;
  append(words.data(), 4 * words.size());
  for (size_t k = 0; k < count; ++k) append(&guide(k).name, 4);
  for (size_t k = 0; k < count; ++k) append(&guide(k).count, 4);
  for (size_t k = 0; k < count; ++k) append(&list.points[guide(k).first], 8 * guide(k).count);
  return out;
}

GuidesData guidesData() {
  const GuideList list = frontGuides();
  return GuidesData{list.guides.size(), guideBytes(list)};
}

}  // namespace host
