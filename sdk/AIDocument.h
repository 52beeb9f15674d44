/* The document in front. */
#ifndef GUIDES_SDK_AIDOCUMENT_H
#define GUIDES_SDK_AIDOCUMENT_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 1013

/* Ruler units. */
enum {
  kInchesUnits = 1,
  kCentimetersUnits = 2,
  kPointsUnits = 3,
  kPicasUnits = 4,
  kMillimetersUnits = 5,
  kPixelsUnits = 6,
  kQUnits = 7,
  kFeetUnits = 8,
  kYardsUnits = 9,
  kMetersUnits = 10
};

typedef struct AIDocumentSuite {
  /* With a document in front; *document is a host handle for that document. */
  AIErr (*GetDocument)(AIDocumentHandle* document);
  /* With a document in front; one of the ruler units above. */
  AIErr (*GetDocumentRulerUnits)(int16_t* units);
  /* With a document in front; one of the ruler units above, others refused. */
  AIErr (*SetDocumentRulerUnits)(int16_t units);
} AIDocumentSuite;

AI_END_C

#endif
