// The document in front as an SVG file. A file that was opened is given back as it was read,
// with the host's own work in it: every guide shown as a guide of the file, the layers the
// host made, and the art it added to the file's layers. A document made in the host becomes
// a new file.
#include <cmath>
#include <unordered_set>

#include "files/DocumentFiles.h"
#include "files/OpenedFiles.h"
#include "model/ArtWalk.h"
#include "model/FileWriting.h"
#include "model/Model.h"
#include "session/RulerUnits.h"
#include "svg/SvgWriting.h"

namespace host {

namespace {

svg::Point pointOf(AIRealPoint p) { return {p.h, p.v}; }

bool isStraight(const AIPathSegment& from, const AIPathSegment& to) {
  return from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h && to.in.v == to.p.v;
}

// Each straight piece of a guide path is a guide line; the writer folds equal lines.
void addGuideLines(const Art& art, std::vector<svg::Guide>& guides) {
  const size_t count = art.segments.size();
  const size_t pieces = art.closed ? count : count - 1;
  for (size_t i = 0; count > 1 && i < pieces; ++i) {
    const AIPathSegment& from = art.segments[i];
    const AIPathSegment& to = art.segments[(i + 1) % count];
    const double dx = double{to.p.h} - from.p.h, dy = double{to.p.v} - from.p.v;
    const double length = std::hypot(dx, dy);
    if (!isStraight(from, to) || !(length > 0)) continue;
    guides.push_back(svg::Guide{pointOf(from.p), {dx / length, dy / length}, {}});
  }
}

std::vector<svg::Guide> shownGuides(const Model& model) {
  std::vector<svg::Guide> guides;
  walkFrontDocument(model, [&](const std::string&, uint32_t slot, const Art& art) {
    if (art.type == kPathArt && art.guide && isShown(model, slot)) addGuideLines(art, guides);
  });
  return guides;
}

void describe(const Art& art, svg::Object& object) {
  object.kind = art.type == kGroupArt ? svg::Object::Kind::Group : svg::Object::Kind::Path;
  object.label = art.name;
  object.hidden = art.userAttributes & kArtHidden;
  object.locked = art.userAttributes & kArtLocked;
  object.closed = art.closed;
  object.guide = art.guide;
  for (const AIPathSegment& s : art.segments)
    object.segments.push_back(svg::Segment{pointOf(s.p), pointOf(s.in), pointOf(s.out)});
  object.children.reserve(art.childCount);
}

// The art from `first` on through its next siblings, with everything inside, as objects;
// iterative, so that deep nesting costs no stack. Children vectors are reserved whole before
// any is filled, so the pointers kept stay valid.
std::vector<svg::Object> objectsFrom(const ArtTree& arts, uint32_t first, uint32_t count,
                                     const std::unordered_set<uint64_t>* skipped) {
  std::vector<svg::Object> top;
  top.reserve(count);
  std::vector<std::pair<uint32_t, std::vector<svg::Object>*>> pending{{first, &top}};
  while (!pending.empty()) {
    auto [slot, siblings] = pending.back();
    pending.pop_back();
    for (; slot != kNoSlot; slot = arts.at(slot).nextSibling) {
      const Art& art = arts.at(slot);
      if (skipped && skipped->contains(arts.refAt(slot).generation)) continue;
      svg::Object& object = siblings->emplace_back();
      describe(art, object);
      if (art.firstChild != kNoSlot) pending.emplace_back(art.firstChild, &object.children);
    }
  }
  return top;
}

svg::Layer hostLayer(const Model& model, const Layer& layer) {
  svg::Layer written;
  written.title = layer.title;
  written.hidden = !layer.visible;
  written.locked = !layer.editable;
  written.writtenByHost = true;
  const Art& group = model.arts().at(layer.group.slot);
  written.objects = objectsFrom(model.arts(), group.firstChild, group.childCount, nullptr);
  return written;
}

// Index in the file's layers of the k-th layer the host did not write.
size_t fileLayerIndex(const svg::SvgDocument& read, size_t k) {
  for (size_t i = 0; i < read.layers.size(); ++i)
    if (!read.layers[i].writtenByHost && k-- == 0) return i;
  return read.layers.size();
}

svg::SaveContent contentOf(const Model& model, const Document& document, const OpenedFile* record) {
  svg::SaveContent content;
  content.guides = shownGuides(model);
  for (Ref ref : document.layers) {
    const Layer& layer = *model.findLayer(ref);
    size_t k = 0;
    while (record && k < record->readLayers.size() && !(record->readLayers[k] == ref)) ++k;
    if (!record || !record->read || k == record->readLayers.size()) {
      content.layers.push_back(hostLayer(model, layer));
      continue;
    }
    const Art& group = model.arts().at(layer.group.slot);
    std::vector<svg::Object> added = objectsFrom(model.arts(), group.firstChild, group.childCount, &record->readArt);
    if (!added.empty()) content.added.push_back({fileLayerIndex(*record->read, k), std::move(added)});
  }
  return content;
}

std::string unitName(int16_t units) {
  const std::string name(rulerUnitName(units));
  return name == "pi" ? "pc" : name;
}

std::string newFileBytes(const Document& document, const svg::SaveContent& content) {
  std::vector<svg::Page> pages;
  for (const Artboard& artboard : document.artboards) {
    const AIRealRect& r = artboard.rect;
    pages.push_back(svg::Page{svg::Box{r.left, r.top, r.right, r.bottom}, artboard.name});
  }
  return svg::writeNew(pages, unitName(document.rulerUnits), content);
}

}  // namespace

bool documentFileBytes(std::string* bytes, std::string* reason) {
  const Model& model = host::model();
  const Document* document = model.front();
  if (!document) {
    *reason = "no document is open";
    return false;
  }
  const OpenedFile* record = openedFile(document->id);
  const svg::SaveContent content = contentOf(model, *document, record);
  *bytes = record && record->read ? svg::writeBack(*record->read, content) : newFileBytes(*document, content);
  return true;
}

bool saveDocumentFile(const std::filesystem::path& file, std::string* reason) {
  const Document* document = model().front();
  if (!document) {
    *reason = "no document is open";
    return false;
  }
  OpenedFile* record = openedFile(document->id);
  std::filesystem::path target = file;
  if (target.empty() && record) target = record->path;
  if (target.empty()) {
    *reason = "the document has no file yet: give the path to save it to";
    return false;
  }
  std::string bytes;
  if (!documentFileBytes(&bytes, reason)) return false;
  if (!writeFileAtomically(followLinks(target), bytes, reason)) return false;
  if (!record) record = &recordFile(document->id, OpenedFile{});
  record->path = target;
  return true;
}

std::string documentFileName() {
  const Document* document = model().front();
  if (!document) return "document.svg";
  const OpenedFile* record = openedFile(document->id);
  if (record && !record->path.empty()) return record->path.filename().string();
  std::string name = document->name;
  return name.ends_with(".svg") ? name : name + ".svg";
}

}  // namespace host
