#include "model/UndoHistory.h"

#include <utility>

namespace host {

DocumentFrame frameOf(const Document& document) {
  return DocumentFrame{document.artboards,   document.activeArtboard,  document.layers,
                       document.currentLayer, document.selection,      document.nextLayerNumber,
                       document.nextArtboardNumber};
}

void swapFrame(Document& document, DocumentFrame& frame) {
  std::swap(document.artboards, frame.artboards);
  std::swap(document.activeArtboard, frame.activeArtboard);
  std::swap(document.layers, frame.layers);
  std::swap(document.currentLayer, frame.currentLayer);
  std::swap(document.selection, frame.selection);
  std::swap(document.nextLayerNumber, frame.nextLayerNumber);
  std::swap(document.nextArtboardNumber, frame.nextArtboardNumber);
}

}  // namespace host
