// A document's undo history: one step per user event that changed the document, each
// holding only what the event changed (the art and layer slots as they were, and the
// document's own lists when they changed), so that a long history of a large document costs
// what its events changed and not copies of the document.
#ifndef GUIDES_HOST_MODEL_UNDOHISTORY_H
#define GUIDES_HOST_MODEL_UNDOHISTORY_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "model/Art.h"
#include "model/Document.h"
#include "model/Layer.h"
#include "model/SlotTable.h"

namespace host {

// What of a document itself an undo brings back, besides its art and layers.
struct DocumentFrame {
  std::vector<Artboard> artboards;
  int32_t activeArtboard = 0;
  std::vector<Ref> layers;
  Ref currentLayer;
  std::vector<Ref> selection;
  int32_t nextLayerNumber = 1;
  int32_t nextArtboardNumber = 1;

  bool operator==(const DocumentFrame&) const = default;
};

DocumentFrame frameOf(const Document& document);
// The document takes the frame's lists and the frame the document's.
void swapFrame(Document& document, DocumentFrame& frame);

// One event's changes to one document: swapping every image with its slot undoes the step,
// and swapping them again redoes it.
struct UndoStep {
  std::vector<SlotImage<Art>> arts;
  std::vector<SlotImage<Layer>> layers;
  std::optional<DocumentFrame> frame;
};

// Besides its 100 steps, a history keeps at most 2,000,000 changed objects (a few hundred
// megabytes): a document re-laid out whole at each event keeps fewer, larger steps.
struct DocumentHistory {
  static constexpr size_t kMaxSteps = 100;
  static constexpr size_t kMaxImages = 2'000'000;
  std::deque<UndoStep> done;     // the last is undone first
  std::vector<UndoStep> undone;  // the last is redone first
  size_t images = 0;             // of the steps in both lists
};

inline size_t imageCount(const UndoStep& step) { return step.arts.size() + step.layers.size(); }

}  // namespace host

#endif
