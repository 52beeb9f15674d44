// Layers of the front document, top first, each holding its art in its own group.
#include <algorithm>

#include "model/Model.h"

namespace host {

AIErr Model::makeLayer(Document& document, std::string title, Ref* made) {
  const Ref layer = layers_.insert(Layer{document.id, std::move(title), true, true, Ref{}});
  if (layer.isNull()) return kTooManyErr;
  layerChanges_.noteMade(layers_, layer.slot);
  Art group;
  group.type = kGroupArt;
  group.document = document.id;
  group.layer = layer;
  const Ref groupRef = arts_.create(std::move(group));
  if (groupRef.isNull()) {
    layers_.erase(layer);
    return kTooManyErr;
  }
  layers_.find(layer)->group = groupRef;
  *made = layer;
  return kNoErr;
}

const Layer* Model::findLayer(Ref layer) const {
  const Document* document = front();
  const Layer* found = layers_.find(layer);
  if (!document || !found || found->document != document->id) return nullptr;
  return found;
}

// The common checks of every layer call: a handle, a document in front, a live layer of it.
AIErr Model::readableLayer(Ref layer, const Layer** found) const {
  if (layer.isNull()) return kBadParameterErr;
  if (!front()) return kNoDocumentErr;
  *found = findLayer(layer);
  return *found ? kNoErr : kStaleHandleErr;
}

AIErr Model::layerToChange(Ref layer, Layer** found) {
  const Layer* readable = nullptr;
  if (const AIErr error = readableLayer(layer, &readable)) return error;
  layerChanges_.note(layers_, layer.slot);
  *found = layers_.find(layer);
  return kNoErr;
}

AIErr Model::layerCount(int32_t* count) const {
  if (!count) return kBadParameterErr;
  const Document* document = front();
  if (!document) return kNoDocumentErr;
  *count = static_cast<int32_t>(document->layers.size());
  return kNoErr;
}

AIErr Model::nthLayer(int32_t n, Ref* layer) const {
  if (!layer) return kBadParameterErr;
  const Document* document = front();
  if (!document) return kNoDocumentErr;
  if (n < 0 || n >= static_cast<int32_t>(document->layers.size())) return kBadParameterErr;
  *layer = document->layers[static_cast<size_t>(n)];
  return kNoErr;
}

AIErr Model::currentLayer(Ref* layer) const {
  if (!layer) return kBadParameterErr;
  const Document* document = front();
  if (!document) return kNoDocumentErr;
  *layer = document->currentLayer;
  return kNoErr;
}

AIErr Model::setCurrentLayer(Ref layer) {
  Layer* found = nullptr;
  if (const AIErr error = layerToChange(layer, &found)) return error;
  front()->currentLayer = layer;
  return kNoErr;
}

AIErr Model::insertLayer(Ref base, int16_t paintOrder, Ref* made) {
  if (!made) return kBadParameterErr;
  Document* document = front();
  if (!document) return kNoDocumentErr;
  if (!base.isNull() && !findLayer(base)) return kStaleHandleErr;
  size_t position = 0;
  switch (paintOrder) {
    case kPlaceAbove:
    case kPlaceBelow:
      if (base.isNull()) return kBadParameterErr;
      position =
          static_cast<size_t>(document->layerIndex(base)) + (paintOrder == kPlaceBelow ? 1 : 0);
      break;
    case kPlaceAboveAll:
      position = 0;
      break;
    case kPlaceBelowAll:
      position = document->layers.size();
      break;
    default:
      return kBadParameterErr;
  }
  Ref layer;
  if (const AIErr error =
          makeLayer(*document, "Calque " + std::to_string(document->nextLayerNumber), &layer))
    return error;
  ++document->nextLayerNumber;
  document->layers.insert(document->layers.begin() + static_cast<std::ptrdiff_t>(position), layer);
  *made = layer;
  return kNoErr;
}

// The last layer of a document stays; a non-editable layer keeps its art and so stays too.
AIErr Model::deleteLayer(Ref layer) {
  Layer* found = nullptr;
  if (const AIErr error = layerToChange(layer, &found)) return error;
  Document& document = *front();
  if (document.layers.size() == 1) return kBadParameterErr;
  if (!found->editable) return kLayerLockedErr;

  arts_.disposeSubtree(found->group.slot);
  layers_.erase(layer);
  const auto index = static_cast<size_t>(document.layerIndex(layer));
  document.layers.erase(document.layers.begin() + static_cast<std::ptrdiff_t>(index));
  if (document.currentLayer == layer)
    document.currentLayer = document.layers[std::min(index, document.layers.size() - 1)];
  return kNoErr;
}

AIErr Model::setLayerTitle(Ref layer, std::string_view title) {
  Layer* found = nullptr;
  if (const AIErr error = layerToChange(layer, &found)) return error;
  found->title.assign(title);
  return kNoErr;
}

AIErr Model::setLayerEditable(Ref layer, bool editable) {
  Layer* found = nullptr;
  if (const AIErr error = layerToChange(layer, &found)) return error;
  found->editable = editable;
  return kNoErr;
}

AIErr Model::setLayerVisible(Ref layer, bool visible) {
  Layer* found = nullptr;
  if (const AIErr error = layerToChange(layer, &found)) return error;
  found->visible = visible;
  return kNoErr;
}

Ref Model::layerTitled(std::string_view title) const {
  if (const Document* document = front())
    for (Ref layer : document->layers)
      if (layers_.find(layer)->title == title) return layer;
  return Ref{};
}

}  // namespace host
