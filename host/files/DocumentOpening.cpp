// An SVG file becomes a document: its pages the artboards, its layers the layers (top
// first), its objects art with their geometric bounds. A drawable element is a closed path
// along its bounds, which is what a click and the hit test see of it; the paths the host
// wrote itself come back with their exact segments.
#include <vector>

#include "files/DocumentFiles.h"
#include "files/OpenedFiles.h"
#include "AIDocument.h"
#include "model/Model.h"
#include "session/RulerUnits.h"
#include "svg/SvgReading.h"

namespace host {

namespace {

AIReal real(double value) { return static_cast<AIReal>(value); }
AIRealPoint pointOf(svg::Point p) { return {real(p.x), real(p.y)}; }
AIRealRect rectOf(const svg::Box& b) { return {real(b.left), real(b.top), real(b.right), real(b.bottom)}; }

// Inkscape writes picas as "pc"; the host calls them "pi".
int16_t unitCode(const std::string& unit) {
  const int16_t code = rulerUnitCode(unit == "pc" ? "pi" : unit);
  return code ? code : static_cast<int16_t>(kPointsUnits);
}

std::vector<AIPathSegment> segmentsOf(const svg::Object& object) {
  std::vector<AIPathSegment> segments;
  if (object.kind == svg::Object::Kind::Path) {
    for (const svg::Segment& s : object.segments) {
      const AIRealPoint p = pointOf(s.p), in = pointOf(s.in), out = pointOf(s.out);
      const bool corner = in.h == p.h && in.v == p.v && out.h == p.h && out.v == p.v;
      segments.push_back(AIPathSegment{p, in, out, corner});
    }
    return segments;
  }
  const AIRealRect b = rectOf(object.bounds);
  for (AIRealPoint corner : {AIRealPoint{b.left, b.top}, AIRealPoint{b.right, b.top},
                             AIRealPoint{b.right, b.bottom}, AIRealPoint{b.left, b.bottom}})
    segments.push_back(AIPathSegment{corner, corner, corner, true});
  return segments;
}

// Makes the art of one layer, iteratively so that deep nesting costs no stack. Attributes
// are given at the end, once nothing more is placed inside locked art.
class LayerFiller {
 public:
  LayerFiller(Model& model, OpenedFile& record) : model_(model), record_(record) {}

  // Art the host wrote into a layer of the file, and all inside it, is the host's again: the
  // next save writes it from the model.
  AIErr fill(Ref layerGroup, const std::vector<svg::Object>& objects) {
    struct Pending {
      const svg::Object* object;
      Ref parent;
      bool hostWritten;
    };
    std::vector<Pending> pending;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) pending.push_back({&*it, layerGroup, false});
    while (!pending.empty()) {
      const Pending next = pending.back();
      pending.pop_back();
      const bool hostWritten = next.hostWritten || next.object->writtenByHost;
      Ref made;
      if (const AIErr error = make(*next.object, next.parent, &made)) return error;
      if (made.isNull()) continue;
      if (!hostWritten) record_.readArt.insert(made.generation);
      for (auto it = next.object->children.rbegin(); it != next.object->children.rend(); ++it)
        pending.push_back({&*it, made, hostWritten});
    }
    return kNoErr;
  }

  AIErr giveAttributes() {
    for (auto it = attributes_.rbegin(); it != attributes_.rend(); ++it)
      if (const AIErr error = model_.setArtUserAttributes(it->first, kArtHidden | kArtLocked, it->second))
        return error;
    return kNoErr;
  }

 private:
  AIErr make(const svg::Object& object, Ref parent, Ref* made) {
    const bool group = object.kind == svg::Object::Kind::Group;
    if (!group && object.kind == svg::Object::Kind::Shape && !object.hasBounds) return kNoErr;
    if (const AIErr error = model_.newArt(group ? kGroupArt : kPathArt, kPlaceInsideOnBottom, parent, made))
      return error;
    AIErr error = kNoErr;
    if (!group) {
      const std::vector<AIPathSegment> segments = segmentsOf(object);
      const auto count = static_cast<int16_t>(segments.size());
      error = model_.setPathSegmentCount(*made, count);
      if (!error) error = model_.setPathSegments(*made, 0, count, segments.data());
      if (!error) error = model_.setPathClosed(*made, object.kind == svg::Object::Kind::Shape || object.closed);
      if (!error && object.guide) error = model_.setPathIsGuide(*made, true);
    }
    const std::string& name = object.label.empty() ? object.id : object.label;
    if (!error && !name.empty()) error = model_.setArtName(*made, name);
    const int32_t flags = (object.hidden ? kArtHidden : 0) | (object.locked ? kArtLocked : 0);
    if (flags) attributes_.emplace_back(*made, flags);
    return error;
  }

