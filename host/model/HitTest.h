// What lies under a point of the front document: the topmost visible, non-guide leaf art
// whose outline passes within the tolerance of the point. Closed paths count as filled,
// so a point inside one hits it too. Groups and layers are never the hit themselves; art
// of hidden layers, hidden art and everything inside hidden groups is passed over.
#ifndef GUIDES_HOST_MODEL_HITTEST_H
#define GUIDES_HOST_MODEL_HITTEST_H

#include "AITypes.h"
#include "model/Model.h"
#include "model/PathHit.h"

namespace host {

struct Hit {
  Ref art;  // null when nothing was hit
  HitPart part = HitPart::None;
};

// Tests the art of the front document, or only the subtree of `within` when it is not
// null (it must be valid art of the front document). Only the paths whose bounds come
// within the tolerance of the point are tested (see ArtIndex), so a test costs what the
// paths near the point cost, however large the document; it allocates nothing once the
// index has grown to the document.
Hit hitTest(const Model& model, AIRealPoint point, double tolerance, Ref within = Ref{});

// The same answer, from a walk over every art front to back: the reference the indexed
// test is checked against, and the baseline its speed is measured against.
Hit hitTestByWalk(const Model& model, AIRealPoint point, double tolerance, Ref within = Ref{});

}  // namespace host

#endif
