// Hit tests. Every hit is a record the caller releases. What lies under the point is
// found by the document's hit test once the host has one; until then nothing is hit.
#include <cmath>

#include "model/Geometry.h"
#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr HitTestEx(AIArtHandle art, const AIRealPoint* point, int32_t /*request*/, AIReal tolerance,
                AIHitRef* hit) {
  if (!point || !hit || !isFinite(*point) || !std::isfinite(tolerance) || tolerance < 0)
    return kBadParameterErr;
  if (!model().front()) return kNoDocumentErr;
  if (art && !model().isValidArt(fromHandle(art))) return kStaleHandleErr;
  const Ref made = shell().handles.hits.insert(AIToolHitData{0, nullptr, 0, *point});
  if (made.isNull()) return kTooManyErr;
  *hit = toHandle<AIHitRef>(made);
  return kNoErr;
}

AIErr GetHitData(AIHitRef hit, AIToolHitData* data) {
  const AIToolHitData* record = shell().handles.hits.find(fromHandle(hit));
  if (!record || !data) return kBadParameterErr;
  *data = *record;
  return kNoErr;
}

AIErr Release(AIHitRef hit) {
  const Ref ref = fromHandle(hit);
  if (!shell().handles.hits.isLive(ref)) return kBadParameterErr;
  shell().handles.hits.erase(ref);
  return kNoErr;
}

}  // namespace

extern const AIHitTestSuite hitTestSuite = {HitTestEx, GetHitData, Release};

}  // namespace host
