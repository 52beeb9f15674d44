/* Host strings. Encoding 0, the platform encoding, is UTF-8 on this platform. */
#ifndef GUIDES_SDK_AIUNICODESTRING_H
#define GUIDES_SDK_AIUNICODESTRING_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion 1007

/* A null AIUnicodeStringRef is the empty string everywhere. */
typedef struct AIUnicodeStringSuite {
  /* Any time; *string is a new string made from a zero-terminated text, the caller's until Dispose. */
  AIErr (*Initialize)(AIUnicodeStringRef* string, const char* text, int32_t encoding);
  /* Any time; *copy is a new string, the caller's until Dispose. */
  AIErr (*Copy)(AIUnicodeStringRef source, AIUnicodeStringRef* copy);
  /* Any time, once per string the caller owns; a null string does nothing, a disposed one is refused. */
  AIErr (*Dispose)(AIUnicodeStringRef string);
  /* Any time; result < 0, 0 or > 0 as a sorts before, equal to or after b. */
  AIErr (*Compare)(AIUnicodeStringRef a, AIUnicodeStringRef b, int32_t* result);
  /* Any time; writes into the caller's buffer, cut at a character boundary to capacity - 1 bytes. */
  AIErr (*GetAs)(AIUnicodeStringRef string, int32_t encoding, char* buffer, size_t capacity, size_t* length);
  /* Any time; length in bytes of the text in the given encoding, terminator excluded. */
  AIErr (*GetLength)(AIUnicodeStringRef string, int32_t encoding, size_t* length);
} AIUnicodeStringSuite;

AI_END_C

#endif
