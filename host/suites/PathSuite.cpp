// The path suite over the model: segments, closed flag and guide flag of paths.
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr GetPathSegmentCount(AIArtHandle path, int16_t* count) {
  return model().pathSegmentCount(fromHandle(path), count);
}

AIErr SetPathSegmentCount(AIArtHandle path, int16_t count) {
  return model().setPathSegmentCount(fromHandle(path), count);
}

AIErr GetPathSegments(AIArtHandle path, int16_t segNumber, int16_t count, AIPathSegment* segments) {
  return model().pathSegments(fromHandle(path), segNumber, count, segments);
}

AIErr SetPathSegments(AIArtHandle path, int16_t segNumber, int16_t count,
                      const AIPathSegment* segments) {
  return model().setPathSegments(fromHandle(path), segNumber, count, segments);
}

AIErr GetPathClosed(AIArtHandle path, AIBoolean* closed) {
  if (!closed) return kBadParameterErr;
  bool value = false;
  const AIErr error = model().pathClosed(fromHandle(path), &value);
  if (!error) *closed = toBoolean(value);
  return error;
}

AIErr SetPathClosed(AIArtHandle path, AIBoolean closed) {
  return model().setPathClosed(fromHandle(path), closed != 0);
}

AIErr GetPathIsGuide(AIArtHandle path, AIBoolean* isGuide) {
  if (!isGuide) return kBadParameterErr;
  bool value = false;
  const AIErr error = model().pathIsGuide(fromHandle(path), &value);
  if (!error) *isGuide = toBoolean(value);
  return error;
}

AIErr SetPathIsGuide(AIArtHandle path, AIBoolean isGuide) {
  return model().setPathIsGuide(fromHandle(path), isGuide != 0);
}

}  // namespace

extern const AIPathSuite pathSuite = {
    GetPathSegmentCount, SetPathSegmentCount, GetPathSegments, SetPathSegments,
    GetPathClosed,       SetPathClosed,       GetPathIsGuide,  SetPathIsGuide,
};

}  // namespace host
