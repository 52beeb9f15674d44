// The exact test of one path against a point: is its outline within the tolerance of the
// point, or the point inside it when it is closed (even-odd)? Curves are followed as
// straight steps. Both hit tests answer through it, so they answer alike.
#ifndef GUIDES_HOST_MODEL_PATHHIT_H
#define GUIDES_HOST_MODEL_PATHHIT_H

#include <cstdint>

#include "model/Art.h"

namespace host {

enum class HitPart : int32_t { None = 0, Outline = 1, Inside = 2 };

// The bounds of every control point (anchors and handles), which hold the outline.
struct ControlBounds {
  double left, bottom, right, top;
};
ControlBounds controlBounds(const Art& path);

HitPart testPath(const Art& path, double x, double y, double tolerance);

inline bool isHidden(const Art& art) { return (art.userAttributes & kArtHidden) != 0; }

}  // namespace host

#endif
