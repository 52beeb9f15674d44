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

}  // namespace host
