// A host string: one opaque reference owned through the host's Unicode String suite.
#ifndef GUIDES_IAIUNICODESTRING_H
#define GUIDES_IAIUNICODESTRING_H

#include <string>

#include "AIUnicodeString.h"
#include "IAIError.h"

namespace ai {

class UnicodeString {
 public:
  UnicodeString() noexcept = default;
  // Throws ai::Error when the host refuses the text.
  explicit UnicodeString(const char* text, int32_t encoding = kAIPlatformCharacterEncoding);
  UnicodeString(const UnicodeString& other);
  UnicodeString& operator=(const UnicodeString& other);
  ~UnicodeString();

  bool empty() const noexcept { return fRef == nullptr; }
  // The host's comparison: 0 when equal.
  int32_t compare(const UnicodeString& other) const;
  // The text in the platform encoding (UTF-8 here).
  std::string as_Platform() const;

  AIUnicodeStringRef ref() const noexcept { return fRef; }
  // For host calls that fill a string: the slot receives a new reference owned by this object.
  AIUnicodeStringRef* slot() noexcept { return &fRef; }

 private:
  AIUnicodeStringRef fRef = nullptr;
};

}  // namespace ai

#endif
