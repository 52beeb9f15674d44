// Undo and redo of the front document: steps marked at the end of each user event, kept per
// document, swapped in and out of the tables.
#include <algorithm>
#include <utility>

#include "model/Model.h"

namespace host {

Document* Model::openDocument(uint64_t id) {
  for (const auto& document : documents_)
    if (document->id == id) return document.get();
  return nullptr;
}

namespace {

// The images of one table, each under the document its object belongs to. An event mostly
// changes one document: its images then go into its step whole, not moved one by one.
template <class T, class DocumentOf>
void groupByDocument(std::vector<SlotImage<T>> images, std::map<uint64_t, UndoStep>& steps,
                     std::vector<SlotImage<T>> UndoStep::*list, DocumentOf documentOf) {
  if (images.empty()) return;
  const uint64_t first = documentOf(images.front());
  if (std::all_of(images.begin(), images.end(), [&](const SlotImage<T>& image) { return documentOf(image) == first; })) {
    steps[first].*list = std::move(images);
    return;
  }
  for (SlotImage<T>& image : images) (steps[documentOf(image)].*list).push_back(std::move(image));
}

}  // namespace

void Model::markStep() {
  std::map<uint64_t, UndoStep> steps;
  // A freed object kept in its slot is read there.
  groupByDocument(arts_.takeChanges(), steps, &UndoStep::arts, [this](const SlotImage<Art>& image) {
    return image.value ? image.value->document : std::as_const(arts_).at(image.slot).document;
  });
  groupByDocument(layerChanges_.take(layers_), steps, &UndoStep::layers, [this](const SlotImage<Layer>& image) {
    return image.value ? image.value->document : std::as_const(layers_).at(image.slot).document;
  });
  if (const Document* framed = openDocument(framedDocument_); framed && !(frameOf(*framed) == frameAtMark_))
    steps[framedDocument_].frame = std::move(frameAtMark_);
  for (auto& [id, step] : steps) keepStep(id, std::move(step));

  // A closed document's history goes with it.
  for (auto it = histories_.begin(); it != histories_.end();) {
    if (openDocument(it->first)) {
      ++it;
      continue;
    }
    for (UndoStep& step : it->second.done) discard(step);
    for (UndoStep& step : it->second.undone) discard(step);
    it = histories_.erase(it);
  }
  markedDocuments_.clear();
  for (const auto& document : documents_) markedDocuments_.push_back(document->id);
  const Document* document = front();
  framedDocument_ = document ? document->id : 0;
  frameAtMark_ = document ? frameOf(*document) : DocumentFrame{};
}

// A document closed, or made, since the last mark keeps no step: its history starts empty.
void Model::keepStep(uint64_t document, UndoStep step) {
  const bool marked = std::find(markedDocuments_.begin(), markedDocuments_.end(), document) != markedDocuments_.end();
  if (!marked || !openDocument(document)) return discard(step);
  DocumentHistory& history = histories_[document];
  for (UndoStep& redo : history.undone) {
    history.images -= imageCount(redo);
    discard(redo);
  }
  history.undone.clear();
  history.images += imageCount(step);
  history.done.push_back(std::move(step));
  while (history.done.size() > DocumentHistory::kMaxSteps ||
         (history.done.size() > 1 && history.images > DocumentHistory::kMaxImages)) {
    history.images -= imageCount(history.done.front());
    discard(history.done.front());
    history.done.pop_front();
  }
}

bool Model::canUndo() const {
  const Document* document = front();
  const auto found = document ? histories_.find(document->id) : histories_.end();
  return found != histories_.end() && !found->second.done.empty();
}

bool Model::canRedo() const {
  const Document* document = front();
  const auto found = document ? histories_.find(document->id) : histories_.end();
  return found != histories_.end() && !found->second.undone.empty();
}

AIErr Model::undo() { return travel(true); }
AIErr Model::redo() { return travel(false); }

AIErr Model::travel(bool back) {
  markStep();  // what changed since the last event is a step of its own
  Document* document = front();
  if (!document) return kNoDocumentErr;
  if (back ? !canUndo() : !canRedo()) return kNotFoundErr;
  DocumentHistory& history = histories_[document->id];
  UndoStep step;
  if (back) {
    step = std::move(history.done.back());
    history.done.pop_back();
  } else {
    step = std::move(history.undone.back());
    history.undone.pop_back();
  }
  swapStep(*document, step);
  if (back)
    history.undone.push_back(std::move(step));
  else
    history.done.push_back(std::move(step));
  frameAtMark_ = frameOf(*document);
  return kNoErr;
}

void Model::swapStep(Document& document, UndoStep& step) {
  for (SlotImage<Art>& image : step.arts) arts_.swapImage(image);
  for (SlotImage<Layer>& image : step.layers) layers_.swapImage(image);
  if (step.frame) swapFrame(document, *step.frame);
}

void Model::discard(UndoStep& step) {
  for (const SlotImage<Art>& image : step.arts) arts_.release(image.slot);
  for (const SlotImage<Layer>& image : step.layers) layers_.release(image.slot);
  step.arts.clear();
  step.layers.clear();
}

}  // namespace host
