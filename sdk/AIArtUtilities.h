/* Art utilities of the host: undo, tags, snapping, matching art, conversions, art sets,
   groups, path styles. Acquired, not used. */
#ifndef GUIDES_SDK_AIARTUTILITIES_H
#define GUIDES_SDK_AIARTUTILITIES_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion 1006
#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 1003
#define kAICursorSnapSuite "AI Cursor Snap Suite"
#define kAICursorSnapSuiteVersion 1004
#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 1006
#define kAIArtConverterSuite "AI Art Converter Suite"
#define kAIArtConverterSuiteVersion 1002
#define kAIArtSetSuite "AI Art Set Suite"
#define kAIArtSetSuiteVersion 1007
#define kAIGroupSuite "AI Group Suite"
#define kAIGroupSuiteVersion 1004
#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 1012

typedef struct AIUndoSuite {
  /* Any time; both texts are read, not kept. */
  AIErr (*SetUndoText)(const char* undoText, const char* redoText);
} AIUndoSuite;

typedef struct AITagSuite {
  /* Any time; name and value are read, not kept. */
  AIErr (*SetTag)(AIArtHandle art, const char* name, const char* value);
} AITagSuite;

typedef struct AICursorSnapSuite {
  /* Any time; the name is read, not kept. */
  AIErr (*UseCustomConstraints)(const char* name, AIBoolean use);
} AICursorSnapSuite;

typedef struct AIMatchingArtSuite {
  /* With a document in front; the art selected now. */
  AIErr (*CountSelectedArt)(int32_t* count);
} AIMatchingArtSuite;

typedef struct AIArtConverterSuite {
  /* Any time; nothing is kept. */
  AIErr (*ArtCanBeConverted)(AIArtHandle art, AIBoolean* canConvert);
} AIArtConverterSuite;

typedef struct AIArtSetSuite {
  /* Any time; the host makes no art sets, so every set is refused. */
  AIErr (*CountArtSet)(void* artSet, size_t* count);
} AIArtSetSuite;

typedef struct AIGroupSuite {
  /* Any time, on a group. */
  AIErr (*GetGroupClipped)(AIArtHandle group, AIBoolean* clipped);
} AIGroupSuite;

typedef struct AIPathStyleSuite {
  /* Any time, on a path. */
  AIErr (*GetPathStrokeWidth)(AIArtHandle art, AIReal* width);
} AIPathStyleSuite;

AI_END_C

#endif
