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
  AIErr (*SetUndoText)(const char* undoText, const char* redoText);
} AIUndoSuite;

typedef struct AITagSuite {
  AIErr (*SetTag)(AIArtHandle art, const char* name, const char* value);
} AITagSuite;

typedef struct AICursorSnapSuite {
  AIErr (*UseCustomConstraints)(const char* name, AIBoolean use);
} AICursorSnapSuite;

typedef struct AIMatchingArtSuite {
  AIErr (*CountSelectedArt)(int32_t* count);
} AIMatchingArtSuite;

typedef struct AIArtConverterSuite {
  AIErr (*ArtCanBeConverted)(AIArtHandle art, AIBoolean* canConvert);
} AIArtConverterSuite;

typedef struct AIArtSetSuite {
  AIErr (*CountArtSet)(void* artSet, size_t* count);
} AIArtSetSuite;

typedef struct AIGroupSuite {
  AIErr (*GetGroupClipped)(AIArtHandle group, AIBoolean* clipped);
} AIGroupSuite;

typedef struct AIPathStyleSuite {
  AIErr (*GetPathStrokeWidth)(AIArtHandle art, AIReal* width);
} AIPathStyleSuite;

AI_END_C

#endif
