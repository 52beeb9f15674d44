// Hit tests. Every hit is a record the caller releases; released records are reused, so a
// hover test on every mouse movement allocates nothing once the first has been made.
#include <cmath>

#include "model/Geometry.h"
#include "model/HitTest.h"
#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

// The request code chooses nothing here: every request finds outlines and insides alike.
AIErr HitTestEx(AIArtHandle art, const AIRealPoint* point, int32_t /*request*/, AIReal tolerance,
                AIHitRef* hit) {
  if (!point || !hit || !isFinite(*point) || !std::isfinite(tolerance) || tolerance < 0)
    return kBadParameterErr;
  if (!model().front()) return kNoDocumentErr;
  if (art && !model().isValidArt(fromHandle(art))) return kStaleHandleErr;
  const Hit found = hitTest(model(), *point, tolerance, fromHandle(art));
  const AIToolHitData data{toBoolean(!found.art.isNull()), toHandle<AIArtHandle>(found.art),
                           static_cast<int32_t>(found.part), *point};
  const Ref made = shell().handles.hits.insert(data);
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
