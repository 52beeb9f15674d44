#include "model/Document.h"

#include <algorithm>

#include "model/Geometry.h"

namespace host {

const Artboard* Document::artboard(int32_t index) const {
  if (index < 0 || index >= artboardCount()) return nullptr;
  return &artboards[static_cast<size_t>(index)];
}

AIErr Document::addArtboard(const AIRealRect& rect) {
  if (!isFinite(rect)) return kNotFiniteErr;
  artboards.push_back(Artboard{rect, "Plan de travail " + std::to_string(nextArtboardNumber++)});
  return kNoErr;
}

AIErr Document::removeArtboard(int32_t index) {
  if (!artboard(index) || artboards.size() == 1) return kBadParameterErr;
  artboards.erase(artboards.begin() + index);
  if (activeArtboard > index || activeArtboard >= artboardCount())
    activeArtboard = std::max(0, activeArtboard - 1);
  return kNoErr;
}

AIErr Document::setActiveArtboard(int32_t index) {
  if (!artboard(index)) return kBadParameterErr;
  activeArtboard = index;
  return kNoErr;
}

AIErr Document::setRulerUnits(int16_t units) {
  if (units < kInchesUnits || units > kMetersUnits) return kBadParameterErr;
  rulerUnits = units;
  return kNoErr;
}

int32_t Document::layerIndex(Ref layer) const {
  const auto found = std::find(layers.begin(), layers.end(), layer);
  return found == layers.end() ? -1 : static_cast<int32_t>(found - layers.begin());
}

}  // namespace host
