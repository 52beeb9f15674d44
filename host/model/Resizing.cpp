#include "model/Resizing.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

constexpr std::string_view kHandleNames[] = {"nw", "n", "ne", "e", "se", "s", "sw", "w"};

// Which edges a handle carries: -1 the left (bottom), 1 the right (top), 0 neither.
struct Carried {
  int horizontal;
  int vertical;
};

Carried carried(ResizeHandle handle) {
  switch (handle) {
    case ResizeHandle::NorthWest: return {-1, 1};
    case ResizeHandle::North: return {0, 1};
    case ResizeHandle::NorthEast: return {1, 1};
    case ResizeHandle::East: return {1, 0};
    case ResizeHandle::SouthEast: return {1, -1};
    case ResizeHandle::South: return {0, -1};
    case ResizeHandle::SouthWest: return {-1, -1};
    case ResizeHandle::West: return {-1, 0};
  }
  return {0, 0};
}

// One axis: the new extent from its low and high edges moved as the handle carries them.
double extentAfter(AIReal low, AIReal high, int side, AIReal delta) {
  if (side < 0) return static_cast<double>(high) - static_cast<AIReal>(low + delta);
  if (side > 0) return static_cast<double>(static_cast<AIReal>(high + delta)) - low;
  return static_cast<double>(high) - low;
}

// The edges of one axis at the new extent, the edge the handle does not carry staying.
void placeAxis(AIReal& low, AIReal& high, int side, double extent) {
  if (side < 0) low = static_cast<AIReal>(high - extent);
  if (side > 0) high = static_cast<AIReal>(low + extent);
}

double along(double value, double low, double high, double newLow, double newHigh) {
  return newLow + (value - low) / (high - low) * (newHigh - newLow);
}

}  // namespace

bool resizeHandleNamed(std::string_view name, ResizeHandle* handle) {
  const auto found = std::find(std::begin(kHandleNames), std::end(kHandleNames), name);
  if (found == std::end(kHandleNames)) return false;
  *handle = static_cast<ResizeHandle>(found - std::begin(kHandleNames));
  return true;
}

bool resizedBounds(const AIRealRect& bounds, ResizeHandle handle, AIReal dx, AIReal dy, bool proportional,
                   AIRealRect* resized, const char** why) {
  const Carried side = carried(handle);
  const double width = static_cast<double>(bounds.right) - bounds.left;
  const double height = static_cast<double>(bounds.top) - bounds.bottom;
  if (side.horizontal && !(width > 0)) return *why = "the selection has no width to scale", false;
  if (side.vertical && !(height > 0)) return *why = "the selection has no height to scale", false;
  double newWidth = extentAfter(bounds.left, bounds.right, side.horizontal, dx);
  double newHeight = extentAfter(bounds.bottom, bounds.top, side.vertical, dy);
  if (proportional && side.horizontal && side.vertical) {
    // The axis dragged further sets the scale of both.
    const double sx = newWidth / width, sy = newHeight / height;
    const double scale = std::fabs(sx - 1) >= std::fabs(sy - 1) ? sx : sy;
    newWidth = width * scale, newHeight = height * scale;
  }
  *resized = bounds;
  placeAxis(resized->left, resized->right, side.horizontal, newWidth);
  placeAxis(resized->bottom, resized->top, side.vertical, newHeight);
  if (side.horizontal && !(resized->right > resized->left)) return *why = "the new width would be zero or less", false;
  if (side.vertical && !(resized->top > resized->bottom)) return *why = "the new height would be zero or less", false;
  if (!std::isfinite(resized->left) || !std::isfinite(resized->right) || !std::isfinite(resized->top) ||
      !std::isfinite(resized->bottom))
    return *why = "the art would leave the document's coordinates", false;
  return true;
}

AIRealPoint placedIn(AIRealPoint point, const AIRealRect& from, const AIRealRect& to) {
  AIRealPoint placed = point;
  if (from.left != to.left || from.right != to.right)
    placed.h = static_cast<AIReal>(along(point.h, from.left, from.right, to.left, to.right));
  if (from.bottom != to.bottom || from.top != to.top)
    placed.v = static_cast<AIReal>(along(point.v, from.bottom, from.top, to.bottom, to.top));
  return placed;
}

bool boundsOfArts(const ArtTree& arts, const std::vector<Ref>& selected, AIRealRect* bounds) {
  bool any = false;
  for (Ref art : selected) {
    AIRealRect r;
    if (!arts.anchorBounds(art.slot, &r)) continue;
    if (!any) *bounds = r;
    bounds->left = std::min(bounds->left, r.left), bounds->right = std::max(bounds->right, r.right);
    bounds->top = std::max(bounds->top, r.top), bounds->bottom = std::min(bounds->bottom, r.bottom);
    any = true;
  }
  return any;
}

}  // namespace host
