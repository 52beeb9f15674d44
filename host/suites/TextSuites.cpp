// Text frames, fonts and formatted numbers. The host's documents hold no text, so there
// is none to count or paint.
#include <cmath>
#include <cstdio>

#include "suites/CopyText.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr CountTextFrames(int32_t* count) {
  if (!count) return kBadParameterErr;
  *count = 0;
  return kNoErr;
}

AIErr IsPaintedText(AIArtHandle art, AIBoolean* painted) {
  if (!painted) return kBadParameterErr;
  int16_t type = kUnknownArt;
  if (const AIErr error = model().artType(fromHandle(art), &type)) return error;
  *painted = 0;
  return kNoErr;
}

constexpr int32_t kInstalledFonts = 1;

AIErr CountFonts(int32_t* count) {
  if (!count) return kBadParameterErr;
  *count = kInstalledFonts;
  return kNoErr;
}

AIErr RealToString(double value, int16_t decimals, char* buffer, size_t capacity) {
  if (!std::isfinite(value) || decimals < 0 || decimals > 17) return kBadParameterErr;
  char text[400];
  std::snprintf(text, sizeof text, "%.*f", static_cast<int>(decimals), value);
  return copyText(text, buffer, capacity);
}

}  // namespace

extern const AITextFrameSuite textFrameSuite = {CountTextFrames};
extern const AIATEPaintSuite atePaintSuite = {IsPaintedText};
extern const AIFontSuite fontSuite = {CountFonts};
extern const AIStringFormatUtilsSuite stringFormatUtilsSuite = {RealToString};

}  // namespace host
