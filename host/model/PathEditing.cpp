// Paths of the front document: segments, closed flag, guide flag.
#include <algorithm>

#include "model/Geometry.h"
#include "model/Model.h"

namespace host {

namespace {
// A range of segments lies inside the path; computed wide so that no sum overflows.
bool rangeInside(const Art& path, int16_t first, int16_t count) {
  return first >= 0 && count >= 0 &&
         int32_t{first} + int32_t{count} <= static_cast<int32_t>(path.segments.size());
}
}  // namespace

AIErr Model::readablePath(Ref path, const Art** found) const {
  if (const AIErr error = readableArt(path, found)) return error;
  return (*found)->type == kPathArt ? kNoErr : kBadParameterErr;
}

AIErr Model::editablePath(Ref path, Art** found) {
  const Art* readable = nullptr;
  if (const AIErr error = readablePath(path, &readable)) return error;
  return editableIn(path, *readable, found);
}

AIErr Model::pathSegmentCount(Ref path, int16_t* count) const {
  if (!count) return kBadParameterErr;
  const Art* found = nullptr;
  if (const AIErr error = readablePath(path, &found)) return error;
  *count = static_cast<int16_t>(found->segments.size());
  return kNoErr;
}

AIErr Model::setPathSegmentCount(Ref path, int16_t count) {
  if (count < 0) return kBadParameterErr;
  Art* found = nullptr;
  if (const AIErr error = editablePath(path, &found)) return error;
  found->segments.resize(static_cast<size_t>(count), AIPathSegment{});
  arts_.pathChanged(path.slot);
  return kNoErr;
}

AIErr Model::pathSegments(Ref path, int16_t first, int16_t count, AIPathSegment* segments) const {
  const Art* found = nullptr;
  if (const AIErr error = readablePath(path, &found)) return error;
  if (!rangeInside(*found, first, count) || (count > 0 && !segments)) return kBadParameterErr;
  std::copy_n(found->segments.begin() + first, count, segments);
  return kNoErr;
}

AIErr Model::setPathSegments(Ref path, int16_t first, int16_t count,
                             const AIPathSegment* segments) {
  Art* found = nullptr;
  if (const AIErr error = editablePath(path, &found)) return error;
  if (!rangeInside(*found, first, count) || (count > 0 && !segments)) return kBadParameterErr;
  if (!std::all_of(segments, segments + count, [](const AIPathSegment& s) { return isFinite(s); }))
    return kNotFiniteErr;
  std::copy_n(segments, count, found->segments.begin() + first);
  arts_.pathChanged(path.slot);
  return kNoErr;
}

AIErr Model::pathClosed(Ref path, bool* closed) const {
  if (!closed) return kBadParameterErr;
  const Art* found = nullptr;
  if (const AIErr error = readablePath(path, &found)) return error;
  *closed = found->closed;
  return kNoErr;
}

AIErr Model::setPathClosed(Ref path, bool closed) {
  Art* found = nullptr;
  if (const AIErr error = editablePath(path, &found)) return error;
  found->closed = closed;
  return kNoErr;
}

AIErr Model::pathIsGuide(Ref path, bool* guide) const {
  if (!guide) return kBadParameterErr;
  const Art* found = nullptr;
  if (const AIErr error = readablePath(path, &found)) return error;
  *guide = found->guide;
  return kNoErr;
}

AIErr Model::setPathIsGuide(Ref path, bool guide) {
  Art* found = nullptr;
  if (const AIErr error = editablePath(path, &found)) return error;
  found->guide = guide;
  arts_.pathChanged(path.slot);
  return kNoErr;
}

AIErr Model::newRectangle(const AIRealRect& bounds, std::string_view name, Ref* made) {
  Ref path;
  if (const AIErr error = newArt(kPathArt, kPlaceAboveAll, Ref{}, &path)) return error;
  const AIRealPoint corners[4] = {{bounds.left, bounds.top},
                                  {bounds.right, bounds.top},
                                  {bounds.right, bounds.bottom},
                                  {bounds.left, bounds.bottom}};
  AIPathSegment segments[4];
  for (int i = 0; i < 4; ++i) segments[i] = AIPathSegment{corners[i], corners[i], corners[i], 1};
  AIErr error = setPathSegmentCount(path, 4);
  if (!error) error = setPathSegments(path, 0, 4, segments);
  if (!error) error = setPathClosed(path, true);
  if (!error && !name.empty()) error = setArtName(path, name);
  if (error) {
    disposeArt(path);
    return error;
  }
  *made = path;
  return kNoErr;
}

}  // namespace host
