/* Host strings. Encoding 0, the platform encoding, is UTF-8 on this platform. */
#ifndef GUIDES_SDK_AIUNICODESTRING_H
#define GUIDES_SDK_AIUNICODESTRING_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion 1007

/* A null AIUnicodeStringRef is the empty string everywhere. */
typedef struct AIUnicodeStringSuite {
  /* Makes a new string from a zero-terminated text in the given encoding. */
  AIErr (*Initialize)(AIUnicodeStringRef* string, const char* text, int32_t encoding);
  AIErr (*Copy)(AIUnicodeStringRef source, AIUnicodeStringRef* copy);
  AIErr (*Dispose)(AIUnicodeStringRef string);
  /* result < 0, 0 or > 0 as a sorts before, equal to or after b. */
  AIErr (*Compare)(AIUnicodeStringRef a, AIUnicodeStringRef b, int32_t* result);
  /* Writes the text, cut at a character boundary to fit capacity - 1 bytes, and terminated. */
  AIErr (*GetAs)(AIUnicodeStringRef string, int32_t encoding, char* buffer, size_t capacity, size_t* length);
  /* Length in bytes of the text in the given encoding, terminator excluded. */
  AIErr (*GetLength)(AIUnicodeStringRef string, int32_t encoding, size_t* length);
} AIUnicodeStringSuite;

AI_END_C

#endif
