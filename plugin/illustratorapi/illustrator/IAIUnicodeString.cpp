#include "IAIUnicodeString.h"

#include <vector>

#include "GuidesSuites.h"

namespace ai {

UnicodeString::UnicodeString(const char* text, int32_t encoding) {
  check_result(sAIUnicodeString->Initialize(&fRef, text, encoding));
}

UnicodeString::UnicodeString(const UnicodeString& other) {
  if (other.fRef) check_result(sAIUnicodeString->Copy(other.fRef, &fRef));
}

UnicodeString& UnicodeString::operator=(const UnicodeString& other) {
  if (this == &other) return *this;
  AIUnicodeStringRef copy = nullptr;
  if (other.fRef) check_result(sAIUnicodeString->Copy(other.fRef, &copy));
  if (fRef) sAIUnicodeString->Dispose(fRef);
  fRef = copy;
  return *this;
}

UnicodeString::~UnicodeString() {
  if (fRef && sAIUnicodeString) sAIUnicodeString->Dispose(fRef);
}

int32_t UnicodeString::compare(const UnicodeString& other) const {
  int32_t result = 0;
  check_result(sAIUnicodeString->Compare(fRef, other.fRef, &result));
  return result;
}

std::string UnicodeString::as_Platform() const {
  if (!fRef) return {};
  size_t length = 0;
  check_result(sAIUnicodeString->GetLength(fRef, kAIPlatformCharacterEncoding, &length));
  std::vector<char> buffer(length + 1);
  check_result(sAIUnicodeString->GetAs(fRef, kAIPlatformCharacterEncoding, buffer.data(), buffer.size(), &length));
  return std::string(buffer.data(), length);
}

}  // namespace ai
