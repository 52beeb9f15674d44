// The parts of the page's state that are the host's interface: the overlay, the cursor, the
// toolbox, the menus, the session's summary and what was shown, played and opened.
#include <algorithm>
#include <nlohmann/json.hpp>

#include "app/Menus.h"
#include "kit/Application.h"
#include "kit/Cursor.h"
#include "kit/Sound.h"
#include "kit/Window.h"
#include "kit/Workspace.h"
#include "model/Model.h"
#include "model/Shell.h"
#include "server/Base64.h"
#include "server/StateParts.h"

namespace host {

namespace {

using Json = nlohmann::json;

std::string text(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

// 16-bit colour channels as the page's 8-bit ones.
Json colorJson(const AIRGBColor& c) { return {c.red / 257, c.green / 257, c.blue / 257}; }

const char* ownerName(ToolOwner owner) {
  switch (owner) {
    case ToolOwner::Host: return "host";
    case ToolOwner::Companion: return "companion";
    case ToolOwner::Plugin: return "plugin";
  }
  return "host";
}

constexpr int kMaxMenuDepth = 16;

Json menuItems(std::string_view group, const std::string& path, int depth) {
  Json items = Json::array();
  if (depth > kMaxMenuDepth) return items;
  const UserInterface& ui = shell().ui;
  for (Ref ref : menuItemsOf(group)) {
    const MenuItem& item = *ui.menuItems.find(ref);
    const std::string itemPath = path + "/" + item.text;
    Json entry{{"text", item.text}, {"path", itemPath}, {"enabled", item.enabled}, {"checked", item.checked}};
    if (const MenuGroup* opened = ui.menuGroups.find(ui.subMenuOf(ref)))
      entry["items"] = menuItems(opened->name, itemPath, depth + 1);
    items.push_back(std::move(entry));
  }
  return items;
}

// The last few entries of a log, numbered from 0 in the whole log.
constexpr size_t kRecent = 16;

template <class Entry>
std::string feedPart(const std::vector<Entry>& log, const char* key, std::string (*shown)(const Entry&)) {
  Json recent = Json::array();
  for (size_t n = log.size() > kRecent ? log.size() - kRecent : 0; n < log.size(); ++n)
    recent.push_back({{"n", n}, {key, shown(log[n])}});
  return text(Json{{"count", log.size()}, {"recent", std::move(recent)}});
}

std::string same(const std::string& entry) { return entry; }
std::string fileName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

}  // namespace

std::string overlayPart() {
  Json items = Json::array();
  for (const OverlayItem& item : shell().ui.annotations.overlay()) {
    Json entry{{"kind", item.kind == OverlayItem::Kind::Text ? "text" : "line"},
               {"at", {item.start.h, item.start.v}},
               {"color", colorJson(item.color)},
               {"font", item.font}};
    if (item.kind == OverlayItem::Kind::Text) {
      entry["text"] = item.text;
    } else {
      entry["to"] = {item.end.h, item.end.v};
      entry["width"] = item.lineWidth;
      entry["dashed"] = item.dashed;
    }
    items.push_back(std::move(entry));
  }
  return text(Json{{"items", std::move(items)}});
}

std::string cursorPart() {
  const kit::Cursor* cursor = kit::Cursor::currentCursor();
  if (!cursor) return R"({"name":"arrow"})";
  if (!cursor->name().empty()) return text(Json{{"name", cursor->name()}});
  const kit::Image& image = cursor->image();
  std::vector<uint8_t> rgba;
  rgba.reserve(static_cast<size_t>(image.pixelsWide()) * image.pixelsHigh() * 4);
  for (int row = image.pixelsHigh() - 1; row >= 0; --row)  // the image's row 0 is the bottom
    for (int x = 0; x < image.pixelsWide(); ++x) {
      const kit::Pixel p = image.pixelAt(x, row);
      rgba.insert(rgba.end(), {p.r, p.g, p.b, p.a});
    }
  return text(Json{{"width", image.pixelsWide()},
                   {"height", image.pixelsHigh()},
                   {"hot", {cursor->hotSpot().x, cursor->hotSpot().y}},
                   {"rgba", base64(std::string_view(reinterpret_cast<const char*>(rgba.data()), rgba.size()))}});
}

std::string toolboxPart() {
  const UserInterface& ui = shell().ui;
  Json tools = Json::array();
  for (Ref ref : ui.toolOrder) {
    const Tool& tool = *ui.tools.find(ref);
    tools.push_back({{"number", ui.toolNumber(ref)}, {"name", tool.name}, {"title", tool.title},
                     {"tooltip", tool.tooltip}, {"group", tool.group}, {"toolset", tool.toolset},
                     {"owner", ownerName(tool.owner)}});
  }
  const Tool* selected = ui.tools.find(ui.selectedTool);
  return text(Json{{"tools", std::move(tools)}, {"selected", selected ? selected->name : ""}});
}

std::string menusPart() {
  Json menus = Json::array();
  for (Ref ref : shell().ui.menuGroupOrder) {
    const MenuGroup& group = *shell().ui.menuGroups.find(ref);
    if (group.parentItem.isNull())
      menus.push_back({{"name", menuTitle(group)}, {"items", menuItems(group.name, menuTitle(group), 1)}});
  }
  return text(Json{{"menus", std::move(menus)}});
}

std::string sessionPart() {
  Json documents = Json::array();
  int front = -1;
  for (size_t i = 0; i < model().documentCount(); ++i) {
    documents.push_back(model().documentAt(i).name);
    if (&model().documentAt(i) == model().front()) front = static_cast<int>(i);
  }
  const Tool* tool = shell().ui.tools.find(shell().ui.selectedTool);
  const kit::Window* modal = kit::Application::shared().modalWindow();
  Json session{{"documents", std::move(documents)},
               {"front", front},
               {"tool", tool ? tool->name : ""},
               {"theme", shell().ui.darkTheme ? "dark" : "light"},
               {"modal", modal ? Json(modal->identifier().empty() ? modal->title() : modal->identifier()) : Json()},
               {"cursorAt", {shell().ui.cursorPosition.h, shell().ui.cursorPosition.v}}};
  return text(session);
}

std::string alertsPart() { return feedPart<std::string>(model().alerts(), "text", same); }
std::string soundsPart() { return feedPart<std::string>(kit::Sound::playLog(), "file", fileName); }
std::string urlsPart() { return feedPart<std::string>(kit::Workspace::sharedWorkspace().openedURLs(), "url", same); }

}  // namespace host
