// The art of every open document, in one slot table, with the O(1) link operations that
// place art among its siblings and the linear walks over a subtree.
#ifndef GUIDES_HOST_MODEL_ARTTREE_H
#define GUIDES_HOST_MODEL_ARTTREE_H

#include "AITypes.h"
#include "model/Art.h"
#include "model/SlotTable.h"

namespace host {

class ArtTree {
 public:
  // Stores a new, unlinked art; a null Ref when the table is full.
  Ref create(Art art) { return arts_.insert(std::move(art)); }

  Art* find(Ref ref) { return arts_.find(ref); }
  const Art* find(Ref ref) const { return arts_.find(ref); }
  Art& at(uint32_t slot) { return arts_.at(slot); }
  const Art& at(uint32_t slot) const { return arts_.at(slot); }
  Ref refAt(uint32_t slot) const { return arts_.refAt(slot); }

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

  // Bounds of the anchor points in the subtree; false when it holds no anchor point.
  bool anchorBounds(uint32_t root, AIRealRect* bounds) const;

  size_t liveCount() const { return arts_.liveCount(); }

 private:
  SlotTable<Art> arts_;
};

}  // namespace host

#endif
