// Annotators (drawing hooks over the artwork) and the drawer they draw with. The host
// keeps which annotators are active and counts the invalidations asked for; the drawing
// operations accept their settings and draw nothing yet.
#include <cmath>

#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

Annotator* annotatorOf(AIAnnotatorHandle annotator) {
  return shell().ui.annotators.find(fromHandle(annotator));
}

AIErr AddAnnotator(SPPluginRef plugin, const char* name, AIAnnotatorHandle* annotator) {
  if (!name || !annotator || !shell().plugins.find(fromHandle(plugin))) return kBadParameterErr;
  const Ref made = shell().ui.annotators.insert(Annotator{fromHandle(plugin), name, false});
  if (made.isNull()) return kTooManyErr;
  *annotator = toHandle<AIAnnotatorHandle>(made);
  return kNoErr;
}

AIErr SetAnnotatorActive(AIAnnotatorHandle annotator, AIBoolean active) {
  Annotator* record = annotatorOf(annotator);
  if (!record) return kBadParameterErr;
  record->active = active != 0;
  return kNoErr;
}

AIErr GetAnnotatorActive(AIAnnotatorHandle annotator, AIBoolean* active) {
  const Annotator* record = annotatorOf(annotator);
  if (!record || !active) return kBadParameterErr;
  *active = toBoolean(record->active);
  return kNoErr;
}

AIErr InvalAnnotationRect(AIDocumentViewHandle /*view*/, const AIRect* rect) {
  if (!rect) return kBadParameterErr;
  ++shell().ui.invalidations;
  return kNoErr;
}

AIErr SetColor(AIAnnotatorDrawer* drawer, const AIRGBColor* color) {
  return drawer && color ? kNoErr : kBadParameterErr;
}

AIErr SetLineWidth(AIAnnotatorDrawer* drawer, AIReal width) {
  if (!drawer) return kBadParameterErr;
  return std::isfinite(width) && width >= 0 ? kNoErr : kBadParameterErr;
}

AIErr SetLineDashed(AIAnnotatorDrawer* drawer, AIBoolean /*dashed*/) {
  return drawer ? kNoErr : kBadParameterErr;
}

AIErr SetFontPreset(AIAnnotatorDrawer* drawer, int32_t /*preset*/) {
  return drawer ? kNoErr : kBadParameterErr;
}

AIErr DrawTextAligned(AIAnnotatorDrawer* drawer, const char* text, const AIPoint* at) {
  return drawer && text && at ? kNoErr : kBadParameterErr;
}

AIErr DrawLine(AIAnnotatorDrawer* drawer, const AIPoint* start, const AIPoint* end) {
  return drawer && start && end ? kNoErr : kBadParameterErr;
}

}  // namespace

extern const AIAnnotatorSuite annotatorSuite = {
    AddAnnotator, SetAnnotatorActive, GetAnnotatorActive, InvalAnnotationRect,
};

extern const AIAnnotatorDrawerSuite annotatorDrawerSuite = {
    SetColor, SetLineWidth, SetLineDashed, SetFontPreset, DrawTextAligned, DrawLine,
};

}  // namespace host
