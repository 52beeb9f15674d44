/* Tools of the toolbox and the messages a plug-in tool receives. */
#ifndef GUIDES_SDK_AITOOL_H
#define GUIDES_SDK_AITOOL_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIToolSuite "AI Tool Suite"
#define kAIToolSuiteVersion 1012

#define kAIToolCaller "AI Tool"
#define kSelectorAIEditToolOptions "AI Edit Options"
#define kSelectorAITrackToolCursor "AI Track Cursor"
#define kSelectorAIToolMouseDown "AI Mouse Down"
#define kSelectorAIToolMouseDrag "AI Mouse Drag"
#define kSelectorAIToolMouseUp "AI Mouse Up"
#define kSelectorAISelectTool "AI Select"
#define kSelectorAIDeselectTool "AI Deselect"
#define kSelectorAIReselectTool "AI Reselect"
#define kSelectorAIDecreaseDiameter "AI Decrease Diameter"
#define kSelectorAIIncreaseDiameter "AI Increase Diameter"

#define kSelectToolName "Adobe Select Tool"
#define kEyedropperToolName "Adobe Eyedropper Tool"

/* No tool: the new tool starts a group or toolset of its own. */
enum { kNoTool = -2 };
/* Tool options. */
enum { kToolWantsToTrackCursorOption = 1 };
/* Event modifiers. */
enum { aiEventModifiers_shiftKey = 0x200, aiEventModifiers_optionKey = 0x800, aiEventModifiers_cmdKey = 0x100 };
/* End of an information-variable list. */
enum { kInfoEndOfList = -1 };

typedef struct AIEvent {
  int32_t what;
  int32_t message;
  int32_t when;
  AIPoint where;
  uint16_t modifiers;
} AIEvent;

/* The record and what it points to (event) are valid during the message only. */
typedef struct AIToolMessage {
  SPMessageData d;
  AIToolHandle tool;
  AIRealPoint cursor;
  AIReal pressure;
  AIEvent* event;
} AIToolMessage;

typedef struct AIAddToolData {
  AIUnicodeStringRef title;
  AIUnicodeStringRef tooltip;
  int32_t normalIconResID;
  int32_t darkIconResID;
  int16_t sameGroupAs;
  int16_t sameToolsetAs;
} AIAddToolData;

typedef struct AIToolSuite {
  /* Usually at Startup; name, title and tooltip are copied; *tool is a host handle until the plug-in
     is unloaded. */
  AIErr (*AddTool)(SPPluginRef plugin, const char* name, const AIAddToolData* data, int32_t options, AIToolHandle* tool);
  /* Any time; the tool's place in the toolbox, kNotFoundErr when no tool has that name. */
  AIErr (*GetToolNumberFromName)(const char* name, int16_t* number);
  /* Any time; the tool's place in the toolbox as it stands now. */
  AIErr (*GetToolNumberFromHandle)(AIToolHandle tool, int16_t* number);
  /* Any time; *name is the host's text, valid while the tool lives. */
  AIErr (*GetToolName)(AIToolHandle tool, const char** name);
  /* Any time; the list, ended by kInfoEndOfList (32 entries at most), is copied. */
  AIErr (*SetToolInfoVars)(AIToolHandle tool, const int32_t* infoVars);
  /* Any time; at once, the tools are told when the current message or action returns. */
  AIErr (*SetSelectedTool)(AIToolHandle tool);
  /* Any time; as SetSelectedTool, kNotFoundErr when no tool has that name. */
  AIErr (*SetSelectedToolByName)(const char* name);
  /* Any time; *tool is the host's handle, never released by the caller. */
  AIErr (*GetSelectedTool)(AIToolHandle* tool);
} AIToolSuite;

AI_END_C

#endif
