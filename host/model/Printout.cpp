#include "model/Printout.h"

#include "model/ArtWalk.h"
#include "model/NumberText.h"

namespace host {

namespace {

void appendPoint(std::string& line, AIRealPoint p) {
  line += ' ';
  appendNumber(line, p.h);
  line += ' ';
  appendNumber(line, p.v);
}

}  // namespace

std::vector<std::string> guideLines(const Model& model) {
  std::vector<std::string> lines;
  walkFrontDocument(model, [&](const std::string& prefix, uint32_t, const Art& art) {
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
  walkFrontDocument(model, [&](const std::string& prefix, uint32_t, const Art& art) {
    std::string line = prefix;
    line += '/';
    line += shownName(art);
    if (art.type == kGroupArt) {
      line += " group " + std::to_string(art.childCount);
    } else {
      line += " path " + std::to_string(art.segments.size());
      if (art.guide) line += " guide";
    }
    if (art.userAttributes & kArtSelected) line += " selected";
    lines.push_back(std::move(line));
  });
  return lines;
}

std::vector<std::string> boundsLines(const Model& model, std::string_view prefix) {
  std::vector<std::string> lines;
  walkFrontDocument(model, [&](const std::string& names, uint32_t slot, const Art& art) {
    std::string line = names + '/' + std::string(shownName(art));
    if (!line.starts_with(prefix)) return;
    AIRealRect bounds{};
    model.artBounds(model.arts().refAt(slot), &bounds);
    appendPoint(line, AIRealPoint{bounds.left, bounds.top});
    appendPoint(line, AIRealPoint{bounds.right, bounds.bottom});
    lines.push_back(std::move(line));
  });
  return lines;
}

}  // namespace host
