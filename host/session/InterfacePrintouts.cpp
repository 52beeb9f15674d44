#include "session/InterfacePrintouts.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "kit/Cursor.h"
#include "kit/Sound.h"
#include "kit/Workspace.h"
#include "model/NumberText.h"
#include "model/Shell.h"
#include "session/Quoting.h"

namespace host {

namespace {

std::string iconText(const Tool& tool, int32_t id) {
  std::string text = std::to_string(id);
  const PluginRecord* record = shell().plugins.find(tool.plugin);
  if (!record) return text;
  std::error_code error;
  const auto file = std::filesystem::path(record->resourcesFolder) / (text + ".png");
  if (!std::filesystem::is_regular_file(file, error)) text += " (missing)";
  return text;
}

std::string toolText(Ref ref, const Tool& tool) {
  std::string line = std::to_string(shell().ui.toolNumber(ref)) + " " + jsonQuoted(tool.name);
  if (ref == shell().ui.selectedTool) line += " selected";
  if (tool.owner == ToolOwner::Companion) line += " companion";
  if (tool.owner == ToolOwner::Plugin) {
    const PluginRecord* record = shell().plugins.find(tool.plugin);
    line += " by " + (record ? record->fileName : std::string("?"));
    line += " title " + jsonQuoted(tool.title) + " tooltip " + jsonQuoted(tool.tooltip);
    line += " icons " + iconText(tool, tool.normalIcon) + " " + iconText(tool, tool.darkIcon);
    line += " options " + std::to_string(tool.options);
    if (!tool.infoVars.empty()) {
      line += " info";
      for (int32_t var : tool.infoVars) line += " " + std::to_string(var);
    }
  }
  return line;
}

std::string pointText(AIPoint p) { return std::to_string(p.h) + " " + std::to_string(p.v); }

std::string colorText(AIRGBColor c) {
  return std::to_string(c.red) + " " + std::to_string(c.green) + " " + std::to_string(c.blue);
}

char pixelChar(kit::Pixel p) {
  if (p.a < 128) return ' ';
  return (p.r * 299 + p.g * 587 + p.b * 114) / 1000 < 128 ? '#' : '.';
}

}  // namespace

std::vector<std::string> toolLines() {
  const UserInterface& ui = shell().ui;
  // Groups and toolsets in the order of their first tool.
  std::vector<int32_t> groups;
  std::map<int32_t, std::vector<int32_t>> toolsetsOfGroup;
  for (Ref ref : ui.toolOrder) {
    const Tool& tool = *ui.tools.find(ref);
    if (std::find(groups.begin(), groups.end(), tool.group) == groups.end()) groups.push_back(tool.group);
    std::vector<int32_t>& toolsets = toolsetsOfGroup[tool.group];
    if (std::find(toolsets.begin(), toolsets.end(), tool.toolset) == toolsets.end())
      toolsets.push_back(tool.toolset);
  }
  std::vector<std::string> lines;
  for (size_t g = 0; g < groups.size(); ++g) {
    lines.push_back("group " + std::to_string(g + 1));
    const std::vector<int32_t>& toolsets = toolsetsOfGroup[groups[g]];
    for (size_t t = 0; t < toolsets.size(); ++t) {
      lines.push_back("  toolset " + std::to_string(t + 1));
      for (Ref ref : ui.toolOrder) {
        const Tool& tool = *ui.tools.find(ref);
        if (tool.group == groups[g] && tool.toolset == toolsets[t]) lines.push_back("    " + toolText(ref, tool));
      }
    }
  }
  return lines;
}

std::vector<std::string> overlayLines() {
  const AnnotationFrame& frame = shell().ui.annotations;
  std::vector<std::string> lines;
  for (const OverlayItem& item : frame.overlay()) {
    if (item.kind == OverlayItem::Kind::Text) {
      lines.push_back("text " + jsonQuoted(item.text) + " at " + pointText(item.start) + " color " +
                      colorText(item.color) + " font " + std::to_string(item.font));
    } else {
      lines.push_back("line " + pointText(item.start) + " to " + pointText(item.end) + " color " +
                      colorText(item.color) + " width " + numberText(item.lineWidth) +
                      (item.dashed ? " dashed" : " solid"));
    }
  }
  if (lines.empty()) lines.push_back("overlay empty");
  for (const AIRect& r : frame.overlayInvalidations())
    lines.push_back("invalidated " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                    std::to_string(r.right) + " " + std::to_string(r.bottom));
  return lines;
}

std::vector<std::string> cursorLines() {
  const kit::Cursor* cursor = kit::Cursor::currentCursor();
  if (!cursor) return {"arrow"};
  if (!cursor->name().empty()) return {cursor->name()};
  const kit::Image& image = cursor->image();
  std::vector<std::string> lines;
  for (int y = image.pixelsHigh() - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < image.pixelsWide(); ++x) row += pixelChar(image.pixelAt(x, y));
    lines.push_back(std::move(row));
  }
  lines.push_back("hot spot " + numberText(cursor->hotSpot().x) + " " + numberText(cursor->hotSpot().y));
  return lines;
}

std::vector<std::string> soundLines() {
  std::vector<std::string> lines;
  for (const std::string& path : kit::Sound::playLog())
    lines.push_back(std::filesystem::path(path).filename().string());
  if (lines.empty()) lines.push_back("no sounds played");
  return lines;
}

std::vector<std::string> urlLines() {
  std::vector<std::string> lines = kit::Workspace::sharedWorkspace().openedURLs();
  if (lines.empty()) lines.push_back("no urls opened");
  return lines;
}

}  // namespace host
