/* Numeric helpers of the host. The plug-in acquires them; it computes on its own. */
#ifndef GUIDES_SDK_AIMATH_H
#define GUIDES_SDK_AIMATH_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1002
#define kAIRealBezierSuite "AI Real Bezier Suite"
#define kAIRealBezierSuiteVersion 1003
#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1002
#define kAIRandomSuite "AI Random Suite"
#define kAIRandomSuiteVersion 1004

typedef struct AIRealMathSuite {
  /* Any time. */
  AIErr (*AIRealMultiply)(AIReal a, AIReal b, AIReal* product);
  /* Any time; result may be a or b. */
  AIErr (*AIRealRectUnion)(const AIRealRect* a, const AIRealRect* b, AIRealRect* result);
} AIRealMathSuite;

typedef struct AIRealBezier { AIRealPoint p0, p1, p2, p3; } AIRealBezier;
typedef struct AIRealBezierSuite {
  /* Any time; the point of the curve at t. */
  AIErr (*Evaluate)(const AIRealBezier* bezier, AIReal t, AIRealPoint* point);
} AIRealBezierSuite;

typedef struct AITransformArtSuite {
  /* Any time; moves every anchor and handle of a path, or of every path inside a group. */
  AIErr (*TranslateArt)(AIArtHandle art, AIReal dh, AIReal dv);
} AITransformArtSuite;

typedef struct AIRandomSuite {
  /* Any time; the same seed gives the same numbers. */
  AIErr (*SetSeed)(int32_t seed);
  /* Any time; a number from 0 up to 1 (excluded). */
  AIErr (*FloatRnd)(AIReal* value);
} AIRandomSuite;

AI_END_C

#endif
