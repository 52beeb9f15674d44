// The edits of the selection the page makes with the selection tool: moved (a drag, the
// arrow keys), resized (a drag of one of its eight handles) and deleted. All of it is edited
// or nothing: what the user may not pick (the model's one rule, whyNotPickable), locked art
// inside a group, or a point that would leave the document's coordinates refuses the edit.
#include <functional>
#include <set>

#include "AINotifier.h"
#include "app/Application.h"
#include "model/ArtWalk.h"
#include "model/Geometry.h"
#include "model/Model.h"
#include "model/Resizing.h"
#include "session/CommandArguments.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"
#include "session/HostTools.h"

namespace host {

namespace {

using PointMap = std::function<AIRealPoint(AIRealPoint)>;

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

// Every point of the path mapped, or false when one would leave the document's coordinates.
bool mappedSegments(const Art& path, const PointMap& map, PathSegments* segments) {
  *segments = path.segments;
  for (AIPathSegment& s : *segments) {
    s.p = map(s.p), s.in = map(s.in), s.out = map(s.out);
    if (!isFinite(s)) return false;
  }
  return true;
}

// Maps every point of what is selected: all of it, or nothing when the user may not pick a part.
void transformSelection(CommandContext& context, const std::string& what, const PointMap& map) {
  std::set<uint32_t> paths;
  for (Ref art : model().selection()) {
    if (const char* reason = whyNotPickable(model(), art.slot)) return reportRefusal(context, what, reason);
    if (!collectPaths(art.slot, paths)) return reportRefusal(context, what, "it holds locked art");
  }
  std::vector<PathSegments> segments(paths.size());
  size_t n = 0;
  for (uint32_t slot : paths)
    if (!mappedSegments(model().arts().at(slot), map, &segments[n++]))
      return reportRefusal(context, what, "the art would leave the document's coordinates");
  n = 0;
  for (uint32_t slot : paths) {
    const PathSegments& points = segments[n++];
    check(model().setPathSegments(model().arts().refAt(slot), 0, static_cast<int16_t>(points.size()), points.data()));
  }
}

}  // namespace

void changeSelection(CommandContext& context, const std::vector<Ref>& wanted, bool deleted) {
  bool changed = false;
  check(model().selectOnly(wanted, &changed));
  if (changed || deleted) context.application.notifyAll(kAIArtSelectionChangedNotifier);
}

void moveSelection(CommandContext& context, const std::string& what, AIReal dx, AIReal dy) {
  transformSelection(context, what, [dx, dy](AIRealPoint p) { return AIRealPoint{p.h + dx, p.v + dy}; });
}

void selectionMove(CommandContext& context, const Arguments& arguments) {
  frontDocument();
  const AIReal dx = coordinateArgument(arguments[0]), dy = coordinateArgument(arguments[1]);
  if (refusedWhileModal(context, "selection move")) return;
  moveSelection(context, "selection move", dx, dy);
}

void selectionResize(CommandContext& context, const Arguments& arguments) {
  frontDocument();
  ResizeHandle handle;
  if (!resizeHandleNamed(arguments[0], &handle))
    throw CommandError("'" + arguments[0] + "' is not a handle (nw, n, ne, e, se, s, sw, w)");
  const AIReal dx = coordinateArgument(arguments[1]), dy = coordinateArgument(arguments[2]);
  const bool proportional = modifierArguments(arguments, 3).shift;
  const std::string what = "selection resize";
  if (refusedWhileModal(context, what)) return;
  AIRealRect from, to;
  const char* why = nullptr;
  if (!boundsOfArts(model().arts(), model().selection(), &from)) return reportRefusal(context, what, "nothing is selected");
  if (!resizedBounds(from, handle, dx, dy, proportional, &to, &why)) return reportRefusal(context, what, why);
  transformSelection(context, what, [&from, &to](AIRealPoint p) { return placedIn(p, from, to); });
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
