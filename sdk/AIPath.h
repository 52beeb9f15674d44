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
  /* Any time, on a path. */
  AIErr (*GetPathSegmentCount)(AIArtHandle path, int16_t* count);
  /* Any time; new segments are at the origin. */
  AIErr (*SetPathSegmentCount)(AIArtHandle path, int16_t count);
  /* Any time; copies count segments from segNumber into the caller's array. */
  AIErr (*GetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count, AIPathSegment* segments);
  /* Any time; copies count segments from the caller's array, from segNumber. */
  AIErr (*SetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count, const AIPathSegment* segments);
  /* Any time. */
  AIErr (*GetPathClosed)(AIArtHandle path, AIBoolean* closed);
  /* Any time. */
  AIErr (*SetPathClosed)(AIArtHandle path, AIBoolean closed);
  /* Any time. */
  AIErr (*GetPathIsGuide)(AIArtHandle path, AIBoolean* isGuide);
  /* Any time; a hit test passes over guide paths. */
  AIErr (*SetPathIsGuide)(AIArtHandle path, AIBoolean isGuide);
} AIPathSuite;

AI_END_C

#endif
