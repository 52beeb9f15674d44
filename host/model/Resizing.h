// Resizing art by one of the eight handles around the bounds of the selection: the edges a
// handle carries follow the drag and the opposite ones stay; a corner keeps the bounds'
// proportions when asked. Each point is then placed in the new bounds where it was in the old.
#ifndef GUIDES_HOST_MODEL_RESIZING_H
#define GUIDES_HOST_MODEL_RESIZING_H

#include <cstdint>
#include <string_view>
#include <vector>

#include "AITypes.h"
#include "model/ArtTree.h"
#include "model/Ref.h"

namespace host {

// Named by the compass, north up: "nw", "n", "ne", "e", "se", "s", "sw", "w".
enum class ResizeHandle : uint8_t { NorthWest, North, NorthEast, East, SouthEast, South, SouthWest, West };

// The handle of a name; false when the name is none of the eight.
bool resizeHandleNamed(std::string_view name, ResizeHandle* handle);

// The bounds once `handle` is dragged by dx, dy points (y upwards), or false with *why saying
// why they cannot be: an extent the handle changes that is zero in the bounds (nothing to
// scale) or would be zero or less, or not finite.
bool resizedBounds(const AIRealRect& bounds, ResizeHandle handle, AIReal dx, AIReal dy, bool proportional,
                   AIRealRect* resized, const char** why);

// A point of `from` at the same place in `to`: its edges land exactly on the new edges.
AIRealPoint placedIn(AIRealPoint point, const AIRealRect& from, const AIRealRect& to);

// The anchor points' bounds of all the art given; false when none has an anchor point.
bool boundsOfArts(const ArtTree& arts, const std::vector<Ref>& selected, AIRealRect* bounds);

}  // namespace host

#endif
