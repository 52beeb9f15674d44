// One art object of a document: a group or a path, linked into its parent's list of
// children. Children run front to back: the first child is the topmost.
#ifndef GUIDES_HOST_MODEL_ART_H
#define GUIDES_HOST_MODEL_ART_H

#include <algorithm>
#include <cstdint>
#include <string>

#include <boost/container/small_vector.hpp>

#include "AITypes.h"
#include "model/Ref.h"

namespace host {

// A path's segments: a guide's two sit in the art record itself, so that the thousands of
// guides a layout makes cost no allocation of their own.
using PathSegments = boost::container::small_vector<AIPathSegment, 2>;

struct Art {
  int16_t type = kUnknownArt;
  uint64_t document = 0;  // id of the document the art lives in
  Ref layer;              // the layer whose group holds the art (or is the art)
  // Links are slots of the same tree; prevSibling is in front, nextSibling behind.
  uint32_t parent = kNoSlot;
  uint32_t firstChild = kNoSlot;
  uint32_t lastChild = kNoSlot;
  uint32_t prevSibling = kNoSlot;
  uint32_t nextSibling = kNoSlot;
  uint32_t childCount = 0;
  // Rises from front to back among siblings, so that two arts' paint order is found by
  // going up their parents rather than along their siblings.
  int64_t order = 0;
  std::string name;  // empty: the art has its default name
  int32_t userAttributes = 0;
  PathSegments segments;
  bool closed = false;
  bool guide = false;

  // Every field alike: an event that left the art as it was recorded nothing for it.
  friend bool operator==(const Art& a, const Art& b) {
    return a.type == b.type && a.document == b.document && a.layer == b.layer && a.parent == b.parent &&
           a.firstChild == b.firstChild && a.lastChild == b.lastChild && a.prevSibling == b.prevSibling &&
           a.nextSibling == b.nextSibling && a.childCount == b.childCount && a.order == b.order &&
           a.name == b.name && a.userAttributes == b.userAttributes && a.closed == b.closed &&
           a.guide == b.guide && std::equal(a.segments.begin(), a.segments.end(), b.segments.begin(),
                                            b.segments.end(), sameSegment);
  }

 private:
  static bool samePoint(AIRealPoint a, AIRealPoint b) { return a.h == b.h && a.v == b.v; }
  static bool sameSegment(const AIPathSegment& a, const AIPathSegment& b) {
    return samePoint(a.p, b.p) && samePoint(a.in, b.in) && samePoint(a.out, b.out) && a.corner == b.corner;
  }
};

}  // namespace host

#endif
