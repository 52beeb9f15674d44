// The document and guides parts of the page's state.
#include <cstdio>
#include <cstring>
#include <vector>
#include <nlohmann/json.hpp>

#include "files/OpenedFiles.h"
#include "session/RulerUnits.h"
#include "model/ArtWalk.h"
#include "model/NumberText.h"
#include "model/Resizing.h"
#include "model/ViewGeometry.h"
#include "server/Base64.h"
#include "server/DrawnArt.h"
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

bool isCorner(const AIPathSegment& s) {
  return s.in.h == s.p.h && s.in.v == s.p.v && s.out.h == s.p.h && s.out.v == s.p.v;
}

void appendNumbers(std::string& out, std::initializer_list<double> values) {
  for (double value : values) {
    if (out.back() != '[') out += ',';
    appendNumber(out, value);
  }
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

// The view's size in pixels and the zooms it may have, which the page takes from the host.
nlohmann::json viewSize() {
  return {{"width", kViewWidth}, {"height", kViewHeight}, {"minZoom", kMinZoom}, {"maxZoom", kMaxZoom}};
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
  Json shown = viewSize();
  shown["zoom"] = view.zoom;
  shown["centre"] = {view.centre.h, view.centre.v};
  Json frame = {{"open", true},
          {"name", document.name},
          {"rulerUnit", rulerUnitName(document.rulerUnits)},
          {"rulerUnitPoints", rulerUnitPoints(document.rulerUnits)},
          {"artboards", std::move(artboards)},
          {"activeArtboard", document.activeArtboard},
          {"view", std::move(shown)},
          {"layers", std::move(layers)},
          {"canUndo", model().canUndo()},
          {"canRedo", model().canRedo()}};
  addFileParts(frame, document);
  // Where the page draws the selection's handles: the bounds `selection resize` scales.
  AIRealRect selected;
  if (boundsOfArts(model().arts(), model().selection(), &selected))
    frame["selectionBounds"] = {selected.left, selected.top, selected.right, selected.bottom};
  return frame;
}

}  // namespace

namespace {

// The walk over every drawn path is the costly part of a fingerprint (a hover over 100,000
// objects would pay it at each move): it is done again only when the art changed, or the
// document or the layers that show it did. The same walk lists the guides.
struct ArtPrints {
  ArtTree::Stamp stamp{};
  uint64_t layers = 0;
  uint64_t art = 0;
  std::shared_ptr<const GuideList> guides;
};

ArtPrints artPrints(const ArtTree::Stamp& stamp, uint64_t layers) {
  thread_local ArtPrints last;
  if (last.stamp == stamp && last.layers == layers && last.stamp.tree != 0) return last;
  Fingerprint art;
  GuideListMaker guides = last.guides ? GuideListMaker(*last.guides) : GuideListMaker();
  walkFrontDocument(model(), [&](const std::string& prefix, uint32_t slot, const Art& drawn) {
    if (!isDrawn(model(), slot, drawn)) return;
    if (drawn.guide) return guides.add(prefix, drawn);
    art.add(slot);
    art.add(prefix);
    art.add(drawn.name);
    art.add(uint64_t(drawn.closed) | uint64_t(drawn.userAttributes) << 1);
    for (const AIPathSegment& segment : drawn.segments) art.add(segment);
  });
  last = {stamp, layers, art.value(), std::make_shared<const GuideList>(guides.take())};
  return last;
}

}  // namespace

DocumentFingerprint fingerprintFrontDocument() {
  DocumentFingerprint fingerprint;
  const Document* document = model().front();
  if (!document) {
    fingerprint.guides = std::make_shared<const GuideList>();
    return fingerprint;
  }
  Fingerprint frame, layers;
  frame.add(document->id);
  if (const OpenedFile* file = openedFile(document->id)) frame.add(file->path.native());
  frame.add(static_cast<uint64_t>(document->rulerUnits));
  frame.add(static_cast<uint64_t>(document->activeArtboard));
  frame.add(uint64_t{model().canUndo()} | uint64_t{model().canRedo()} << 1);
  for (const Artboard& artboard : document->artboards) {
    frame.add(artboard.name);
    frame.add(std::string_view(reinterpret_cast<const char*>(&artboard.rect), sizeof artboard.rect));
  }
  const View& view = document->views.front();
  frame.add(std::string_view(reinterpret_cast<const char*>(&view), sizeof view));
  for (Ref selected : model().selection()) frame.add(selected.slot);
  layers.add(document->id);
  for (Ref ref : document->layers)
    if (const Layer* layer = model().findLayer(ref)) {
      layers.add(ref.slot);
      layers.add(layer->title);
      layers.add(uint64_t{layer->editable} | uint64_t{layer->visible} << 1);
    }
  const ArtPrints art = artPrints(model().arts().stamp(), layers.value());
  frame.add(layers.value());
  frame.add(art.art);
  fingerprint.document = frame.value();
  fingerprint.guides = art.guides;
  return fingerprint;
}

std::string documentPart() {
  const Document* document = model().front();
  if (!document) return nlohmann::json{{"open", false}, {"view", viewSize()}}.dump();
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

std::string guidesPart(const GuidesData& data) {
  const std::string count = "{\"count\":" + std::to_string(data.count);
  if (data.bytes.size() <= kGuidesInPart) return count + ",\"bytes\":\"" + base64(data.bytes) + "\"}";
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016zx", std::hash<std::string_view>{}(data.bytes));
  return count + ",\"data\":\"/guides.bin?v=" + hash + "\"}";
}

}  // namespace host
