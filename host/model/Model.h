// The simulated host's model: open documents, the art and layers they hold, the host's
// strings, the alert log and the resources handed out to plug-ins. Every operation on art
// and layers addresses the document in front and answers a host result code; references
// that are stale (disposed, or of a document not in front) get kStaleHandleErr and change
// nothing, null ones where an object is required kBadParameterErr.
#ifndef GUIDES_HOST_MODEL_MODEL_H
#define GUIDES_HOST_MODEL_MODEL_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "AITypes.h"
#include "model/ArtTree.h"
#include "model/Document.h"
#include "model/Layer.h"
#include "model/SlotTable.h"
#include "model/SlotChanges.h"
#include "model/StringTable.h"
#include "model/UndoHistory.h"

namespace host {

class Model {
 public:
  // Documents, in order of creation. A new document comes in front with the given
  // artboards (at least one, all finite) and one layer "Calque 1", editable, visible, current.
  AIErr newDocument(std::string name, std::span<const AIRealRect> artboards);
  AIErr bringToFront(size_t index);
  // Closes a document with everything in it; the last of the remaining ones comes in front.
  AIErr closeDocument(size_t index);
  size_t documentCount() const { return documents_.size(); }
  const Document& documentAt(size_t index) const { return *documents_[index]; }
  // Asked by nearly every suite call: inline.
  Document* front() { return front_ < documents_.size() ? documents_[front_].get() : nullptr; }
  const Document* front() const { return front_ < documents_.size() ? documents_[front_].get() : nullptr; }

  // Art of the front document. Paint orders are those of AITypes.h; a null prep with the
  // inside orders means the current layer's group. Art in a non-editable layer cannot be
  // made, disposed or changed (kLayerLockedErr).
  bool isValidArt(Ref art) const;
  AIErr newArt(int16_t type, int16_t paintOrder, Ref prep, Ref* made);
  AIErr disposeArt(Ref art);
  AIErr artType(Ref art, int16_t* type) const;
  AIErr artParent(Ref art, Ref* parent) const;
  AIErr artFirstChild(Ref art, Ref* child) const;
  AIErr artNextSibling(Ref art, Ref* sibling) const;
  AIErr artPriorSibling(Ref art, Ref* sibling) const;
  // Bounds of the anchor points; art without any has the empty rectangle (0, 0, 0, 0).
  AIErr artBounds(Ref art, AIRealRect* bounds) const;
  // The art's name, or its default name ("<Groupe>", "<Tracé>") when it has none.
  AIErr artName(Ref art, std::string* name, bool* isDefaultName) const;
  AIErr setArtName(Ref art, std::string_view name);
  AIErr artUserAttributes(Ref art, int32_t which, int32_t* attributes) const;
  AIErr setArtUserAttributes(Ref art, int32_t which, int32_t attributes);
  AIErr layerOfArt(Ref art, Ref* layer) const;
  // The live selected art of the front document, in the order it was selected.
  std::vector<Ref> selection();
  // Makes exactly `arts` (live art of the front document) the selection, as the user does
  // by clicking: art in a locked layer is not refused here, the caller decides. *changed
  // tells whether the selection is now different.
  AIErr selectOnly(const std::vector<Ref>& arts, bool* changed);

  // Paths of the front document.
  AIErr pathSegmentCount(Ref path, int16_t* count) const;
  AIErr setPathSegmentCount(Ref path, int16_t count);
  AIErr pathSegments(Ref path, int16_t first, int16_t count, AIPathSegment* segments) const;
  AIErr setPathSegments(Ref path, int16_t first, int16_t count, const AIPathSegment* segments);
  AIErr pathClosed(Ref path, bool* closed) const;
  AIErr setPathClosed(Ref path, bool closed);
  AIErr pathIsGuide(Ref path, bool* guide) const;
  AIErr setPathIsGuide(Ref path, bool guide);
  // A closed path along the rectangle's edges from its top left corner, above all art of
  // the current layer, named unless `name` is empty: the rectangle a user draws.
  AIErr newRectangle(const AIRealRect& bounds, std::string_view name, Ref* made);

