#include "suites/SuiteSupport.h"

namespace host {

AIErr returnString(std::string_view text, AIUnicodeStringRef* out) {
  if (!out) return kBadParameterErr;
  StringTable& strings = model().strings();
  const Ref previous = fromHandle(*out);
  if (!strings.find(previous)) return kBadParameterErr;
  Ref made;
  if (const AIErr error = strings.create(text, &made)) return error;
  strings.dispose(previous);
  *out = toHandle<AIUnicodeStringRef>(made);
  return kNoErr;
}

const std::string* receivedString(AIUnicodeStringRef string) {
  return model().strings().find(fromHandle(string));
}

}  // namespace host
