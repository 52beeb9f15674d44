/* Paths: segments, closed flag, guide flag. */
#ifndef GUIDES_SDK_AIPATH_H
#define GUIDES_SDK_AIPATH_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 1010

/* Non-finite coordinates are refused with kNotFiniteErr; a range outside the path with
   kBadParameterErr. */
typedef struct AIPathSuite {
  AIErr (*GetPathSegmentCount)(AIArtHandle path, int16_t* count);
  AIErr (*SetPathSegmentCount)(AIArtHandle path, int16_t count);
  AIErr (*GetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count, AIPathSegment* segments);
  AIErr (*SetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count, const AIPathSegment* segments);
  AIErr (*GetPathClosed)(AIArtHandle path, AIBoolean* closed);
  AIErr (*SetPathClosed)(AIArtHandle path, AIBoolean closed);
  AIErr (*GetPathIsGuide)(AIArtHandle path, AIBoolean* isGuide);
  AIErr (*SetPathIsGuide)(AIArtHandle path, AIBoolean isGuide);
} AIPathSuite;

AI_END_C

#endif
