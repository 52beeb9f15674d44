// Numeric helpers: products, rectangle unions, Bézier points, moving art and a seeded
// random generator.
#include <algorithm>
#include <cmath>
#include <vector>

#include "model/Geometry.h"
#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr AIRealMultiply(AIReal a, AIReal b, AIReal* product) {
  if (!product) return kBadParameterErr;
  *product = a * b;
  return kNoErr;
}

AIErr AIRealRectUnion(const AIRealRect* a, const AIRealRect* b, AIRealRect* result) {
  if (!a || !b || !result) return kBadParameterErr;
  *result = AIRealRect{std::min(a->left, b->left), std::max(a->top, b->top),
                       std::max(a->right, b->right), std::min(a->bottom, b->bottom)};
  return kNoErr;
}

AIErr Evaluate(const AIRealBezier* bezier, AIReal t, AIRealPoint* point) {
  if (!bezier || !point || !std::isfinite(t)) return kBadParameterErr;
  const AIReal u = 1 - t;
  const AIReal w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
  point->h = w0 * bezier->p0.h + w1 * bezier->p1.h + w2 * bezier->p2.h + w3 * bezier->p3.h;
  point->v = w0 * bezier->p0.v + w1 * bezier->p1.v + w2 * bezier->p2.v + w3 * bezier->p3.v;
  return kNoErr;
}

// Moves every anchor and handle of a path, or of every path inside a group.
AIErr TranslateArt(AIArtHandle art, AIReal dh, AIReal dv) {
  if (!std::isfinite(dh) || !std::isfinite(dv)) return kNotFiniteErr;
  Model& document = model();
  const Ref root = fromHandle(art);
  if (!document.isValidArt(root)) return art ? kStaleHandleErr : kBadParameterErr;
  for (uint32_t slot = root.slot; slot != kNoSlot; slot = document.arts().nextInSubtree(root.slot, slot)) {
    const Ref ref = document.arts().refAt(slot);
    int16_t count = 0;
    if (document.pathSegmentCount(ref, &count) != kNoErr || count == 0) continue;
    std::vector<AIPathSegment> segments(static_cast<size_t>(count));
    if (const AIErr error = document.pathSegments(ref, 0, count, segments.data())) return error;
    for (AIPathSegment& s : segments)
      for (AIRealPoint* p : {&s.p, &s.in, &s.out}) *p = AIRealPoint{p->h + dh, p->v + dv};
    if (const AIErr error = document.setPathSegments(ref, 0, count, segments.data())) return error;
  }
  return kNoErr;
}

// A small linear congruential generator: the same seed gives the same run.
uint32_t randomState = 1;

AIErr SetSeed(int32_t seed) {
  randomState = static_cast<uint32_t>(seed);
  return kNoErr;
}

AIErr FloatRnd(AIReal* value) {
  if (!value) return kBadParameterErr;
  randomState = randomState * 1664525u + 1013904223u;
  *value = static_cast<AIReal>((randomState >> 8) * (1.0 / 16777216.0));
  return kNoErr;
}

}  // namespace

extern const AIRealMathSuite realMathSuite = {AIRealMultiply, AIRealRectUnion};
extern const AIRealBezierSuite realBezierSuite = {Evaluate};
extern const AITransformArtSuite transformArtSuite = {TranslateArt};
extern const AIRandomSuite randomSuite = {SetSeed, FloatRnd};

}  // namespace host
