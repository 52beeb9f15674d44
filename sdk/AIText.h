/* Text, fonts and formatted numbers of the host. Acquired, not used. */
#ifndef GUIDES_SDK_AITEXT_H
#define GUIDES_SDK_AITEXT_H

#include "AITypes.h"

AI_BEGIN_C

#define kAITextFrameSuite "AI Text Frame Suite"
#define kAITextFrameSuiteVersion 1003
#define kAIATEPaintSuite "AIATE Paint Suite"
#define kAIATEPaintSuiteVersion 1002
#define kAIFontSuite "AI Font Suite"
#define kAIFontSuiteVersion 1005
#define kAIStringFormatUtilsSuite "AI String Format Utils Suite"
#define kAIStringFormatUtilsSuiteVersion 1002

typedef struct AITextFrameSuite {
  /* Any time. */
  AIErr (*CountTextFrames)(int32_t* count);
} AITextFrameSuite;

typedef struct AIATEPaintSuite {
  /* Any time. */
  AIErr (*IsPaintedText)(AIArtHandle art, AIBoolean* painted);
} AIATEPaintSuite;

typedef struct AIFontSuite {
  /* Any time. */
  AIErr (*CountFonts)(int32_t* count);
} AIFontSuite;

typedef struct AIStringFormatUtilsSuite {
  /* Any time; writes value with the given decimals into the caller's buffer, cut and terminated. */
  AIErr (*RealToString)(double value, int16_t decimals, char* buffer, size_t capacity);
} AIStringFormatUtilsSuite;

AI_END_C

#endif
