#include "app/AboutPlugins.h"

#include "app/Application.h"
#include "model/Shell.h"

namespace host {

namespace {

// In the host's language, as its other menus.
constexpr std::string_view kHelpMenu = "Aide";
constexpr std::string_view kAboutPluginsItem = "À propos des modules";

// The name a plug-in gave itself (its file name until it gives one).
std::string nameOf(const PluginHost& plugin) {
  const PluginRecord* record = shell().plugins.find(plugin.ref());
  return record ? record->name : plugin.fileName();
}

}  // namespace

bool isHelpMenuPath(std::string_view path) {
  return path == kHelpMenu || (path.starts_with(kHelpMenu) && path[kHelpMenu.size()] == '/');
}

std::string chooseAboutPlugin(Application& application, std::string_view path) {
  const std::string items = std::string(kHelpMenu) + "/" + std::string(kAboutPluginsItem);
  const std::string quotedItem = "'" + std::string(kAboutPluginsItem) + "'";
  if (path == kHelpMenu) return "'" + std::string(kHelpMenu) + "' is a menu, not an item";
  if (path == items) return quotedItem + " opens a sub-menu";
  if (!path.starts_with(items + "/"))
    return "no item '" + std::string(path.substr(kHelpMenu.size() + 1)) + "' in '" + std::string(kHelpMenu) + "'";
  const std::string_view name = path.substr(items.size() + 1);
  for (const auto& plugin : application.plugins())
    if (plugin->isRunning() && nameOf(*plugin) == name) {
      SPInterfaceMessage message{};
      const AIErr result = plugin->send(kSPInterfaceCaller, kSPInterfaceAboutSelector, message);
      if (result != kNoErr) shell().log.error(plugin->fileName() + ": About answered " + resultText(result));
      application.events().serveWaiting();
      return {};
    }
  return "no item '" + std::string(name) + "' in " + quotedItem;
}

}  // namespace host
