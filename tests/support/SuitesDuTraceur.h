// The host suites the tracers, the tool's click and cursor tracking and the hover test
// call, taken from the test host into the plug-in's globals (after each testhost::reset()).
#ifndef GUIDES_TESTS_SUITESDUTRACEUR_H
#define GUIDES_TESTS_SUITESDUTRACEUR_H

#include "GuidesSuites.h"
#include "TestHost.h"

namespace testhost {

inline void plugTracerSuites() {
  sAIArt = suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
  sAIPath = suite<AIPathSuite>(kAIPathSuite, kAIPathSuiteVersion);
  sAILayer = suite<AILayerSuite>(kAILayerSuite, kAILayerSuiteVersion);
  sAIArtboard = suite<AIArtboardSuite>(kAIArtboardSuite, kAIArtboardSuiteVersion);
  sAIUser = suite<AIUserSuite>(kAIUserSuite, kAIUserSuiteVersion);
  sAIUnicodeString = suite<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
  sAIDocumentView = suite<AIDocumentViewSuite>(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
  sAIDocument = suite<AIDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion);
  sAIHitTest = suite<AIHitTestSuite>(kAIHitTestSuite, kAIHitTestSuiteVersion);
  sAIAnnotator = suite<AIAnnotatorSuite>(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion);
}

}  // namespace testhost

#endif
