#include "model/ArtIndex.h"

#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>
#include <boost/iterator/function_output_iterator.hpp>

#include "model/ArtTree.h"
#include "model/PathHit.h"

namespace host {

namespace {

namespace geometry = boost::geometry;
using Point = geometry::model::point<double, 2, geometry::cs::cartesian>;
using Box = geometry::model::box<Point>;
using Entry = std::pair<Box, uint32_t>;
using RTree = geometry::index::rtree<Entry, geometry::index::rstar<16>>;

constexpr uint8_t kHeld = 1;     // the slot has an entry in the tree, with the box kept
constexpr uint8_t kPending = 2;  // the slot changed since the tree was brought up to date

bool isIndexed(const ArtTree& arts, uint32_t slot) {
  if (!arts.isLive(slot)) return false;
  const Art& art = arts.at(slot);
  return art.type == kPathArt && !art.guide && !art.segments.empty();
}

Box boxOf(const Art& path) {
  const ControlBounds b = controlBounds(path);
  return Box(Point(b.left, b.bottom), Point(b.right, b.top));
}

}  // namespace

struct ArtIndex::Tree {
  RTree entries;
  std::vector<Box> held;       // by slot, the box of its entry while kHeld; as far as the last held
                               // slot, so that guides made by the thousand make it no longer
  std::vector<uint8_t> flags;  // by slot
  std::vector<uint32_t> pending;
  std::vector<uint32_t> found;

  void catchUp(const ArtTree& arts);
  void update(const ArtTree& arts, uint32_t slot);
  void rebuild(const ArtTree& arts);
  void hold(uint32_t slot, const Box& box) {
    if (slot >= held.size()) held.resize(slot + 1 + slot / 2);
    held[slot] = box;
    flags[slot] |= kHeld;
  }
};

// Only slots in the tree or due in it need work: guides made and freed by the thousand need
// none. A few changes are applied one by one; many (a file opened, a document closed)
// rebuild the tree at once, which is faster than as many updates and packs it better.
void ArtIndex::Tree::catchUp(const ArtTree& arts) {
  if (pending.empty()) return;
  std::erase_if(pending, [&](uint32_t slot) {
    const bool idle = !(flags[slot] & kHeld) && !isIndexed(arts, slot);
    if (idle) flags[slot] &= ~kPending;
    return idle;
  });
  if (pending.size() > entries.size() / 4 + 64)
    rebuild(arts);
  else
    for (uint32_t slot : pending) update(arts, slot);
  for (uint32_t slot : pending) flags[slot] &= ~kPending;
  pending.clear();
}

void ArtIndex::Tree::update(const ArtTree& arts, uint32_t slot) {
  if (flags[slot] & kHeld) {
    entries.remove(Entry(held[slot], slot));
    flags[slot] &= ~kHeld;
  }
  if (!isIndexed(arts, slot)) return;
  hold(slot, boxOf(arts.at(slot)));
  entries.insert(Entry(held[slot], slot));
}

void ArtIndex::Tree::rebuild(const ArtTree& arts) {
  std::vector<Entry> kept;
  kept.reserve(entries.size() + pending.size());
  for (uint32_t slot = 0; slot < flags.size(); ++slot) {
    if (flags[slot] & kPending) {
      flags[slot] &= ~kHeld;
      if (!isIndexed(arts, slot)) continue;
      hold(slot, boxOf(arts.at(slot)));
    }
    if (flags[slot] & kHeld) kept.emplace_back(held[slot], slot);
  }
  entries = RTree(kept.begin(), kept.end());
}

ArtIndex::ArtIndex() : tree_(std::make_unique<Tree>()) {}
ArtIndex::~ArtIndex() = default;
ArtIndex::ArtIndex(ArtIndex&&) noexcept = default;
ArtIndex& ArtIndex::operator=(ArtIndex&&) noexcept = default;

void ArtIndex::touch(uint32_t slot) {
  Tree& tree = *tree_;
  if (slot >= tree.flags.size()) tree.flags.resize(slot + 1 + slot / 2, 0);  // by half again, as the art table grows
  if (tree.flags[slot] & kPending) return;
  tree.flags[slot] |= kPending;
  tree.pending.push_back(slot);
}

const std::vector<uint32_t>& ArtIndex::pathsMeeting(const ArtTree& arts, const ControlBounds& box) {
  Tree& tree = *tree_;
  tree.catchUp(arts);
  tree.found.clear();
  const Box query(Point(box.left, box.bottom), Point(box.right, box.top));
  tree.entries.query(geometry::index::intersects(query),
                     boost::make_function_output_iterator([&](const Entry& e) { tree.found.push_back(e.second); }));
  return tree.found;
}

}  // namespace host
