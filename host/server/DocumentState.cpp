// The document and guides parts of the page's state.
#include <bit>
#include <cstdio>
#include <cstring>
#include <type_traits>
#include <vector>
#include <nlohmann/json.hpp>
#include <unordered_map>

#include "files/OpenedFiles.h"
#include "session/RulerUnits.h"
#include "model/ArtWalk.h"
#include "model/NumberText.h"
#include "model/ViewGeometry.h"
#include "server/Base64.h"
#include "server/StateParts.h"

namespace host {

namespace {

class Fingerprint {
 public:
  void add(uint64_t value) {
    hash_ = (hash_ ^ value) * 0x9E3779B97F4A7C15ull;
    hash_ ^= hash_ >> 29;
  }
  void add(std::string_view text) {
    add(text.size());
    uint64_t word = 0;
    for (size_t i = 0; i < text.size(); i += 8) {
      word = 0;
      std::memcpy(&word, text.data() + i, std::min<size_t>(8, text.size() - i));
      add(word);
    }
  }
  void add(const AIPathSegment& segment) {
    uint64_t words[3];
    static_assert(sizeof(AIPathSegment) >= sizeof(words));
    std::memcpy(words, &segment, sizeof(words));  // the three points
    for (uint64_t word : words) add(word);
  }
  uint64_t value() const { return hash_; }

