#include "model/ArtTree.h"

#include <algorithm>
#include <limits>

namespace host {

namespace {
// Room left between siblings' orders, so that most insertions between two of them renumber
// nothing.
constexpr int64_t kOrderStep = int64_t{1} << 20;
constexpr int64_t kOrderLimit = std::numeric_limits<int64_t>::max() / 2;
}  // namespace

Ref ArtTree::create(Art art) {
  ++revision_;
  const Ref made = arts_.insert(std::move(art));
  if (made.isNull()) return made;
  changes_.noteMade(arts_, made.slot);
  index_.touch(made.slot);
  return made;
}

void ArtTree::insertOnTop(uint32_t parent, uint32_t child) {
  Art& p = at(parent);
  if (p.firstChild == kNoSlot) {
    Art& c = at(child);
    c.parent = parent;
    p.firstChild = p.lastChild = child;
    ++p.childCount;
    giveOrder(child);
    return;
  }
  insertAbove(p.firstChild, child);
}

void ArtTree::insertAtBottom(uint32_t parent, uint32_t child) {
  Art& p = at(parent);
  if (p.lastChild == kNoSlot) {
    insertOnTop(parent, child);
    return;
  }
  insertBelow(p.lastChild, child);
}

void ArtTree::insertAbove(uint32_t sibling, uint32_t child) {
  Art& s = at(sibling);
  Art& c = at(child);
  Art& p = at(s.parent);
  c.parent = s.parent;
  c.nextSibling = sibling;
  c.prevSibling = s.prevSibling;
  if (s.prevSibling != kNoSlot)
    at(s.prevSibling).nextSibling = child;
  else
    p.firstChild = child;
  s.prevSibling = child;
  ++p.childCount;
  giveOrder(child);
}

void ArtTree::insertBelow(uint32_t sibling, uint32_t child) {
  Art& s = at(sibling);
  Art& c = at(child);
  Art& p = at(s.parent);
  c.parent = s.parent;
  c.prevSibling = sibling;
  c.nextSibling = s.nextSibling;
  if (s.nextSibling != kNoSlot)
    at(s.nextSibling).prevSibling = child;
  else
    p.lastChild = child;
  s.nextSibling = child;
  ++p.childCount;
  giveOrder(child);
}

void ArtTree::unlink(uint32_t slot) {
  Art& a = at(slot);
  if (a.parent == kNoSlot) return;
  Art& p = at(a.parent);
  if (a.prevSibling != kNoSlot)
    at(a.prevSibling).nextSibling = a.nextSibling;
  else
    p.firstChild = a.nextSibling;
  if (a.nextSibling != kNoSlot)
    at(a.nextSibling).prevSibling = a.prevSibling;
  else
    p.lastChild = a.prevSibling;
  --p.childCount;
  a.parent = a.prevSibling = a.nextSibling = kNoSlot;
}

// Frees the subtree after its children, without recursion: down to the first leaf, then each
// art freed is followed by its next sibling's first leaf, or by its parent once it was the
// last child. Only the root is unlinked (from a parent outside the subtree); the links inside
// are read, never rewritten, so an undo step keeps each freed art as it was, moved, not copied.
void ArtTree::disposeSubtree(uint32_t root) {
  ++revision_;
  unlink(root);
  const auto firstLeaf = [this](uint32_t slot) {
    while (arts_.at(slot).firstChild != kNoSlot) slot = arts_.at(slot).firstChild;
    return slot;
  };
  uint32_t current = firstLeaf(root);
  for (;;) {
    const Art& art = arts_.at(current);
    const uint32_t next = current == root               ? kNoSlot
                          : art.nextSibling != kNoSlot ? firstLeaf(art.nextSibling)
                                                       : art.parent;
    index_.touch(current);
    changes_.noteErased(arts_, current);
    arts_.erase(refAt(current));
    if (next == kNoSlot) return;
    current = next;
  }
}

uint32_t ArtTree::nextInSubtree(uint32_t root, uint32_t current) const {
  if (at(current).firstChild != kNoSlot) return at(current).firstChild;
  while (current != root) {
    if (at(current).nextSibling != kNoSlot) return at(current).nextSibling;
    current = at(current).parent;
  }
  return kNoSlot;
}

// An order between the neighbours' when there is room, else all the siblings renumbered.
void ArtTree::giveOrder(uint32_t slot) {
  Art& art = at(slot);
  const bool hasPrev = art.prevSibling != kNoSlot, hasNext = art.nextSibling != kNoSlot;
  const int64_t prev = hasPrev ? at(art.prevSibling).order : 0;
  const int64_t next = hasNext ? at(art.nextSibling).order : 0;
  if (!hasPrev && !hasNext) {
    art.order = 0;
  } else if (!hasPrev && next > -kOrderLimit) {
    art.order = next - kOrderStep;
  } else if (!hasNext && prev < kOrderLimit) {
    art.order = prev + kOrderStep;
  } else if (hasPrev && hasNext && next - prev >= 2) {
    art.order = prev + (next - prev) / 2;
  } else {
    renumberChildren(art.parent);
  }
}

void ArtTree::renumberChildren(uint32_t parent) {
  int64_t order = 0;
  for (uint32_t child = at(parent).firstChild; child != kNoSlot; child = at(child).nextSibling) {
    at(child).order = order;
    order += kOrderStep;
  }
}

uint32_t ArtTree::depthOf(uint32_t slot) const {
  uint32_t depth = 0;
  for (slot = at(slot).parent; slot != kNoSlot; slot = at(slot).parent) ++depth;
  return depth;
}

// Both go up to the same depth, then together to the children of their nearest common
// ancestor, whose orders tell.
bool ArtTree::isInFront(uint32_t a, uint32_t b) const {
  uint32_t depthA = depthOf(a), depthB = depthOf(b);
  for (; depthA > depthB; --depthA) {
    a = at(a).parent;
    if (a == b) return false;  // b holds a: b comes first
  }
  for (; depthB > depthA; --depthB) {
    b = at(b).parent;
    if (a == b) return true;
  }
  while (at(a).parent != at(b).parent) {
    a = at(a).parent;
    b = at(b).parent;
  }
  return at(a).order < at(b).order;
}

bool ArtTree::anchorBounds(uint32_t root, AIRealRect* bounds) const {
  bool any = false;
  AIRealRect r{0, 0, 0, 0};
  for (uint32_t s = root; s != kNoSlot; s = nextInSubtree(root, s)) {
    for (const AIPathSegment& seg : at(s).segments) {
      if (!any) {
        r = AIRealRect{seg.p.h, seg.p.v, seg.p.h, seg.p.v};
        any = true;
        continue;
      }
      r.left = std::min(r.left, seg.p.h);
      r.right = std::max(r.right, seg.p.h);
      r.top = std::max(r.top, seg.p.v);
      r.bottom = std::min(r.bottom, seg.p.v);
    }
  }
  *bounds = r;
  return any;
}

}  // namespace host
