// Art of the front document: making, placing, disposing, reading and changing it.
#include <algorithm>
#include <utility>

#include "model/Model.h"

namespace host {

const Art* Model::validArt(Ref art) const {
  const Document* document = front();
  const Art* found = arts_.find(art);
  if (!document || !found || found->document != document->id) return nullptr;
  return found;
}

bool Model::isValidArt(Ref art) const { return validArt(art) != nullptr; }

// The common checks of every read: a handle, a document in front, live art of it.
AIErr Model::readableArt(Ref art, const Art** found) const {
  if (art.isNull()) return kBadParameterErr;
  if (!front()) return kNoDocumentErr;
  *found = validArt(art);
  return *found ? kNoErr : kStaleHandleErr;
}

// The common checks of every change: a handle, live art of the front document, an
// editable layer.
AIErr Model::editableArt(Ref art, Art** found) {
  const Art* readable = nullptr;
  if (const AIErr error = readableArt(art, &readable)) return error;
  return editableIn(art, *readable, found);
}

// The art found readable, for a change when its layer is editable.
AIErr Model::editableIn(Ref art, const Art& readable, Art** found) {
  const Layer* layer = layers_.find(readable.layer);
  if (!layer || !layer->editable) return kLayerLockedErr;
  *found = &arts_.at(art.slot);
  return kNoErr;
}

// The art a paint order places new art against: the sibling for above / below, the
// group for inside and above / below all.
AIErr Model::placementOf(int16_t paintOrder, Ref prep, uint32_t* anchor) const {
  const Document* document = front();
  if (!document) return kNoDocumentErr;
  if (!prep.isNull() && !validArt(prep)) return kStaleHandleErr;
  const Layer* current = layers_.find(document->currentLayer);
  switch (paintOrder) {
    case kPlaceAbove:
    case kPlaceBelow:
      if (prep.isNull() || arts_.at(prep.slot).parent == kNoSlot) return kBadParameterErr;
      *anchor = prep.slot;
      return kNoErr;
    case kPlaceInsideOnTop:
    case kPlaceInsideOnBottom:
      if (prep.isNull()) break;
      if (arts_.at(prep.slot).type != kGroupArt) return kBadParameterErr;
      *anchor = prep.slot;
      return kNoErr;
    case kPlaceAboveAll:
    case kPlaceBelowAll:
      break;
    default:
      return kBadParameterErr;
  }
  if (!current) return kCantHappenErr;
  *anchor = current->group.slot;
  return kNoErr;
}

void Model::place(int16_t paintOrder, uint32_t anchor, uint32_t art) {
  switch (paintOrder) {
    case kPlaceAbove:
      arts_.insertAbove(anchor, art);
      break;
    case kPlaceBelow:
      arts_.insertBelow(anchor, art);
      break;
    case kPlaceInsideOnTop:
    case kPlaceAboveAll:
      arts_.insertOnTop(anchor, art);
      break;
    default:
      arts_.insertAtBottom(anchor, art);
      break;
  }
}

AIErr Model::newArt(int16_t type, int16_t paintOrder, Ref prep, Ref* made) {
  if (!made || (type != kGroupArt && type != kPathArt)) return kBadParameterErr;
  uint32_t anchor = kNoSlot;
  if (const AIErr error = placementOf(paintOrder, prep, &anchor)) return error;
  const Art& anchorArt = arts_.at(anchor);
  const Layer* layer = layers_.find(anchorArt.layer);
  if (!layer || !layer->editable) return kLayerLockedErr;

  Art art;
  art.type = type;
  art.document = anchorArt.document;
  art.layer = anchorArt.layer;
  const Ref ref = arts_.create(std::move(art));
  if (ref.isNull()) return kTooManyErr;
  place(paintOrder, anchor, ref.slot);
  *made = ref;
  return kNoErr;
}

AIErr Model::disposeArt(Ref art) {
  Art* found = nullptr;
  if (const AIErr error = editableArt(art, &found)) return error;
  if (found->parent == kNoSlot) return kBadParameterErr;  // a layer's group goes with its layer
  arts_.disposeSubtree(art.slot);
  return kNoErr;
}

AIErr Model::artType(Ref art, int16_t* type) const {
  if (!type) return kBadParameterErr;
  const Art* found = nullptr;
  if (const AIErr error = readableArt(art, &found)) return error;
  *type = found->type;
  return kNoErr;
}

// Reads one link of valid art into a reference (null when the link is empty).
template <class Link>
AIErr Model::readLink(Ref art, Ref* out, Link link) const {
  if (!out) return kBadParameterErr;
  const Art* found = nullptr;
  if (const AIErr error = readableArt(art, &found)) return error;
  *out = arts_.refAt(link(*found));
  return kNoErr;
}

AIErr Model::artParent(Ref art, Ref* parent) const {
  return readLink(art, parent, [](const Art& a) { return a.parent; });
}

AIErr Model::artFirstChild(Ref art, Ref* child) const {
  return readLink(art, child, [](const Art& a) { return a.firstChild; });
}

AIErr Model::artNextSibling(Ref art, Ref* sibling) const {
  return readLink(art, sibling, [](const Art& a) { return a.nextSibling; });
}

AIErr Model::artPriorSibling(Ref art, Ref* sibling) const {
  return readLink(art, sibling, [](const Art& a) { return a.prevSibling; });
}

AIErr Model::artBounds(Ref art, AIRealRect* bounds) const {
  if (!bounds) return kBadParameterErr;
  const Art* found = nullptr;
  if (const AIErr error = readableArt(art, &found)) return error;
  arts_.anchorBounds(art.slot, bounds);
  return kNoErr;
}

AIErr Model::artName(Ref art, std::string* name, bool* isDefaultName) const {
  if (!name) return kBadParameterErr;
  const Art* found = nullptr;
  if (const AIErr error = readableArt(art, &found)) return error;
  const bool isDefault = found->name.empty();
  *name = !isDefault ? found->name : found->type == kGroupArt ? "<Groupe>" : "<Tracé>";
  if (isDefaultName) *isDefaultName = isDefault;
  return kNoErr;
}

AIErr Model::setArtName(Ref art, std::string_view name) {
  Art* found = nullptr;
  if (const AIErr error = editableArt(art, &found)) return error;
  found->name.assign(name);
  return kNoErr;
}

AIErr Model::artUserAttributes(Ref art, int32_t which, int32_t* attributes) const {
  if (!attributes) return kBadParameterErr;
  const Art* found = nullptr;
  if (const AIErr error = readableArt(art, &found)) return error;
  *attributes = found->userAttributes & which;
  return kNoErr;
}

AIErr Model::setArtUserAttributes(Ref art, int32_t which, int32_t attributes) {
  Art* found = nullptr;
  if (const AIErr error = editableArt(art, &found)) return error;
  const bool wasSelected = found->userAttributes & kArtSelected;
  found->userAttributes = (found->userAttributes & ~which) | (attributes & which);
  const bool isSelected = found->userAttributes & kArtSelected;
  if (wasSelected != isSelected) setSelected(*front(), art, isSelected);
  return kNoErr;
}

void Model::setSelected(Document& document, Ref art, bool selected) {
  auto& list = document.selection;
  list.erase(
      std::remove_if(list.begin(), list.end(), [&](Ref r) { return r == art || !std::as_const(arts_).find(r); }),
      list.end());
  if (selected) list.push_back(art);
}

std::vector<Ref> Model::selection() {
  std::vector<Ref> live;
  if (const Document* document = front())
    for (Ref r : document->selection)
      if (std::as_const(arts_).find(r)) live.push_back(r);
  return live;
}

AIErr Model::layerOfArt(Ref art, Ref* layer) const {
  if (!layer) return kBadParameterErr;
  const Art* found = nullptr;
  if (const AIErr error = readableArt(art, &found)) return error;
  *layer = found->layer;
  return kNoErr;
}

}  // namespace host
