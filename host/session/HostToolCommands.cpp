// The host's own tools over the document: a click of the selection tool selects the art under
// it (Shift adds it or takes it out), a drag of the selection tool moves the art under its
// start, a drag of the rectangle tool draws a closed rectangular path. What the user may pick
// is the model's one rule (whyNotPickable).
#include <algorithm>

#include "AITool.h"
#include "model/ArtWalk.h"
#include "model/HitTest.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/Shell.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"
#include "session/HostTools.h"

namespace host {

namespace {

// The outline of art is picked within a few view pixels, whatever the zoom.
constexpr double kPickPixels = 3;

bool selectedToolIs(const char* name) {
  const Tool* tool = shell().ui.tools.find(shell().ui.selectedTool);
  return tool && tool->owner == ToolOwner::Host && tool->name == name;
}

// The art under the point, within the pick distance at the front view's zoom.
Ref artAt(AIRealPoint at) {
  return hitTest(model(), at, kPickPixels / frontDocument().views.front().zoom).art;
}

// The selection tool's click: the art under the point becomes the selection (extend: added,
// or taken out when it was selected); a click on nothing selects nothing, unless it extends.
void selectAt(CommandContext& context, AIRealPoint at, bool extend) {
  const Ref hit = artAt(at);
  std::vector<Ref> wanted = extend ? model().selection() : std::vector<Ref>{};
  if (!hit.isNull()) {
    if (const char* reason = whyNotPickable(model(), hit.slot)) return reportRefusal(context, "select", reason);
    const auto found = std::find(wanted.begin(), wanted.end(), hit);
    if (extend && found != wanted.end())
      wanted.erase(found);
    else
      wanted.push_back(hit);
  }
  changeSelection(context, wanted);
}

// The selection tool's drag: the art under its start is selected unless it already is (Shift
// adds it), then the selection follows the mouse. A drag from nothing moves nothing.
void dragSelection(CommandContext& context, AIRealPoint from, AIRealPoint to, bool extend) {
  const Ref hit = artAt(from);
  if (hit.isNull()) return;
  if (const char* reason = whyNotPickable(model(), hit.slot)) return reportRefusal(context, "select", reason);
  std::vector<Ref> wanted = model().selection();
  if (std::find(wanted.begin(), wanted.end(), hit) == wanted.end()) {
    if (!extend) wanted.clear();
    wanted.push_back(hit);
    changeSelection(context, wanted);
  }
  moveSelection(context, "drag", to.h - from.h, to.v - from.v);
}

// The rectangle tool's drag: a rectangle with corners at both points; nothing when it has no
// width or no height.
void drawRectangle(CommandContext& context, AIRealPoint from, AIRealPoint to) {
  const AIReal left = std::min(from.h, to.h), right = std::max(from.h, to.h);
  const AIReal bottom = std::min(from.v, to.v), top = std::max(from.v, to.v);
  if (!(left < right) || !(bottom < top)) return;
  const Layer* layer = model().findLayer(frontDocument().currentLayer);
  if (layer && !layer->editable) return reportRefusal(context, "drag", "the current layer is locked");
  rect(context, {floatText(left), floatText(top), floatText(right), floatText(bottom)});
}

}  // namespace

bool hostToolIsSelected() { return selectedToolIs(kSelectToolName) || selectedToolIs(kRectangleToolName); }

void hostToolClick(CommandContext& context, AIRealPoint at, bool shift) {
  frontDocument();
  if (selectedToolIs(kSelectToolName)) selectAt(context, at, shift);
}

void hostToolDrag(CommandContext& context, AIRealPoint from, AIRealPoint to, bool shift) {
  frontDocument();
  if (selectedToolIs(kSelectToolName)) return dragSelection(context, from, to, shift);
  drawRectangle(context, from, to);
}

}  // namespace host
