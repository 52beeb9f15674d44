// The host's own tools over the document and the edits of the selection: a click of the
// selection tool selects the art under it (Shift adds it or takes it out), a drag of the
// selection tool moves the art under its start, a drag of the rectangle tool draws a closed
// rectangular path, and the selection is moved or deleted. What the user may pick is the
// model's one rule (whyNotPickable); changes of the selection are notified as `select`
// notifies them.
#include <algorithm>
#include <cmath>
#include <set>

#include "AINotifier.h"
#include "AITool.h"
#include "app/Application.h"
#include "model/ArtWalk.h"
#include "model/HitTest.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/Shell.h"
#include "session/CommandArguments.h"
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

// Deleted art leaves the selection changed even when what is left selected is the same.
void changeSelection(CommandContext& context, const std::vector<Ref>& wanted, bool deleted = false) {
  bool changed = false;
  check(model().selectOnly(wanted, &changed));
  if (changed || deleted) context.application.notifyAll(kAIArtSelectionChangedNotifier);
}

// The art under the point, within the pick distance at the front view's zoom.
Ref artAt(AIRealPoint at) {
  return hitTest(model(), at, kPickPixels / frontDocument().views.front().zoom).art;
}

// The paths inside the art, the art itself when it is one, each once; false when one of them
// is locked (a group moves with all it holds, or not at all).
bool collectPaths(uint32_t slot, std::set<uint32_t>& paths) {
  const ArtTree& arts = model().arts();
  if (arts.at(slot).userAttributes & kArtLocked) return false;
  if (arts.at(slot).type == kPathArt) paths.insert(slot);
  for (uint32_t child = arts.at(slot).firstChild; child != kNoSlot; child = arts.at(child).nextSibling)
    if (!collectPaths(child, paths)) return false;
  return true;
}

AIRealPoint moved(AIRealPoint point, AIReal dx, AIReal dy) { return AIRealPoint{point.h + dx, point.v + dy}; }

// Every point of the path moved, or false when one would leave the document's coordinates.
bool movedSegments(const Art& path, AIReal dx, AIReal dy, std::vector<AIPathSegment>* segments) {
  *segments = path.segments;
  for (AIPathSegment& s : *segments) {
    s.p = moved(s.p, dx, dy), s.in = moved(s.in, dx, dy), s.out = moved(s.out, dx, dy);
    for (AIReal value : {s.p.h, s.p.v, s.in.h, s.in.v, s.out.h, s.out.v})
      if (!std::isfinite(value)) return false;
  }
  return true;
}

// Moves what is selected by dx, dy: all of it, or nothing when the user may not pick a part.
void moveSelection(CommandContext& context, const std::string& what, AIReal dx, AIReal dy) {
  std::set<uint32_t> paths;
  for (Ref art : model().selection()) {
    if (const char* reason = whyNotPickable(model(), art.slot)) return reportRefusal(context, what, reason);
    if (!collectPaths(art.slot, paths)) return reportRefusal(context, what, "it holds locked art");
  }
  std::vector<std::vector<AIPathSegment>> segments(paths.size());
  size_t n = 0;
  for (uint32_t slot : paths)
    if (!movedSegments(model().arts().at(slot), dx, dy, &segments[n++]))
      return reportRefusal(context, what, "the art would leave the document's coordinates");
  n = 0;
  for (uint32_t slot : paths) {
    const std::vector<AIPathSegment>& points = segments[n++];
    check(model().setPathSegments(model().arts().refAt(slot), 0, static_cast<int16_t>(points.size()), points.data()));
  }
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

void selectionMove(CommandContext& context, const Arguments& arguments) {
  frontDocument();
  const AIReal dx = coordinateArgument(arguments[0]), dy = coordinateArgument(arguments[1]);
  if (refusedWhileModal(context, "selection move")) return;
  moveSelection(context, "selection move", dx, dy);
}

void selectionDelete(CommandContext& context, const Arguments&) {
  frontDocument();
  if (refusedWhileModal(context, "selection delete")) return;
  std::vector<Ref> kept;
  bool deleted = false;
  const char* why = nullptr;
  for (Ref art : model().selection()) {
    if (!model().isValidArt(art)) continue;  // inside art deleted just before
    const char* reason = whyNotPickable(model(), art.slot);
    if (!reason && model().disposeArt(art) == kNoErr) {
      deleted = true;
    } else {
      kept.push_back(art);
      why = why ? why : reason;
    }
  }
  if (!kept.empty()) reportRefusal(context, "selection delete", why ? why : "the host keeps it");
  changeSelection(context, kept, deleted);
}

}  // namespace host