 private:
  uint64_t hash_ = 0xcbf29ce484222325ull;
};

// Hidden art, or art inside a hidden group, is not drawn.
bool isShown(const ArtTree& arts, uint32_t slot) {
  for (; slot != kNoSlot; slot = arts.at(slot).parent)
    if (arts.at(slot).userAttributes & kArtHidden) return false;
  return true;
}

bool isDrawn(const Model& model, uint32_t slot, const Art& art) {
  return art.type == kPathArt && !art.segments.empty() && isShown(model.arts(), slot) &&
         model.findLayer(art.layer)->visible;
}

bool isCorner(const AIPathSegment& s) {
  return s.in.h == s.p.h && s.in.v == s.p.v && s.out.h == s.p.h && s.out.v == s.p.v;
}

void appendNumbers(std::string& out, std::initializer_list<double> values) {
  for (double value : values) {
    if (out.back() != '[') out += ',';
    appendNumber(out, value);
  }
}

std::string jsonQuoted(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// Art read from a file is drawn by the file's picture; the page outlines it only when selected.
void appendArt(std::string& out, const std::string& prefix, const Art& art, bool fromFile) {
  out += "{\"name\":" + jsonQuoted(prefix + "/" + std::string(shownName(art)));
  if (fromFile) out += ",\"file\":true";
  out += ",\"closed\":";
  out += art.closed ? "true" : "false";
  out += ",\"selected\":";
  out += (art.userAttributes & kArtSelected) ? "true" : "false";
  out += ",\"p\":[";
  bool curved = false;
  for (const AIPathSegment& s : art.segments) {
    appendNumbers(out, {s.p.h, s.p.v});
    curved = curved || !isCorner(s);
  }
  out += ']';
  if (curved) {
    out += ",\"c\":[";
    for (const AIPathSegment& s : art.segments) appendNumbers(out, {s.in.h, s.in.v, s.out.h, s.out.v});
    out += ']';
  }
  out += '}';
}

// A document opened from a file: the file as the browser draws it, at the place its root's
// viewport lies, the name of the file a save writes to, and the file's own guides as
// [x, y, dx, dy].
void addFileParts(nlohmann::json& frame, const Document& document) {
  const OpenedFile* file = openedFile(document.id);
  if (file && file->read) {
    const svg::Box& box = file->read->viewport;
    frame["picture"] = {{"url", picturePath(document.id)}, {"rect", {box.left, box.top, box.right, box.bottom}}};
  }
  if (file && !file->path.empty()) frame["savedTo"] = file->path.filename().string();
  if (document.fileGuides.empty()) return;
  nlohmann::json& guides = frame["fileGuides"] = nlohmann::json::array();
  for (const FileGuide& guide : document.fileGuides) guides.push_back({guide.x, guide.y, guide.dx, guide.dy});
}

nlohmann::json documentFrame(const Document& document) {
  using Json = nlohmann::json;
  Json artboards = Json::array();
  for (const Artboard& artboard : document.artboards)
    artboards.push_back({{"name", artboard.name},
                         {"rect", {artboard.rect.left, artboard.rect.top, artboard.rect.right, artboard.rect.bottom}}});
  Json layers = Json::array();
  for (Ref ref : document.layers)
    if (const Layer* layer = model().findLayer(ref))
      layers.push_back({{"title", layer->title}, {"editable", layer->editable}, {"visible", layer->visible}});
  const View& view = document.views.front();
  Json frame = {{"open", true},
          {"name", document.name},
          {"rulerUnit", rulerUnitName(document.rulerUnits)},
          {"artboards", std::move(artboards)},
          {"activeArtboard", document.activeArtboard},
          {"view", {{"zoom", view.zoom}, {"centre", {view.centre.h, view.centre.v}},
                    {"width", kViewWidth}, {"height", kViewHeight}}},
          {"layers", std::move(layers)}};
  addFileParts(frame, document);
  return frame;
}

}  // namespace

DocumentFingerprint fingerprintFrontDocument() {
  DocumentFingerprint fingerprint;
  const Document* document = model().front();
  if (!document) return fingerprint;
  Fingerprint frame, guides;
  frame.add(document->id);
  if (const OpenedFile* file = openedFile(document->id)) frame.add(file->path.native());
  frame.add(static_cast<uint64_t>(document->rulerUnits));
  frame.add(static_cast<uint64_t>(document->activeArtboard));
  for (const Artboard& artboard : document->artboards) {
    frame.add(artboard.name);
    frame.add(std::string_view(reinterpret_cast<const char*>(&artboard.rect), sizeof artboard.rect));
  }
  const View& view = document->views.front();
  frame.add(std::string_view(reinterpret_cast<const char*>(&view), sizeof view));
  for (Ref ref : document->layers)
    if (const Layer* layer = model().findLayer(ref)) {
      frame.add(layer->title);
      frame.add(uint64_t{layer->editable} | uint64_t{layer->visible} << 1);
    }
  walkFrontDocument(model(), [&](const std::string& prefix, uint32_t slot, const Art& art) {
    if (!isDrawn(model(), slot, art)) return;
    Fingerprint& into = art.guide ? guides : frame;
    into.add(slot);
    into.add(prefix);
    into.add(art.name);
    into.add(uint64_t(art.closed) | uint64_t(art.userAttributes) << 1);
    for (const AIPathSegment& segment : art.segments) into.add(segment);
  });
  fingerprint.document = frame.value();
  fingerprint.guides = guides.value();
  return fingerprint;
}

std::string documentPart() {
  const Document* document = model().front();
  if (!document) return R"({"open":false})";
  std::string out = documentFrame(*document).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  out.pop_back();  // the closing brace: the art follows
  std::vector<std::pair<std::string, uint32_t>> drawn;
  walkFrontDocument(model(), [&](const std::string& prefix, uint32_t slot, const Art& art) {
    if (!art.guide && isDrawn(model(), slot, art)) drawn.emplace_back(prefix, slot);
  });
  const OpenedFile* file = openedFile(document->id);
  out += ",\"art\":[";
  for (auto art = drawn.rbegin(); art != drawn.rend(); ++art) {
    if (art != drawn.rbegin()) out += ',';
    const bool fromFile = file && file->readArt.contains(model().arts().refAt(art->second).generation);
    appendArt(out, art->first, model().arts().at(art->second), fromFile);
  }
  return out + "]}";
}

std::string picturePath(uint64_t document) { return "/picture/" + std::to_string(document) + ".svg"; }

GuidesData guidesData() {
  static_assert(std::endian::native == std::endian::little, "the page reads the guides little-endian");
  static_assert(std::is_same_v<AIReal, float>, "the page reads the guides as float32");
  std::vector<std::string> names;
  std::unordered_map<std::string, uint32_t> nameIndex;
  std::vector<uint32_t> groups, sizes;
  std::vector<float> points;
  walkFrontDocument(model(), [&](const std::string& prefix, uint32_t slot, const Art& art) {
    if (!art.guide || !isDrawn(model(), slot, art)) return;
    std::string name = prefix + "/" + std::string(shownName(art));
    const auto [entry, added] = nameIndex.try_emplace(name, static_cast<uint32_t>(names.size()));
    if (added) names.push_back(std::move(name));
    groups.push_back(entry->second);
    sizes.push_back(static_cast<uint32_t>(art.segments.size()));
    for (const AIPathSegment& s : art.segments) points.insert(points.end(), {s.p.h, s.p.v});
  });
  std::string header = "{\"count\":" + std::to_string(groups.size()) + ",\"names\":[";
  for (size_t i = 0; i < names.size(); ++i) header += (i ? "," : "") + jsonQuoted(names[i]);
  header += "]}";
  const uint32_t headerSize = static_cast<uint32_t>(header.size());
  header.resize((header.size() + 3) & ~size_t{3}, ' ');
  GuidesData data;
  data.count = groups.size();
  std::string& out = data.bytes;
  out.reserve(4 + header.size() + 4 * (groups.size() + sizes.size() + points.size()));
  const auto append = [&out](const void* from, size_t size) { out.append(static_cast<const char*>(from), size); };
  append(&headerSize, sizeof headerSize);
  out += header;
  append(groups.data(), groups.size() * sizeof(uint32_t));
  append(sizes.data(), sizes.size() * sizeof(uint32_t));
  append(points.data(), points.size() * sizeof(float));
  return data;
}

std::string guidesPart(const GuidesData& data) {
  const std::string count = "{\"count\":" + std::to_string(data.count);
  if (data.bytes.size() <= kGuidesInPart) return count + ",\"bytes\":\"" + base64(data.bytes) + "\"}";
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016zx", std::hash<std::string_view>{}(data.bytes));
  return count + ",\"data\":\"/guides.bin?v=" + hash + "\"}";
}

}  // namespace host
