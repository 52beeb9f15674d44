#include "model/ArtTree.h"

#include <algorithm>

namespace host {

void ArtTree::insertOnTop(uint32_t parent, uint32_t child) {
  Art& p = at(parent);
  if (p.firstChild == kNoSlot) {
    Art& c = at(child);
    c.parent = parent;
    p.firstChild = p.lastChild = child;
    ++p.childCount;
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

// Frees leaves first without recursion: go down to a childless art, free it, step back up
// to its parent and go down again. Every link is followed once down and once up.
void ArtTree::disposeSubtree(uint32_t root) {
  unlink(root);
  uint32_t current = root;
  for (;;) {
    while (at(current).firstChild != kNoSlot) current = at(current).firstChild;
    if (current == root) {
      arts_.erase(refAt(root));
      return;
    }
    const uint32_t parent = at(current).parent;
    unlink(current);
    arts_.erase(refAt(current));
    current = parent;
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
