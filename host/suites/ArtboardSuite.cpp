// The artboard suite over the model. An artboard list is a token for the document that was
// in front when it was made; it answers kStaleHandleErr once another document is in front.
// Property records are snapshots owned by the caller until disposed.
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIArtboardListRef listFor(const Document& document) {
  return toHandle<AIArtboardListRef>(Ref{0, document.id});
}

AIErr documentOf(AIArtboardListRef list, Document** document) {
  const Ref token = fromHandle(list);
  if (token.isNull()) return kBadParameterErr;
  Document* front = model().front();
  if (!front) return kNoDocumentErr;
  if (token.generation != front->id) return kStaleHandleErr;
  *document = front;
  return kNoErr;
}

AIErr recordOf(AIArtboardPropertiesRef properties, const Artboard** record) {
  const Ref ref = fromHandle(properties);
  if (ref.isNull()) return kBadParameterErr;
  *record = model().artboardRecords().find(ref);
  return *record ? kNoErr : kStaleHandleErr;
}

AIErr GetArtboardList(AIArtboardListRef* list) {
  if (!list) return kBadParameterErr;
  const Document* front = model().front();
  if (!front) return kNoDocumentErr;
  *list = listFor(*front);
  return kNoErr;
}

AIErr ReleaseArtboardList(AIArtboardListRef list) {
  return fromHandle(list).isNull() ? kBadParameterErr : kNoErr;
}

AIErr GetCount(AIArtboardListRef list, int32_t* count) {
  if (!count) return kBadParameterErr;
  Document* document = nullptr;
  if (const AIErr error = documentOf(list, &document)) return error;
  *count = document->artboardCount();
  return kNoErr;
}

AIErr GetActive(AIArtboardListRef list, int32_t* index) {
  if (!index) return kBadParameterErr;
  Document* document = nullptr;
  if (const AIErr error = documentOf(list, &document)) return error;
  *index = document->activeArtboard;
  return kNoErr;
}

AIErr SetActive(AIArtboardListRef list, int32_t index) {
  Document* document = nullptr;
  if (const AIErr error = documentOf(list, &document)) return error;
  return document->setActiveArtboard(index);
}

AIErr GetArtboardProperties(AIArtboardListRef list, int32_t index,
                            AIArtboardPropertiesRef* properties) {
  if (!properties) return kBadParameterErr;
  Document* document = nullptr;
  if (const AIErr error = documentOf(list, &document)) return error;
  const Artboard* artboard = document->artboard(index);
  if (!artboard) return kBadParameterErr;
  const Ref record = model().artboardRecords().insert(*artboard);
  if (record.isNull()) return kTooManyErr;
  *properties = toHandle<AIArtboardPropertiesRef>(record);
  return kNoErr;
}

AIErr DisposeArtboardProperties(AIArtboardPropertiesRef properties) {
  const Ref ref = fromHandle(properties);
  if (!model().artboardRecords().isLive(ref)) return kBadParameterErr;
  model().artboardRecords().erase(ref);
  return kNoErr;
}

AIErr GetPosition(AIArtboardPropertiesRef properties, AIRealRect* rect) {
  if (!rect) return kBadParameterErr;
  const Artboard* record = nullptr;
  if (const AIErr error = recordOf(properties, &record)) return error;
  *rect = record->rect;
  return kNoErr;
}

AIErr GetName(AIArtboardPropertiesRef properties, AIUnicodeStringRef* name) {
  if (!name) return kBadParameterErr;
  const Artboard* record = nullptr;
  if (const AIErr error = recordOf(properties, &record)) return error;
  return returnString(record->name, name);
}

}  // namespace

extern const AIArtboardSuite artboardSuite = {
    GetArtboardList,       ReleaseArtboardList,       GetCount,    GetActive, SetActive,
    GetArtboardProperties, DisposeArtboardProperties, GetPosition, GetName,
};

}  // namespace host
