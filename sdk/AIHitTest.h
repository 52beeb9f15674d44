/* Hit tests: what art lies at a point of the document in front. */
#ifndef GUIDES_SDK_AIHITTEST_H
#define GUIDES_SDK_AIHITTEST_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIHitTestSuite "AI Hit Test Suite"
#define kAIHitTestSuiteVersion 1005

/* Request codes. */
enum { kAllHitRequest = 0, kFillHitRequest = 11 };
/* What part of the art was hit (AIToolHitData.type). */
enum { kNothingHitType = 0, kOutlineHitType = 1, kInsideHitType = 2 };

typedef struct AIToolHitData {
  AIBoolean hit;       /* something was hit */
  AIArtHandle object;  /* the leaf art hit, or null */
  int32_t type;        /* what part of it was hit */
  AIRealPoint point;   /* the point tested */
} AIToolHitData;

typedef struct AIHitTestSuite {
  /* With a document in front; tests the topmost visible, non-guide leaf art within tolerance (artwork
     units) of point, art null meaning all art; *hit is the caller's until Release. */
  AIErr (*HitTestEx)(AIArtHandle art, const AIRealPoint* point, int32_t request, AIReal tolerance, AIHitRef* hit);
  /* Any time while the hit lives; a copy, whose object is a host handle. */
  AIErr (*GetHitData)(AIHitRef hit, AIToolHitData* data);
  /* Any time, once per hit of HitTestEx. */
  AIErr (*Release)(AIHitRef hit);
} AIHitTestSuite;

AI_END_C

#endif
