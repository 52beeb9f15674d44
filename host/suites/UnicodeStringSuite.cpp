// The string suite over the model's string table. Encodings 0 (platform) and 1 are both
// UTF-8; a stale string reference is kBadParameterErr.
#include <cstring>

#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

bool isKnownEncoding(int32_t encoding) {
  return encoding == kAIPlatformCharacterEncoding || encoding == kAIUTF8CharacterEncoding;
}

AIErr makeString(std::string_view text, AIUnicodeStringRef* out) {
  Ref made;
  if (const AIErr error = model().strings().create(text, &made)) return error;
  *out = toHandle<AIUnicodeStringRef>(made);
  return kNoErr;
}

AIErr Initialize(AIUnicodeStringRef* string, const char* text, int32_t encoding) {
  if (!string || !isKnownEncoding(encoding)) return kBadParameterErr;
  return makeString(text ? std::string_view(text) : std::string_view(), string);
}

AIErr Copy(AIUnicodeStringRef source, AIUnicodeStringRef* copy) {
  const std::string* text = receivedString(source);
  if (!copy || !text) return kBadParameterErr;
  return makeString(*text, copy);
}

AIErr Dispose(AIUnicodeStringRef string) { return model().strings().dispose(fromHandle(string)); }

AIErr Compare(AIUnicodeStringRef a, AIUnicodeStringRef b, int32_t* result) {
  const std::string* textA = receivedString(a);
  const std::string* textB = receivedString(b);
  if (!result || !textA || !textB) return kBadParameterErr;
  const int order = textA->compare(*textB);  // byte-wise, bytes taken as unsigned
  *result = order < 0 ? -1 : order > 0 ? 1 : 0;
  return kNoErr;
}

AIErr GetAs(AIUnicodeStringRef string, int32_t encoding, char* buffer, size_t capacity,
            size_t* length) {
  const std::string* text = receivedString(string);
  if (!text || !isKnownEncoding(encoding) || (capacity > 0 && !buffer)) return kBadParameterErr;
  size_t written = 0;
  if (capacity > 0) {
    written = utf8PrefixLength(*text, capacity - 1);
    std::memcpy(buffer, text->data(), written);
    buffer[written] = '\0';
  }
  if (length) *length = written;
  return kNoErr;
}

AIErr GetLength(AIUnicodeStringRef string, int32_t encoding, size_t* length) {
  const std::string* text = receivedString(string);
  if (!length || !text || !isKnownEncoding(encoding)) return kBadParameterErr;
  *length = text->size();
  return kNoErr;
}

}  // namespace

extern const AIUnicodeStringSuite unicodeStringSuite = {
    Initialize, Copy, Dispose, Compare, GetAs, GetLength,
};

}  // namespace host
