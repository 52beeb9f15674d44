// The art suite over the model: art of the document in front.
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr returnArt(AIErr error, Ref ref, AIArtHandle* out) {
  if (!error) *out = toHandle<AIArtHandle>(ref);
  return error;
}

AIErr NewArt(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt) {
  if (!newArt) return kBadParameterErr;
  Ref made;
  return returnArt(model().newArt(type, paintOrder, fromHandle(prep), &made), made, newArt);
}

AIErr DisposeArt(AIArtHandle art) { return model().disposeArt(fromHandle(art)); }

AIErr GetArtType(AIArtHandle art, int16_t* type) { return model().artType(fromHandle(art), type); }

AIErr GetArtParent(AIArtHandle art, AIArtHandle* parent) {
  if (!parent) return kBadParameterErr;
  Ref found;
  return returnArt(model().artParent(fromHandle(art), &found), found, parent);
}

AIErr GetArtFirstChild(AIArtHandle art, AIArtHandle* child) {
  if (!child) return kBadParameterErr;
  Ref found;
  return returnArt(model().artFirstChild(fromHandle(art), &found), found, child);
}

AIErr GetArtSibling(AIArtHandle art, AIArtHandle* sibling) {
  if (!sibling) return kBadParameterErr;
  Ref found;
  return returnArt(model().artNextSibling(fromHandle(art), &found), found, sibling);
}

AIErr GetArtPriorSibling(AIArtHandle art, AIArtHandle* sibling) {
  if (!sibling) return kBadParameterErr;
  Ref found;
  return returnArt(model().artPriorSibling(fromHandle(art), &found), found, sibling);
}

AIErr GetArtBounds(AIArtHandle art, AIRealRect* bounds) {
  return model().artBounds(fromHandle(art), bounds);
}

AIErr GetArtName(AIArtHandle art, AIUnicodeStringRef* name, AIBoolean* isDefaultName) {
  if (!name) return kBadParameterErr;
  std::string text;
  bool isDefault = false;
  if (const AIErr error = model().artName(fromHandle(art), &text, &isDefault)) return error;
  if (const AIErr error = returnString(text, name)) return error;
  if (isDefaultName) *isDefaultName = toBoolean(isDefault);
  return kNoErr;
}

AIErr SetArtName(AIArtHandle art, AIUnicodeStringRef name) {
  const std::string* text = receivedString(name);
  if (!text) return kBadParameterErr;
  return model().setArtName(fromHandle(art), *text);
}

AIErr GetArtUserAttr(AIArtHandle art, int32_t whichAttr, int32_t* attr) {
  return model().artUserAttributes(fromHandle(art), whichAttr, attr);
}

AIErr SetArtUserAttr(AIArtHandle art, int32_t whichAttr, int32_t attr) {
  return model().setArtUserAttributes(fromHandle(art), whichAttr, attr);
}

// A null or stale handle is simply not valid: the answer is false, not an error.
AIErr ValidArt(AIArtHandle art, AIBoolean /*searchAllLayerLists*/, AIBoolean* valid) {
  if (!valid) return kBadParameterErr;
  *valid = toBoolean(model().isValidArt(fromHandle(art)));
  return kNoErr;
}

AIErr GetLayerOfArt(AIArtHandle art, AILayerHandle* layer) {
  if (!layer) return kBadParameterErr;
  Ref found;
  const AIErr error = model().layerOfArt(fromHandle(art), &found);
  if (!error) *layer = toHandle<AILayerHandle>(found);
  return error;
}

}  // namespace

extern const AIArtSuite artSuite = {
    NewArt,         DisposeArt,         GetArtType,   GetArtParent,  GetArtFirstChild,
    GetArtSibling,  GetArtPriorSibling, GetArtBounds, GetArtName,    SetArtName,
    GetArtUserAttr, SetArtUserAttr,     ValidArt,     GetLayerOfArt,
};

}  // namespace host
