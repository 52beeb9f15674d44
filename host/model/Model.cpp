#include "model/Model.h"

#include "model/Geometry.h"

namespace host {

uint64_t nextGeneration() {
  static uint64_t last = 0;
  return ++last;
}

AIErr Model::newDocument(std::string name, std::span<const AIRealRect> artboards) {
  if (artboards.empty()) return kBadParameterErr;
  for (const AIRealRect& rect : artboards)
    if (!isFinite(rect)) return kNotFiniteErr;

  auto document = std::make_unique<Document>();
  document->id = nextGeneration();
  document->name = std::move(name);
  for (const AIRealRect& rect : artboards) document->addArtboard(rect);
  const AIRealRect& first = artboards.front();
  document->views.push_back(
      View{1.0, AIRealPoint{(first.left + first.right) / 2, (first.top + first.bottom) / 2}});

  Ref layer;
  const AIErr error =
      makeLayer(*document, "Calque " + std::to_string(document->nextLayerNumber++), &layer);
  if (error) return error;
  document->layers.push_back(layer);
  document->currentLayer = layer;

  documents_.push_back(std::move(document));
  front_ = documents_.size() - 1;
  return kNoErr;
}

AIErr Model::bringToFront(size_t index) {
  if (index >= documents_.size()) return kBadParameterErr;
  front_ = index;
  return kNoErr;
}

AIErr Model::closeDocument(size_t index) {
  if (index >= documents_.size()) return kBadParameterErr;
  for (Ref layer : documents_[index]->layers) {
    arts_.disposeSubtree(layers_.find(layer)->group.slot);
    layers_.erase(layer);
  }
  documents_.erase(documents_.begin() + static_cast<std::ptrdiff_t>(index));
  front_ = documents_.empty() ? SIZE_MAX : documents_.size() - 1;
  return kNoErr;
}

// Never destroyed: a plug-in's static objects may still call the host while the process
// exits, and memory reachable from a static pointer is not a leak.
Model& model() {
  static Model* const instance = new Model();
  return *instance;
}

void resetModel() { model() = Model(); }

}  // namespace host
