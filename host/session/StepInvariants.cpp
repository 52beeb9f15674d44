#include "session/StepInvariants.h"

#include <cmath>

#include "AIArtboard.h"
#include "model/ArtWalk.h"
#include "model/Shell.h"

namespace host {

namespace {

// The errors a plug-in meets in normal use: what it looks up is absent (a preference, a
// tool, a resource), a layer is locked, no document is in front, an artboard the user has
// removed.
bool isEntitled(const FailedCall& call) {
  if (call.result == kLayerLockedErr || call.result == kNoDocumentErr || call.result == kNotFoundErr) return true;
  if (call.result == kBadParameterErr) return call.suite == kAIArtboardSuite;
  return false;
}

bool isFinite(AIRealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

}  // namespace

std::string checkSuiteCalls() {
  for (const FailedCall& call : shell().calls.take())
    if (!isEntitled(call))
      return "the host answered " + call.suite + "." + call.operation + " with " + resultText(call.result);
  return {};
}

std::string checkFiniteCoordinates() {
  const Document* document = model().front();
  if (!document) return {};
  for (const Artboard& artboard : document->artboards)
    if (!isFinite({artboard.rect.left, artboard.rect.top}) || !isFinite({artboard.rect.right, artboard.rect.bottom}))
      return "artboard \"" + artboard.name + "\" has a coordinate that is not finite";
  std::string problem;
  walkFrontDocument(model(), [&](const std::string& prefix, uint32_t, const Art& art) {
    if (!problem.empty()) return;
    for (const AIPathSegment& segment : art.segments)
      if (!isFinite(segment.p) || !isFinite(segment.in) || !isFinite(segment.out)) {
        problem = "a path of " + prefix + " has a coordinate that is not finite";
        return;
      }
  });
  return problem;
}

StepMark markStepStart() { return StepMark{nextGeneration() + 1, shell().log.errorCount()}; }

std::string checkStepEnd(const StepMark& mark) {
  if (shell().log.errorCount() > mark.logErrors) {
    const std::vector<std::string>& lines = shell().log.lines();
    return "the host logged an error: " + (lines.empty() ? std::string() : lines.back());
  }
  std::string problem = checkSuiteCalls();
  if (problem.empty()) problem = checkFiniteCoordinates();
  if (problem.empty()) problem = sessionExtension().checkStep(mark);
  return problem;
}

}  // namespace host
