// Session commands for the host's menus, the panels' flyout menus and the theme.
#include <charconv>

#include "AINotifier.h"
#include "app/AboutPlugins.h"
#include "app/Application.h"
#include "app/Menus.h"
#include "kit/Application.h"
#include "model/Shell.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"

namespace host {

namespace {

// The panel whose flyout menu the `flyout` command opens: the first one made.
Ref firstPanel() {
  const SlotTable<Panel>& panels = shell().ui.panels;
  for (uint32_t slot = 0; slot < panels.slotCount(); ++slot)
    if (panels.isLive(panels.refAt(slot))) return panels.refAt(slot);
  return Ref{};
}

int32_t itemIdArgument(std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    throw CommandError("'" + std::string(text) + "' is not an item id");
  return value;
}

}  // namespace

void menu(CommandContext& context, const Arguments& arguments) {
  const std::string& path = arguments[0];
  if (refusedWhileModal(context, "menu: " + path)) return;
  if (isHelpMenuPath(path)) {
    if (const std::string problem = chooseAboutPlugin(context.application, path); !problem.empty())
      throw CommandError(problem);
    return;
  }
  updateMenus(context.application.events());
  std::string problem;
  const Ref item = menuItemAt(path, &problem);
  if (item.isNull()) throw CommandError(problem);
  if (!shell().ui.menuItems.find(item)->enabled) {
    reportRefusal(context, "menu: " + path, "the item is disabled");
    return;
  }
  chooseMenuItem(context.application.events(), item);
}

void flyout(CommandContext& context, const Arguments& arguments) {
  const int32_t id = itemIdArgument(arguments[0]);
  const std::string what = "flyout: " + arguments[0];
  if (refusedWhileModal(context, what)) return;
  const Ref panelRef = firstPanel();
  const Panel* panel = shell().ui.panels.find(panelRef);
  if (!panel) return reportRefusal(context, what, "there is no panel");
  FlyoutMenu* menu = shell().ui.flyoutMenus.find(panel->flyout);
  if (!menu || !panel->flyoutProc) return reportRefusal(context, what, "the panel has no flyout menu");
  if (!panel->isShown()) return reportRefusal(context, what, "the panel is hidden");
  const FlyoutItem* item = menu->item(id);
  if (!item) throw CommandError("the flyout menu has no item " + arguments[0]);
  if (item->separator) return reportRefusal(context, what, "the item is a separator");
  if (!item->enabled) return reportRefusal(context, what, "the item is disabled");
  // The callback may run a dialog and destroy the panel: nothing of it is kept.
  const AIPanelFlyoutMenuProc proc = panel->flyoutProc;
  proc(toHandle<AIPanelRef>(panelRef), id);
}

void theme(CommandContext& context, const Arguments& arguments) {
  const std::string& name = arguments[0];
  if (name != "dark" && name != "light") throw CommandError("unknown theme '" + name + "' (dark, light)");
  const bool dark = name == "dark";
  if (shell().ui.darkTheme == dark) return;
  shell().ui.darkTheme = dark;
  kit::Application::shared().setDarkAppearance(dark);
  context.application.notifyAll(kAIUIBrightnessChangedNotifier);
}

}  // namespace host
