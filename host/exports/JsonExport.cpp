#include <nlohmann/json.hpp>

#include "exports/Exports.h"
#include "model/NumberText.h"

namespace host {

namespace {

std::string quoted(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

const char* boolean(bool value) { return value ? "true" : "false"; }

void indent(std::string& out, int depth) { out.append(static_cast<size_t>(depth) * 2, ' '); }

void appendPath(std::string& out, const Art& art) {
  out += R"({"type": "path", "name": )" + quoted(art.name);
  out += R"(, "locked": )" + std::string(boolean(art.userAttributes & kArtLocked));
  out += R"(, "hidden": )" + std::string(boolean(art.userAttributes & kArtHidden));
  out += R"(, "guide": )" + std::string(boolean(art.guide));
  out += R"(, "closed": )" + std::string(boolean(art.closed));
  out += R"(, "points": [)";
  for (size_t i = 0; i < art.segments.size(); ++i) {
    if (i) out += ", ";
    out += '[';
    appendNumber(out, art.segments[i].p.h);
    out += ", ";
    appendNumber(out, art.segments[i].p.v);
    out += ']';
  }
  out += "]}";
}

void openGroup(std::string& out, const Art& art) {
  out += R"({"type": "group", "name": )" + quoted(art.name);
  out += R"(, "locked": )" + std::string(boolean(art.userAttributes & kArtLocked));
  out += R"(, "hidden": )" + std::string(boolean(art.userAttributes & kArtHidden));
  out += R"(, "children": [)";
}

// The children of root, one node a line, groups opened and closed around their children.
// A loop rather than recursion, so deep nesting costs no stack.
void appendChildren(std::string& out, const ArtTree& arts, uint32_t root, int depth) {
  uint32_t current = arts.at(root).firstChild;
  while (current != kNoSlot) {
    const Art& art = arts.at(current);
    indent(out, depth);
    if (art.type == kGroupArt) {
      openGroup(out, art);
      if (art.firstChild != kNoSlot) {
        out += '\n';
        ++depth;
        current = art.firstChild;
        continue;
      }
      out += "]}";
    } else {
      appendPath(out, art);
    }
    // Up to the next sibling, closing the groups whose last child this was.
    while (current != kNoSlot) {
      const Art& done = arts.at(current);
      if (done.nextSibling != kNoSlot) {
        out += ",\n";
        current = done.nextSibling;
        break;
      }
      out += '\n';
      current = done.parent;
      if (current == root) {
        current = kNoSlot;
      } else {
        --depth;
        indent(out, depth);
        out += "]}";
      }
    }
  }
}

void appendRect(std::string& out, const AIRealRect& r) {
  out += '[';
  appendNumber(out, r.left);
  out += ", ";
  appendNumber(out, r.top);
  out += ", ";
  appendNumber(out, r.right);
  out += ", ";
  appendNumber(out, r.bottom);
  out += ']';
}

}  // namespace

std::string documentJson(const Model& model) {
  const Document& document = *model.front();
  std::string out = "{\n";
  out += "  \"name\": " + quoted(document.name) + ",\n";
  out += "  \"rulerUnit\": " + std::to_string(document.rulerUnits) + ",\n";
  out += "  \"activeArtboard\": " + std::to_string(document.activeArtboard) + ",\n";
  out += "  \"artboards\": [";
  for (size_t k = 0; k < document.artboards.size(); ++k) {
    out += k ? ",\n    " : "\n    ";
    out += R"({"name": )" + quoted(document.artboards[k].name) + R"(, "rect": )";
    appendRect(out, document.artboards[k].rect);
    out += '}';
  }
  out += "\n  ],\n  \"layers\": [";
  for (size_t i = 0; i < document.layers.size(); ++i) {
    const Layer& layer = *model.findLayer(document.layers[i]);
    out += i ? ",\n    " : "\n    ";
    out += R"({"title": )" + quoted(layer.title);
    out += R"(, "editable": )" + std::string(boolean(layer.editable));
    out += R"(, "visible": )" + std::string(boolean(layer.visible));
    out += R"(, "art": [)";
    if (model.arts().at(layer.group.slot).firstChild != kNoSlot) {
      out += '\n';
      appendChildren(out, model.arts(), layer.group.slot, 3);
      out += "    ";
    }
    out += "]}";
  }
  out += "\n  ]\n}\n";
  return out;
}

}  // namespace host
