#include "server/HostTools.h"

#include <algorithm>

#include "AIArt.h"
#include "AINotifier.h"
#include "AITool.h"
#include "app/Application.h"
#include "session/CommandArguments.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"
#include "model/HitTest.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/Shell.h"

namespace host {

namespace {

bool selectedToolIs(const char* name) {
  const Tool* tool = shell().ui.tools.find(shell().ui.selectedTool);
  return tool && tool->owner == ToolOwner::Host && tool->name == name;
}

// Art in a locked or hidden layer cannot be picked by the user.
bool inReachableLayer(Ref art) {
  const Layer* layer = model().findLayer(model().arts().find(art)->layer);
  return layer && layer->editable && layer->visible;
}

// Deleted art leaves the selection changed even when what is left selected is the same.
void changeSelection(CommandContext& context, const std::vector<Ref>& wanted, bool deleted = false) {
  bool changed = false;
  check(model().selectOnly(wanted, &changed));
  if (changed || deleted) context.application.notifyAll(kAIArtSelectionChangedNotifier);
}

}  // namespace

void addRectangleTool() { shell().ui.addHostTool(kRectangleToolName); }

bool selectionToolIsSelected() { return selectedToolIs(kSelectToolName); }
bool rectangleToolIsSelected() { return selectedToolIs(kRectangleToolName); }

void selectAt(CommandContext& context, AIRealPoint at, double tolerance, bool extend) {
  const Hit hit = hitTest(model(), at, tolerance);
  std::vector<Ref> wanted = extend ? model().selection() : std::vector<Ref>{};
  if (!hit.art.isNull()) {
    if (!inReachableLayer(hit.art)) return reportRefusal(context, "select", "its layer is locked");
    const auto found = std::find(wanted.begin(), wanted.end(), hit.art);
    if (extend && found != wanted.end())
      wanted.erase(found);
    else
      wanted.push_back(hit.art);
  }
  changeSelection(context, wanted);
}

void drawRectangle(CommandContext& context, AIRealPoint from, AIRealPoint to) {
  const AIReal left = std::min(from.h, to.h), right = std::max(from.h, to.h);
  const AIReal bottom = std::min(from.v, to.v), top = std::max(from.v, to.v);
  if (!(left < right) || !(bottom < top)) return;
  rect(context, {floatText(left), floatText(top), floatText(right), floatText(bottom)});
}

void deleteSelection(CommandContext& context) {
  std::vector<Ref> kept;
  bool deleted = false;
  for (Ref art : model().selection()) {
    if (!model().isValidArt(art)) continue;  // inside art deleted just before
    if (inReachableLayer(art) && model().disposeArt(art) == kNoErr)
      deleted = true;
    else
      kept.push_back(art);
  }
  if (!kept.empty()) reportRefusal(context, "delete", "art in a locked layer stays");
  changeSelection(context, kept, deleted);
}

}  // namespace host
