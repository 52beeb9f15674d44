// Session commands that act on the controls of the panels and of the windows showing, by
// outlet name, through the toolkit's user-level entry points. A control the user could not
// reach (hidden, disabled, outside the dialog running modally, in a window not showing)
// refuses the event: "ui: NAME refused: <reason>" is reported and the session goes on.
#include <string_view>

#include "kit/Application.h"
#include "kit/ComboBox.h"
#include "kit/PopUpButton.h"
#include "kit/TextField.h"
#include "kit/Window.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"

namespace host {

namespace {

struct Found {
  kit::View* view = nullptr;
  bool windowShowing = false;
};

kit::View* findIn(kit::Window* window, const std::string& name) {
  return window && window->contentView() ? window->contentView()->viewWithIdentifier(name) : nullptr;
}

// The dialog running modally first, then the windows showing (panels among them), then
// those that are not, which can only refuse.
Found findControl(const std::string& name) {
  kit::Application& application = kit::Application::shared();
  if (kit::View* view = findIn(application.modalWindow(), name)) return Found{view, true};
  for (kit::Window* window : application.windows())
    if (window->isVisible())
      if (kit::View* view = findIn(window, name)) return Found{view, true};
  for (kit::Window* window : application.windows())
    if (kit::View* view = findIn(window, name)) return Found{view, false};
  throw CommandError("no control named '" + name + "'");
}

std::string_view reasonOf(kit::Delivery delivery) {
  std::string_view text = kit::describe(delivery);
  constexpr std::string_view prefix = "refused: ";
  if (text.starts_with(prefix)) text.remove_prefix(prefix.size());
  return text;
}

// The control, when the user can reach its window; else the refusal is reported.
template <class Control>
Control* reachable(CommandContext& context, const std::string& name, const char* kind) {
  const Found found = findControl(name);
  auto* control = dynamic_cast<Control*>(found.view);
  if (!control) throw CommandError("'" + name + "' is not " + kind);
  if (found.windowShowing) return control;
  reportRefusal(context, "ui: " + name, "its window is not showing");
  return nullptr;
}

void report(CommandContext& context, const std::string& name, kit::Delivery delivery) {
  if (delivery != kit::Delivery::Delivered) reportRefusal(context, "ui: " + name, reasonOf(delivery));
}

// Typing and editing commands carry no modifiers.
void clearModifiers() { kit::Application::shared().setCurrentModifierFlags(0); }

}  // namespace

void uiClick(CommandContext& context, const Arguments& arguments) {
  const Modifiers modifiers = modifierArguments(arguments, 1);
  if (kit::View* view = reachable<kit::View>(context, arguments[0], "a view"))
    report(context, arguments[0], view->userClick(modifiers.toolkitFlags()));
}

void uiType(CommandContext& context, const Arguments& arguments) {
  const std::string text = arguments.size() > 1 ? arguments[1] : std::string();
  if (auto* field = reachable<kit::TextField>(context, arguments[0], "a text field")) {
    clearModifiers();
    report(context, arguments[0], field->userTypeText(text));
  }
}

void uiCommand(CommandContext& context, const Arguments& arguments) {
  if (auto* field = reachable<kit::TextField>(context, arguments[0], "a text field")) {
    clearModifiers();
    report(context, arguments[0], field->userCommand(arguments[1]));
  }
}

void uiChoose(CommandContext& context, const Arguments& arguments) {
  const int32_t index = indexArgument(arguments[1]);
  const kit::ModifierFlags flags = modifierArguments(arguments, 2).toolkitFlags();
  kit::View* view = reachable<kit::View>(context, arguments[0], "a view");
  if (!view) return;
  if (auto* popup = dynamic_cast<kit::PopUpButton*>(view))
    return report(context, arguments[0], popup->userChooseItem(index, flags));
  if (auto* combo = dynamic_cast<kit::ComboBox*>(view))
    return report(context, arguments[0], combo->userChooseItem(index, flags));
  throw CommandError("'" + arguments[0] + "' is not a popup or a combo box");
}

void uiHover(CommandContext& context, const Arguments& arguments) {
  if (kit::View* view = reachable<kit::View>(context, arguments[0], "a view"))
    report(context, arguments[0], view->userMouseEntered(0));
}

void uiLeave(CommandContext& context, const Arguments& arguments) {
  if (kit::View* view = reachable<kit::View>(context, arguments[0], "a view"))
    report(context, arguments[0], view->userMouseExited(0));
}

}  // namespace host
