// Session commands for events over the document: tool selection, mouse, keys and zoom.
// Points are artwork points of the front document, y upwards.
#include "app/Application.h"
#include "app/CommandArguments.h"
#include "app/CommandHandlers.h"
#include "app/CommandSupport.h"
#include "model/Model.h"
#include "model/Shell.h"
#include "model/ViewGeometry.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

void needDocument() {
  if (!model().front()) throw CommandError("no document is open");
}

AIRealPoint pointArgument(const Arguments& arguments, size_t first) {
  return AIRealPoint{coordinateArgument(arguments[first]), coordinateArgument(arguments[first + 1])};
}

}  // namespace

void selectTool(CommandContext& context, const Arguments& arguments) {
  const Ref tool = shell().ui.toolNamed(arguments[0]);
  if (tool.isNull()) throw CommandError("no tool named '" + arguments[0] + "'");
  if (refusedWhileModal(context, "tool")) return;
  shell().ui.selectTool(tool);
}

void move(CommandContext& context, const Arguments& arguments) {
  needDocument();
  const AIRealPoint at = pointArgument(arguments, 0);
  const Modifiers modifiers = modifierArguments(arguments, 2);
  if (refusedWhileModal(context, "move")) return;
  context.application.events().mouseMoved(at, modifiers.eventBits());
}

void click(CommandContext& context, const Arguments& arguments) {
  needDocument();
  const AIRealPoint at = pointArgument(arguments, 0);
  const Modifiers modifiers = modifierArguments(arguments, 2);
  if (refusedWhileModal(context, "click")) return;
  context.application.events().mouseClicked(at, modifiers.eventBits());
}

void drag(CommandContext& context, const Arguments& arguments) {
  needDocument();
  const AIRealPoint from = pointArgument(arguments, 0);
  const AIRealPoint to = pointArgument(arguments, 2);
  const Modifiers modifiers = modifierArguments(arguments, 4);
  if (refusedWhileModal(context, "drag")) return;
  context.application.events().mouseDragged(from, to, modifiers.eventBits());
}

void key(CommandContext& context, const Arguments& arguments) {
  if (arguments[0] != "return") throw CommandError("unknown key '" + arguments[0] + "' (return)");
  if (refusedWhileModal(context, "key")) return;
  context.application.events().returnPressed();
}

void zoom(CommandContext& context, const Arguments& arguments) {
  needDocument();
  const AIReal factor = coordinateArgument(arguments[0]);
  if (refusedWhileModal(context, "zoom")) return;
  const AIDocumentViewHandle view = viewHandle(*model().front(), 0);
  if (documentViewSuite.SetDocumentViewZoom(view, factor) != kNoErr)
    throw CommandError("the zoom must be from 1/64 to 64");
}

}  // namespace host
