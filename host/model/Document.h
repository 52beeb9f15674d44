// One open document: artboards, layers (top first), views, ruler unit and selection.
#ifndef GUIDES_HOST_MODEL_DOCUMENT_H
#define GUIDES_HOST_MODEL_DOCUMENT_H

#include <cstdint>
#include <string>
#include <vector>

#include "AIDocument.h"
#include "AITypes.h"
#include "model/Ref.h"

namespace host {

struct Artboard {
  AIRealRect rect{0, 0, 0, 0};
  std::string name;

  bool operator==(const Artboard& other) const {
    return rect.left == other.rect.left && rect.top == other.rect.top && rect.right == other.rect.right &&
           rect.bottom == other.rect.bottom && name == other.name;
  }
};

// A guide of the file the document was opened from, the user's own: the line through (x, y)
// along (dx, dy), artwork points. It is shown and written back, never art.
struct FileGuide {
  double x = 0, y = 0, dx = 0, dy = 1;
};

// A window on the document: its zoom and the artwork point at its centre.
struct View {
  double zoom = 1.0;
  AIRealPoint centre{0, 0};
};

struct Document {
  uint64_t id = 0;  // unique for the life of the process
  std::string name;
  std::vector<Artboard> artboards;
  int32_t activeArtboard = 0;
  std::vector<Ref> layers;  // top first
  Ref currentLayer;
  std::vector<View> views;
  int16_t rulerUnits = kPointsUnits;
  std::vector<FileGuide> fileGuides;
  std::vector<Ref> selection;  // may hold disposed art until the selection is next changed
  int32_t nextLayerNumber = 1;
  int32_t nextArtboardNumber = 1;

  int32_t artboardCount() const { return static_cast<int32_t>(artboards.size()); }
  // The artboard at index, or null when the document has no such index.
  const Artboard* artboard(int32_t index) const;
  // Appends an artboard named "Plan de travail N"; a non-finite rectangle is refused.
  AIErr addArtboard(const AIRealRect& rect);
  // Removes an artboard; the last one cannot go. The active index stays on a real artboard.
  AIErr removeArtboard(int32_t index);
  AIErr setActiveArtboard(int32_t index);
  AIErr setRulerUnits(int16_t units);
  // Position of the layer in the list (0 = top), or -1.
  int32_t layerIndex(Ref layer) const;
};

}  // namespace host

#endif
