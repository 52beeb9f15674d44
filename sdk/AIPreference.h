/* Preferences: (section, key) -> typed value, kept by the host across runs. */
#ifndef GUIDES_SDK_AIPREFERENCE_H
#define GUIDES_SDK_AIPREFERENCE_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIPreferenceSuite "AI Preference Suite"
#define kAIPreferenceSuiteVersion 1005

/* prefix is the section (null for the host's own keys), suffix the key.
   Reading an absent key, or a key of another type, returns kNotFoundErr and leaves the
   destination untouched. Every put is stored at once. */
typedef struct AIPreferenceSuite {
  /* Any time; a copy of the stored value. */
  AIErr (*GetBooleanPreference)(const char* prefix, const char* suffix, AIBoolean* value);
  /* Any time; stored at once. */
  AIErr (*PutBooleanPreference)(const char* prefix, const char* suffix, AIBoolean value);
  /* Any time; a copy of the stored value. */
  AIErr (*GetIntegerPreference)(const char* prefix, const char* suffix, int32_t* value);
  /* Any time; stored at once. */
  AIErr (*PutIntegerPreference)(const char* prefix, const char* suffix, int32_t value);
  /* Any time; a copy of the stored value. */
  AIErr (*GetRealPreference)(const char* prefix, const char* suffix, double* value);
  /* Any time; stored at once. */
  AIErr (*PutRealPreference)(const char* prefix, const char* suffix, double value);
  /* Any time; UTF-8 text written into the caller's buffer, cut at a character boundary to
     capacity - 1 bytes, and terminated. */
  AIErr (*GetStringPreference)(const char* prefix, const char* suffix, char* buffer, size_t capacity);
  /* Any time; the text is copied and stored at once. */
  AIErr (*PutStringPreference)(const char* prefix, const char* suffix, const char* value);
} AIPreferenceSuite;

/* A put the host could not store (its preferences file cannot be written); nothing changed. */
enum { kPreferenceWriteErr = AI_FOURCC('P', 'W', 'R', '!') };

AI_END_C

#endif
