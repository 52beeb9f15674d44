// Session commands for events over the document: tool selection, mouse and keys. Points
// are artwork points of the front document, y upwards. A click or a drag goes to the
// selected plug-in tool, or is the host's own tool's work (HostTools.h).
#include "app/Application.h"
#include "kit/Application.h"
#include "kit/Window.h"
#include "model/Model.h"
#include "model/Shell.h"
#include "session/CommandArguments.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"
#include "session/HostTools.h"

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
  if (hostToolIsSelected()) return hostToolClick(context, at, modifiers.shift);
  context.application.events().mouseClicked(at, modifiers.eventBits());
}

void drag(CommandContext& context, const Arguments& arguments) {
  needDocument();
  const AIRealPoint from = pointArgument(arguments, 0);
  const AIRealPoint to = pointArgument(arguments, 2);
  const Modifiers modifiers = modifierArguments(arguments, 4);
  if (refusedWhileModal(context, "drag")) return;
  if (hostToolIsSelected()) return hostToolDrag(context, from, to, modifiers.shift);
  context.application.events().mouseDragged(from, to, modifiers.eventBits());
}

// The key as a window's key equivalent names it: "\r", "\x1b" or the character itself.
std::string keyEquivalent(const std::string& name) {
  if (name == "return") return "\r";
  if (name == "escape") return "\x1b";
  if (name.size() == 1 && name[0] > ' ' && name[0] < 0x7f) return name;
  throw CommandError("unknown key '" + name + "' (return, escape, or one character)");
}

void key(CommandContext& context, const Arguments& arguments) {
  const std::string equivalent = keyEquivalent(arguments[0]);
  const Modifiers modifiers = modifierArguments(arguments, 1, true);
  if (kit::Window* dialog = kit::Application::shared().modalWindow()) {
    const kit::Delivery delivery = dialog->userKeyEquivalent(equivalent, modifiers.toolkitFlags());
    if (delivery != kit::Delivery::Delivered) reportRefusal(context, "key: " + arguments[0], "no button takes it");
    return;
  }
  if (equivalent == "\r") context.application.events().returnPressed();
}

}  // namespace host
