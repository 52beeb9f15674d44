// Preferences over the host's store. A null prefix is the host's own section. A read of an
// absent key, or of one of another type, answers kNotFoundErr and leaves the destination
// as it was; the host's own keys have built-in values until something is stored.
#include "model/Shell.h"
#include "suites/CopyText.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

using Value = PreferenceStore::Value;

// The colour the host draws its smart-guide hints in, as its preferences hold it.
const Value* hostDefault(std::string_view key) {
  static const Value red = 0.8, green = 0.2, blue = 0.6;
  if (key == "snapomatic/Color/red") return &red;
  if (key == "snapomatic/Color/green") return &green;
  if (key == "snapomatic/Color/blue") return &blue;
  return nullptr;
}

const char* sectionOf(const char* prefix) { return prefix ? prefix : ""; }

template <class T>
AIErr read(const char* prefix, const char* suffix, T* out) {
  if (!suffix || !out) return kBadParameterErr;
  const char* section = sectionOf(prefix);
  const Value* value = shell().preferences.find(section, suffix);
  if (!value && !*section) value = hostDefault(suffix);
  const T* typed = value ? std::get_if<T>(value) : nullptr;
  if (!typed) return kNotFoundErr;
  *out = *typed;
  return kNoErr;
}

// The value is held at once; the host writes the file before it goes back to its event
// loop, and tells the user itself when that fails.
AIErr store(const char* prefix, const char* suffix, Value value) {
  if (!suffix) return kBadParameterErr;
  return shell().preferences.put(sectionOf(prefix), suffix, std::move(value));
}

AIErr GetBooleanPreference(const char* prefix, const char* suffix, AIBoolean* value) {
  if (!value) return kBadParameterErr;
  bool stored = false;
  const AIErr error = read(prefix, suffix, &stored);
  if (!error) *value = toBoolean(stored);
  return error;
}

AIErr PutBooleanPreference(const char* prefix, const char* suffix, AIBoolean value) {
  return store(prefix, suffix, value != 0);
}

AIErr GetIntegerPreference(const char* prefix, const char* suffix, int32_t* value) {
  return read(prefix, suffix, value);
}

AIErr PutIntegerPreference(const char* prefix, const char* suffix, int32_t value) {
  return store(prefix, suffix, value);
}

AIErr GetRealPreference(const char* prefix, const char* suffix, double* value) {
  return read(prefix, suffix, value);
}

AIErr PutRealPreference(const char* prefix, const char* suffix, double value) {
  return store(prefix, suffix, value);
}

// The text is cut at a character boundary to fit the buffer, and always terminated.
AIErr GetStringPreference(const char* prefix, const char* suffix, char* buffer, size_t capacity) {
  if (!buffer || capacity == 0) return kBadParameterErr;
  std::string text;
  if (const AIErr error = read(prefix, suffix, &text)) return error;
  return copyText(text, buffer, capacity);
}

AIErr PutStringPreference(const char* prefix, const char* suffix, const char* value) {
  if (!value) return kBadParameterErr;
  return store(prefix, suffix, std::string(value));
}

}  // namespace

extern const AIPreferenceSuite preferenceSuite = {
    GetBooleanPreference, PutBooleanPreference, GetIntegerPreference, PutIntegerPreference,
    GetRealPreference,    PutRealPreference,    GetStringPreference,  PutStringPreference,
};

}  // namespace host
