// A spatial index of the bounds of the paths a hit test can find, so that a test at a point
// reads the few paths near it instead of walking every art. A change to art only marks its
// slot; the index catches up when it is next asked, so that laying out 40,000 guides costs
// a mark each and not a tree update each. Guides and paths without segments are not held,
// since nothing ever hits them. The bounds are those of every control point, which hold the
// outline and its curves: a path whose bounds, widened by the tolerance, miss a point
// cannot be hit there.
#ifndef GUIDES_HOST_MODEL_ARTINDEX_H
#define GUIDES_HOST_MODEL_ARTINDEX_H

#include <cstdint>
#include <memory>
#include <vector>

namespace host {

class ArtTree;
struct ControlBounds;

class ArtIndex {
 public:
  ArtIndex();
  ~ArtIndex();
  ArtIndex(ArtIndex&&) noexcept;
  ArtIndex& operator=(ArtIndex&&) noexcept;

  // The art in this slot was made, freed, or its segments or guide flag changed.
  void touch(uint32_t slot);
  // The slots of the paths whose bounds meet the box (borders included), in no particular
  // order, once the index holds every change marked. The list is the index's own, good until
  // the next call.
  const std::vector<uint32_t>& pathsMeeting(const ArtTree& arts, const ControlBounds& box);

 private:
  struct Tree;
  std::unique_ptr<Tree> tree_;
};

}  // namespace host

#endif
