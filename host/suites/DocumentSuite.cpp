// The document suite: the document in front and its ruler unit.
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr GetDocument(AIDocumentHandle* document) {
  if (!document) return kBadParameterErr;
  const Document* front = model().front();
  if (!front) return kNoDocumentErr;
  *document = toHandle<AIDocumentHandle>(Ref{0, front->id});
  return kNoErr;
}

AIErr GetDocumentRulerUnits(int16_t* units) {
  if (!units) return kBadParameterErr;
  const Document* front = model().front();
  if (!front) return kNoDocumentErr;
  *units = front->rulerUnits;
  return kNoErr;
}

AIErr SetDocumentRulerUnits(int16_t units) {
  Document* front = model().front();
  if (!front) return kNoDocumentErr;
  return front->setRulerUnits(units);
}

}  // namespace

extern const AIDocumentSuite documentSuite = {
    GetDocument,
    GetDocumentRulerUnits,
    SetDocumentRulerUnits,
};

}  // namespace host