  Model& model_;
  OpenedFile& record_;
  std::vector<std::pair<Ref, int32_t>> attributes_;
};

// The next layer below `above`, or the document's first layer for the top one.
AIErr layerFor(Model& model, Ref above, Ref* layer) {
  if (above.isNull()) return model.currentLayer(layer);
  return model.insertLayer(above, kPlaceBelow, layer);
}

// Objects in all, groups included, so that the record of the art read is made at its size once.
size_t objectCount(const svg::SvgDocument& read) {
  size_t count = 0;
  std::vector<const std::vector<svg::Object>*> pending;
  for (const svg::Layer& layer : read.layers) pending.push_back(&layer.objects);
  while (!pending.empty()) {
    const std::vector<svg::Object>* objects = pending.back();
    pending.pop_back();
    count += objects->size();
    for (const svg::Object& object : *objects) pending.push_back(&object.children);
  }
  return count;
}

AIErr buildLayers(Model& model, const svg::SvgDocument& read, OpenedFile& record) {
  record.readArt.reserve(objectCount(read));
  Ref above;
  std::vector<std::pair<Ref, const svg::Layer*>> made;
  for (const svg::Layer& source : read.layers) {
    Ref layer;
    if (const AIErr error = layerFor(model, above, &layer)) return error;
    if (!source.title.empty())
      if (const AIErr error = model.setLayerTitle(layer, source.title)) return error;
    LayerFiller filler(model, record);
    AIErr error = filler.fill(model.findLayer(layer)->group, source.objects);
    if (!error) error = filler.giveAttributes();
    if (error) return error;
    if (!source.writtenByHost) record.readLayers.push_back(layer);
    made.emplace_back(layer, &source);
    above = layer;
  }
  // Flags last: a locked layer takes no art. The top editable, visible layer is current.
  Ref current;
  for (const auto& [layer, source] : made) {
    if (current.isNull() && !source->locked && !source->hidden) current = layer;
    if (const AIErr error = model.setLayerEditable(layer, !source->locked)) return error;
    if (const AIErr error = model.setLayerVisible(layer, !source->hidden)) return error;
  }
  return current.isNull() ? kNoErr : model.setCurrentLayer(current);
}

bool openRead(svg::SvgDocument read, std::filesystem::path path, const std::string& name,
              std::string* reason) {
  Model& model = host::model();
  std::vector<AIRealRect> artboards;
  for (const svg::Page& page : read.pages) artboards.push_back(rectOf(page.bounds));
  if (const AIErr error = model.newDocument(name, artboards)) {
    *reason = "the pages cannot be artboards (error " + std::to_string(error) + ")";
    return false;
  }
  Document& document = *model.front();
  for (size_t k = 0; k < read.pages.size(); ++k)
    if (!read.pages[k].label.empty()) document.artboards[k].name = read.pages[k].label;
  document.rulerUnits = unitCode(read.documentUnit);
  for (const svg::Guide& guide : read.userGuides)
    // + 0.0: a direction of -0 reads as 0.
    document.fileGuides.push_back(
        FileGuide{guide.point.x, guide.point.y, guide.direction.x + 0.0, guide.direction.y + 0.0});

  OpenedFile record;
  record.path = std::move(path);
  if (const AIErr error = buildLayers(model, read, record)) {
    *reason = "the file's art cannot be made (error " + std::to_string(error) + ")";
    model.closeDocument(model.documentCount() - 1);
    return false;
  }
  record.read = std::move(read);
  recordFile(document.id, std::move(record));
  return true;
}

}  // namespace

bool openDocumentFile(const std::filesystem::path& file, std::string* reason) {
  svg::SvgDocument read;
  if (!svg::readSvgFile(file, &read, reason)) return false;
  return openRead(std::move(read), file, file.filename().string(), reason);
}

bool openDocumentBytes(std::string bytes, const std::string& name, std::string* reason) {
  svg::SvgDocument read;
  if (!svg::readSvg(std::move(bytes), {}, &read, reason)) return false;
  return openRead(std::move(read), {}, name, reason);
}

}  // namespace host
