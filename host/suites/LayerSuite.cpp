// The layer suite over the model: layers of the document in front, top first.
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr returnLayer(AIErr error, Ref ref, AILayerHandle* out) {
  if (!error) *out = toHandle<AILayerHandle>(ref);
  return error;
}

// The layer a handle designates, with the host's answer when there is none.
AIErr layerOf(AILayerHandle handle, const Layer** layer) {
  return model().readableLayer(fromHandle(handle), layer);
}

AIErr CountLayers(int32_t* count) { return model().layerCount(count); }

AIErr GetNthLayer(int32_t n, AILayerHandle* layer) {
  if (!layer) return kBadParameterErr;
  Ref found;
  return returnLayer(model().nthLayer(n, &found), found, layer);
}

AIErr GetCurrentLayer(AILayerHandle* layer) {
  if (!layer) return kBadParameterErr;
  Ref found;
  return returnLayer(model().currentLayer(&found), found, layer);
}

AIErr SetCurrentLayer(AILayerHandle layer) { return model().setCurrentLayer(fromHandle(layer)); }

AIErr InsertLayer(AILayerHandle base, int16_t paintOrder, AILayerHandle* newLayer) {
  if (!newLayer) return kBadParameterErr;
  Ref made;
  return returnLayer(model().insertLayer(fromHandle(base), paintOrder, &made), made, newLayer);
}

AIErr DeleteLayer(AILayerHandle layer) { return model().deleteLayer(fromHandle(layer)); }

AIErr GetLayerTitle(AILayerHandle layer, AIUnicodeStringRef* title) {
  if (!title) return kBadParameterErr;
  const Layer* found = nullptr;
  if (const AIErr error = layerOf(layer, &found)) return error;
  return returnString(found->title, title);
}

AIErr SetLayerTitle(AILayerHandle layer, AIUnicodeStringRef title) {
  const std::string* text = receivedString(title);
  if (!text) return kBadParameterErr;
  return model().setLayerTitle(fromHandle(layer), *text);
}

AIErr GetLayerEditable(AILayerHandle layer, AIBoolean* editable) {
  if (!editable) return kBadParameterErr;
  const Layer* found = nullptr;
  if (const AIErr error = layerOf(layer, &found)) return error;
  *editable = toBoolean(found->editable);
  return kNoErr;
}

AIErr SetLayerEditable(AILayerHandle layer, AIBoolean editable) {
  return model().setLayerEditable(fromHandle(layer), editable != 0);
}

AIErr GetLayerVisible(AILayerHandle layer, AIBoolean* visible) {
  if (!visible) return kBadParameterErr;
  const Layer* found = nullptr;
  if (const AIErr error = layerOf(layer, &found)) return error;
  *visible = toBoolean(found->visible);
  return kNoErr;
}

AIErr SetLayerVisible(AILayerHandle layer, AIBoolean visible) {
  return model().setLayerVisible(fromHandle(layer), visible != 0);
}

AIErr GetFirstArtOfLayer(AILayerHandle layer, AIArtHandle* group) {
  if (!group) return kBadParameterErr;
  const Layer* found = nullptr;
  if (const AIErr error = layerOf(layer, &found)) return error;
  *group = toHandle<AIArtHandle>(found->group);
  return kNoErr;
}

}  // namespace

extern const AILayerSuite layerSuite = {
    CountLayers,     GetNthLayer,     GetCurrentLayer,    SetCurrentLayer,  InsertLayer,
    DeleteLayer,     GetLayerTitle,   SetLayerTitle,      GetLayerEditable, SetLayerEditable,
    GetLayerVisible, SetLayerVisible, GetFirstArtOfLayer,
};

}  // namespace host
