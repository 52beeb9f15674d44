#include "model/Printout.h"

#include "model/NumberText.h"

namespace host {

namespace {

std::string_view shownName(const Art& art) {
  return art.name.empty() ? std::string_view("<unnamed>") : std::string_view(art.name);
}

// Visits every art of every layer of the front document, front to back and depth first,
// with the names of the art's layer and enclosing groups joined by '/'. No recursion, so
// deep nesting costs no stack.
template <class Visit>
void walkFrontDocument(const Model& model, Visit visit) {
  const Document* document = model.front();
  if (!document) return;
  const ArtTree& arts = model.arts();
  for (Ref layerRef : document->layers) {
    const Layer& layer = *model.findLayer(layerRef);
    const uint32_t root = layer.group.slot;
    std::string prefix = layer.title;
    std::vector<size_t> prefixLengths;  // prefix size before each enclosing group's name
    uint32_t current = arts.at(root).firstChild;
    while (current != kNoSlot) {
      const Art& art = arts.at(current);
      visit(prefix, art);
      if (art.firstChild != kNoSlot) {
        prefixLengths.push_back(prefix.size());
        prefix += '/';
        prefix += shownName(art);
        current = art.firstChild;
        continue;
      }
      while (current != kNoSlot && arts.at(current).nextSibling == kNoSlot) {
        current = arts.at(current).parent;
        if (current == root) {
          current = kNoSlot;
        } else {
          prefix.resize(prefixLengths.back());
          prefixLengths.pop_back();
        }
      }
      if (current != kNoSlot) current = arts.at(current).nextSibling;
    }
  }
}

void appendPoint(std::string& line, AIRealPoint p) {
  line += ' ';
  appendNumber(line, p.h);
  line += ' ';
  appendNumber(line, p.v);
}

}  // namespace

std::vector<std::string> guideLines(const Model& model) {
  std::vector<std::string> lines;
  walkFrontDocument(model, [&](const std::string& prefix, const Art& art) {
    if (art.type != kPathArt || !art.guide) return;
    std::string line = prefix;
    if (art.segments.empty()) {
      line += " empty";
    } else {
      appendPoint(line, art.segments.front().p);
      appendPoint(line, art.segments.back().p);
    }
    line += (art.userAttributes & kArtLocked) ? " locked" : " unlocked";
    lines.push_back(std::move(line));
  });
  return lines;
}

std::vector<std::string> artLines(const Model& model) {
  std::vector<std::string> lines;
  walkFrontDocument(model, [&](const std::string& prefix, const Art& art) {
    std::string line = prefix;
    line += '/';
    line += shownName(art);
    if (art.type == kGroupArt) {
      line += " group " + std::to_string(art.childCount);
    } else {
      line += " path " + std::to_string(art.segments.size());
      if (art.guide) line += " guide";
    }
    lines.push_back(std::move(line));
  });
  return lines;
}

}  // namespace host
