// What lies under a point of the front document: the topmost visible, non-guide leaf art
// whose outline passes within the tolerance of the point. Closed paths count as filled,
// so a point inside one hits it too. Groups and layers are never the hit themselves; art
// of hidden layers, hidden art and everything inside hidden groups is passed over.
#ifndef GUIDES_HOST_MODEL_HITTEST_H
#define GUIDES_HOST_MODEL_HITTEST_H

#include <cstdint>

#include "AITypes.h"
#include "model/Model.h"

namespace host {

enum class HitPart : int32_t { None = 0, Outline = 1, Inside = 2 };

struct Hit {
  Ref art;  // null when nothing was hit
  HitPart part = HitPart::None;
};

// Tests the art of the front document, or only the subtree of `within` when it is not
// null (it must be valid art of the front document). The walk allocates nothing.
Hit hitTest(const Model& model, AIRealPoint point, double tolerance, Ref within = Ref{});

}  // namespace host

#endif
