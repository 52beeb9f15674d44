// Checks on coordinates received from outside the host.
#ifndef GUIDES_HOST_MODEL_GEOMETRY_H
#define GUIDES_HOST_MODEL_GEOMETRY_H

#include <cmath>

#include "AITypes.h"

namespace host {

inline bool isFinite(AIRealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

inline bool isFinite(const AIRealRect& r) {
  return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.right) &&
         std::isfinite(r.bottom);
}

inline bool isFinite(const AIPathSegment& s) {
  return isFinite(s.p) && isFinite(s.in) && isFinite(s.out);
}

}  // namespace host

#endif
