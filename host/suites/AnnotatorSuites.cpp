// Annotators (drawing hooks over the artwork) and the drawer they draw with. The host keeps
// which annotators are active and the rectangles invalidated; during a redraw each active
// annotator gets a drawer, and what it draws becomes the overlay of that frame. A drawer
// is good for its own frame only: one kept and used later is refused.
#include <cmath>
#include <cstring>

#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

// A text drawn over the artwork is a label, not a document: longer ones are refused.
constexpr size_t kMaxTextBytes = 4096;

Annotator* annotatorOf(AIAnnotatorHandle annotator) {
  return shell().ui.annotators.find(fromHandle(annotator));
}

AnnotationDrawer* drawerOf(AIAnnotatorDrawer* drawer) {
  return shell().ui.annotations.drawer(fromHandle(drawer));
}

AIErr AddAnnotator(SPPluginRef plugin, const char* name, AIAnnotatorHandle* annotator) {
  if (!name || !annotator || !shell().plugins.find(fromHandle(plugin)) || !isValidUtf8(name))
    return kBadParameterErr;
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

// Every view of a document is redrawn together, so the view given does not narrow it.
AIErr InvalAnnotationRect(AIDocumentViewHandle /*view*/, const AIRect* rect) {
  if (!rect) return kBadParameterErr;
  shell().ui.annotations.invalidate(*rect);
  return kNoErr;
}

AIErr SetColor(AIAnnotatorDrawer* drawer, const AIRGBColor* color) {
  AnnotationDrawer* pen = drawerOf(drawer);
  if (!pen || !color) return kBadParameterErr;
  pen->color = *color;
  return kNoErr;
}

AIErr SetLineWidth(AIAnnotatorDrawer* drawer, AIReal width) {
  AnnotationDrawer* pen = drawerOf(drawer);
  if (!pen || !std::isfinite(width) || width < 0) return kBadParameterErr;
  pen->lineWidth = width;
  return kNoErr;
}

AIErr SetLineDashed(AIAnnotatorDrawer* drawer, AIBoolean dashed) {
  AnnotationDrawer* pen = drawerOf(drawer);
  if (!pen) return kBadParameterErr;
  pen->dashed = dashed != 0;
  return kNoErr;
}

AIErr SetFontPreset(AIAnnotatorDrawer* drawer, int32_t preset) {
  AnnotationDrawer* pen = drawerOf(drawer);
  if (!pen) return kBadParameterErr;
  pen->font = preset;
  return kNoErr;
}

OverlayItem itemDrawnWith(const AnnotationDrawer& pen, OverlayItem::Kind kind) {
  OverlayItem item;
  item.kind = kind;
  item.color = pen.color;
  item.lineWidth = pen.lineWidth;
  item.dashed = pen.dashed;
  item.font = pen.font;
  return item;
}

AIErr DrawTextAligned(AIAnnotatorDrawer* drawer, const char* text, const AIPoint* at) {
  const AnnotationDrawer* pen = drawerOf(drawer);
  if (!pen || !text || !at) return kBadParameterErr;
  const size_t length = strnlen(text, kMaxTextBytes + 1);
  if (length > kMaxTextBytes || !isValidUtf8(std::string_view(text, length))) return kBadParameterErr;
  OverlayItem item = itemDrawnWith(*pen, OverlayItem::Kind::Text);
  item.text.assign(text, length);
  item.start = *at;
  return shell().ui.annotations.draw(std::move(item)) ? kNoErr : kTooManyErr;
}

AIErr DrawLine(AIAnnotatorDrawer* drawer, const AIPoint* start, const AIPoint* end) {
  const AnnotationDrawer* pen = drawerOf(drawer);
  if (!pen || !start || !end) return kBadParameterErr;
  OverlayItem item = itemDrawnWith(*pen, OverlayItem::Kind::Line);
  item.start = *start;
  item.end = *end;
  return shell().ui.annotations.draw(std::move(item)) ? kNoErr : kTooManyErr;
}

}  // namespace

extern const AIAnnotatorSuite annotatorSuite = {
    AddAnnotator, SetAnnotatorActive, GetAnnotatorActive, InvalAnnotationRect,
};

extern const AIAnnotatorDrawerSuite annotatorDrawerSuite = {
    SetColor, SetLineWidth, SetLineDashed, SetFontPreset, DrawTextAligned, DrawLine,
};

}  // namespace host
