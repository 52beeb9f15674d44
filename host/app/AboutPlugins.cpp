#include "app/AboutPlugins.h"

#include "app/Application.h"
#include "model/Shell.h"

namespace host {

namespace {

constexpr std::string_view kHelpMenu = "Help";
constexpr std::string_view kAboutPluginsItem = "About Plug-ins";

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
  if (path == kHelpMenu) return "'Help' is a menu, not an item";
  if (path == items) return "'About Plug-ins' opens a sub-menu";
  if (!path.starts_with(items + "/"))
    return "no item '" + std::string(path.substr(kHelpMenu.size() + 1)) + "' in 'Help'";
  const std::string_view name = path.substr(items.size() + 1);
  for (const auto& plugin : application.plugins())
    if (plugin->isRunning() && nameOf(*plugin) == name) {
      SPInterfaceMessage message{};
      const AIErr result = plugin->send(kSPInterfaceCaller, kSPInterfaceAboutSelector, message);
      if (result != kNoErr) shell().log.error(plugin->fileName() + ": About answered " + resultText(result));
      application.events().serveWaiting();
      return {};
    }
  return "no item '" + std::string(name) + "' in 'About Plug-ins'";
}

}  // namespace host
