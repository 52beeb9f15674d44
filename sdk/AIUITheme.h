/* The host's interface theme: dark or light, and its colours. */
#ifndef GUIDES_SDK_AIUITHEME_H
#define GUIDES_SDK_AIUITHEME_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIUIThemeSuite "AI User Interface Theme Suite"
#define kAIUIThemeSuiteVersion 1001

/* Colour selectors and components. */
enum { kAIUIThemeSelectorPanel = 1 };
enum {
  kAIUIComponentBackground = 0,
  kAIUIComponentText = 1,
  kAIUIComponentBorder = 2,
  kAIUIComponentHighlight = 3,
  kAIUIComponentFieldBackground = 4
};

typedef struct AIUIThemeColor { float alpha, red, green, blue; } AIUIThemeColor;

typedef struct AIUIThemeSuite {
  /* Any time; the theme now (a notifier tells of a change). */
  AIErr (*IsDarkTheme)(AIBoolean* dark);
  /* Any time; a copy of the colour in the theme now. */
  AIErr (*GetUIThemeColor)(int32_t selector, int32_t component, AIUIThemeColor* color);
} AIUIThemeSuite;

AI_END_C

#endif