  // Layers of the front document, top first. A new layer is titled "Calque N" and does not
  // become the current layer.
  // The layer if it is live and of the front document, else null.
  const Layer* findLayer(Ref layer) const;
  // The same with the host's answer when there is none (null, no document, stale).
  AIErr readableLayer(Ref layer, const Layer** found) const;
  AIErr layerCount(int32_t* count) const;
  AIErr nthLayer(int32_t n, Ref* layer) const;
  AIErr currentLayer(Ref* layer) const;
  AIErr setCurrentLayer(Ref layer);
  AIErr insertLayer(Ref base, int16_t paintOrder, Ref* made);
  AIErr deleteLayer(Ref layer);
  AIErr setLayerTitle(Ref layer, std::string_view title);
  AIErr setLayerEditable(Ref layer, bool editable);
  AIErr setLayerVisible(Ref layer, bool visible);
  // The first layer of the front document with this title, or a null Ref.
  Ref layerTitled(std::string_view title) const;

  // Undo and redo, per document. The host marks a step at the end of every user event: what
  // the event changed of a document (its art, layers, artboards and selection) becomes one
  // step of that document's history, the redo steps go, and the oldest beyond 100 goes; an
  // event that changed nothing, or made the document, makes no step. An undo brings art back
  // in its slot under its old reference, so the handles a plug-in kept are valid again.
  void markStep();
  bool canUndo() const;
  bool canRedo() const;
  // The front document's last step undone (redone); kNotFoundErr when there is none.
  AIErr undo();
  AIErr redo();

  // Stores and tables read by the suites and the printouts.
  const ArtTree& arts() const { return arts_; }
  StringTable& strings() { return strings_; }
  const StringTable& strings() const { return strings_; }
  SlotTable<Artboard>& artboardRecords() { return artboardRecords_; }
  SlotTable<char>& cursorManagers() { return cursorManagers_; }

  // Alerts are shown by logging their text, as if the user dismissed them at once.
  void alert(std::string text) { alerts_.push_back(std::move(text)); }
  const std::vector<std::string>& alerts() const { return alerts_; }

 private:
  const Art* validArt(Ref art) const;
  AIErr readableArt(Ref art, const Art** found) const;
  template <class Link>
  AIErr readLink(Ref art, Ref* out, Link link) const;
  AIErr layerToChange(Ref layer, Layer** found);
  AIErr editableArt(Ref art, Art** found);
  AIErr editableIn(Ref art, const Art& readable, Art** found);
  AIErr editablePath(Ref path, Art** found);
  AIErr readablePath(Ref path, const Art** found) const;
  AIErr placementOf(int16_t paintOrder, Ref prep, uint32_t* anchor) const;
  void place(int16_t paintOrder, uint32_t anchor, uint32_t art);
  AIErr makeLayer(Document& document, std::string title, Ref* made);
  void setSelected(Document& document, Ref art, bool selected);
  Document* openDocument(uint64_t id);
  void keepStep(uint64_t document, UndoStep step);
  AIErr travel(bool back);
  void swapStep(Document& document, UndoStep& step);
  void discard(UndoStep& step);

  std::vector<std::unique_ptr<Document>> documents_;
  size_t front_ = SIZE_MAX;
  ArtTree arts_;
  SlotTable<Layer> layers_;
  SlotChanges<Layer> layerChanges_;
  std::map<uint64_t, DocumentHistory> histories_;  // by document id
  // The documents open at the last step's mark, and the front one's frame then.
  std::vector<uint64_t> markedDocuments_;
  uint64_t framedDocument_ = 0;
  DocumentFrame frameAtMark_;
  StringTable strings_;
  SlotTable<Artboard> artboardRecords_;
  SlotTable<char> cursorManagers_;
  std::vector<std::string> alerts_;
};

// The host's one model, and its replacement by a fresh one (no document, empty logs).
Model& model();
void resetModel();

}  // namespace host

#endif
