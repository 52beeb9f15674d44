// The art of every open document, in one slot table, with the O(1) link operations that
// place art among its siblings, the linear walks over a subtree, and the spatial index of
// the paths that the hit test reads.
#ifndef GUIDES_HOST_MODEL_ARTTREE_H
#define GUIDES_HOST_MODEL_ARTTREE_H

#include <vector>

#include "AITypes.h"
#include "model/Art.h"
#include "model/ArtIndex.h"
#include "model/SlotChanges.h"
#include "model/SlotTable.h"

namespace host {

class ArtTree {
 public:
  // Stores a new, unlinked art; a null Ref when the table is full.
  Ref create(Art art);

  // The non-const accesses are changes: the art is noted as it was for the event's undo step.
  Art* find(Ref ref) {
    if (!arts_.isLive(ref)) return nullptr;
    changes_.note(arts_, ref.slot);
    return arts_.find(ref);
  }
  const Art* find(Ref ref) const { return arts_.find(ref); }
  Art& at(uint32_t slot) {
    changes_.note(arts_, slot);
    return arts_.at(slot);
  }
  const Art& at(uint32_t slot) const { return arts_.at(slot); }
  Ref refAt(uint32_t slot) const { return arts_.refAt(slot); }
  bool isLive(uint32_t slot) const { return arts_.isLiveSlot(slot); }

  // Links an unlinked art into place.
  void insertOnTop(uint32_t parent, uint32_t child);
  void insertAtBottom(uint32_t parent, uint32_t child);
  void insertAbove(uint32_t sibling, uint32_t child);
  void insertBelow(uint32_t sibling, uint32_t child);
  void unlink(uint32_t slot);

  // Unlinks the art and frees it with everything inside it, in time linear in the subtree.
  void disposeSubtree(uint32_t slot);

  // The slot after `current` in a front-to-back, depth-first walk of root's subtree,
  // or kNoSlot at the end. The walk starts at root itself.
  uint32_t nextInSubtree(uint32_t root, uint32_t current) const;

  // Whether `a` comes before `b` in a front-to-back, depth-first walk of the tree that holds
  // both (a group before what it holds), in time linear in their depth.
  bool isInFront(uint32_t a, uint32_t b) const;

  // Bounds of the anchor points in the subtree; false when it holds no anchor point.
  bool anchorBounds(uint32_t root, AIRealRect* bounds) const;

  // The path's segments or guide flag changed: the index is told.
  void pathChanged(uint32_t slot) { index_.touch(slot); }
  // The paths that may be hit in the box (see ArtIndex).
  const std::vector<uint32_t>& pathsMeeting(const ControlBounds& box) const { return index_.pathsMeeting(*this, box); }

  size_t liveCount() const { return arts_.liveCount(); }

  // Undo steps: the images of the art changed since the last take, the swap of an image with
  // its slot (undo or redo), and the end of a step's hold on a slot.
  std::vector<SlotImage<Art>> takeChanges() { return changes_.take(arts_); }
  void swapImage(SlotImage<Art>& image) {
    arts_.swapImage(image);
    index_.touch(image.slot);
  }
  void release(uint32_t slot) { arts_.release(slot); }

 private:
  void giveOrder(uint32_t slot);
  void renumberChildren(uint32_t parent);
  uint32_t depthOf(uint32_t slot) const;

  SlotTable<Art> arts_;
  SlotChanges<Art> changes_;
  // Brought up to date when read, from a const hit test: a cache of the tree, not its state.
  mutable ArtIndex index_;
};

}  // namespace host

#endif
