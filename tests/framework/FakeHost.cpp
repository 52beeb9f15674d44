#include "FakeHost.h"

#include <algorithm>
#include <cstring>

#include "AIContext.h"
#include "AINotifier.h"
#include "AIPlugin.h"

namespace fakehost {
namespace {

State gState;
int gAccessToken;
int gContextToken;
int gNotifierToken;

// Large enough to stand for any suite table; it is never called.
alignas(void*) const unsigned char kUncalledTable[1024] = {};

// ---- SP Access, SP Plug-ins, Notifier, Context, AI Plugin --------------------------------

AIErr AcquirePlugin(SPPluginRef, SPAccessRef* access) {
  ++gState.locks;
  *access = accessRef();
  return kNoErr;
}
AIErr ReleasePlugin(SPAccessRef access) {
  ++gState.unlocks;
  gState.releasedAccess = access;
  return kNoErr;
}
const SPAccessSuite kAccess = {AcquirePlugin, ReleasePlugin, nullptr};

AIErr SetPluginName(SPPluginRef, const char* name) {
  gState.pluginName = name;
  return kNoErr;
}
const SPPluginsSuite kPlugins = {SetPluginName, nullptr};

AIErr AddNotifier(SPPluginRef, const char* name, const char* type, AINotifierHandle* notifier) {
  gState.notifiers.emplace_back(name, type);
  *notifier = reinterpret_cast<AINotifierHandle>(&gNotifierToken);
  return kNoErr;
}
const AINotifierSuite kNotifier = {AddNotifier, nullptr, nullptr, nullptr};

AIErr PushAppContext(SPPluginRef, AIAppContextHandle* context) {
  ++gState.contextPushes;
  *context = reinterpret_cast<AIAppContextHandle>(&gContextToken);
  return kNoErr;
}
AIErr PopAppContext(AIAppContextHandle) {
  ++gState.contextPops;
  return kNoErr;
}
const AIAppContextSuite kContext = {PushAppContext, PopAppContext};

AIErr GetPluginOptions(SPPluginRef, int32_t* options) {
  if (gState.optionsError != kNoErr) return gState.optionsError;
  *options = gState.pluginOptions;
  return kNoErr;
}
AIErr SetPluginOptions(SPPluginRef, int32_t options) {
  gState.optionsWritten.push_back(options);
  return kNoErr;
}
const AIPluginSuite kPluginOptions = {GetPluginOptions, SetPluginOptions};

// ---- Preferences --------------------------------------------------------------------------

std::string Key(const char* prefix, const char* suffix) {
  return std::string(prefix ? prefix : "") + "/" + suffix;
}

template <class T>
AIErr Get(const char* prefix, const char* suffix, T* value) {
  auto found = gState.prefs.find(Key(prefix, suffix));
  if (found == gState.prefs.end() || !std::holds_alternative<T>(found->second)) return kNotFoundErr;
  *value = std::get<T>(found->second);
  return kNoErr;
}

template <class T>
AIErr Put(const char* prefix, const char* suffix, T value) {
  gState.prefs[Key(prefix, suffix)] = value;
  gState.puts.push_back(suffix);
  return kNoErr;
}

AIErr GetBoolean(const char* prefix, const char* suffix, AIBoolean* value) {
  bool stored = false;
  AIErr error = Get(prefix, suffix, &stored);
  if (error == kNoErr) *value = stored;
  return error;
}
AIErr PutBoolean(const char* prefix, const char* suffix, AIBoolean value) { return Put(prefix, suffix, value != 0); }
AIErr GetInteger(const char* prefix, const char* suffix, int32_t* value) { return Get(prefix, suffix, value); }
AIErr PutInteger(const char* prefix, const char* suffix, int32_t value) { return Put(prefix, suffix, value); }
AIErr GetReal(const char* prefix, const char* suffix, double* value) { return Get(prefix, suffix, value); }
AIErr PutReal(const char* prefix, const char* suffix, double value) { return Put(prefix, suffix, value); }

// Cut at a UTF-8 character boundary to fit capacity - 1 bytes, as the host does.
AIErr GetString(const char* prefix, const char* suffix, char* buffer, size_t capacity) {
  std::string stored;
  AIErr error = Get(prefix, suffix, &stored);
  if (error != kNoErr) return error;
  if (capacity == 0) return kBadParameterErr;
  size_t length = std::min(stored.size(), capacity - 1);
  while (length > 0 && length < stored.size() && (static_cast<unsigned char>(stored[length]) & 0xC0) == 0x80)
    --length;
  std::memcpy(buffer, stored.data(), length);
  buffer[length] = '\0';
  return kNoErr;
}
AIErr PutString(const char* prefix, const char* suffix, const char* value) {
  return Put(prefix, suffix, std::string(value));
}

const AIPreferenceSuite kPreferences = {GetBoolean, PutBoolean, GetInteger, PutInteger,
                                        GetReal,    PutReal,    GetString,  PutString};

// ---- Basic suite --------------------------------------------------------------------------

const void* TableFor(const char* name) {
  static const std::map<std::string, const void*> tables = {
      {kSPAccessSuite, &kAccess},         {kSPPluginsSuite, &kPlugins},
      {kAINotifierSuite, &kNotifier},     {kAIAppContextSuite, &kContext},
      {kAIPluginSuite, &kPluginOptions},  {kAIPreferenceSuite, &kPreferences},
  };
  auto found = tables.find(name);
  return found == tables.end() ? kUncalledTable : found->second;
}

AIErr AcquireSuite(const char* name, int32_t, const void** suite) {
  if (name == gState.refusedSuite) return gState.refusal;
  gState.acquired.push_back(name);
  *suite = TableFor(name);
  return kNoErr;
}
AIErr ReleaseSuite(const char* name, int32_t) {
  gState.released.push_back(name);
  return kNoErr;
}
// The plug-in needs no more of the basic suite.
SPBasicSuite gBasic = {AcquireSuite, ReleaseSuite, nullptr, nullptr, nullptr};

}  // namespace

State& state() { return gState; }
void reset() { gState = State{}; }
SPBasicSuite* basic() { return &gBasic; }
const AIPreferenceSuite* preferences() { return &kPreferences; }
SPAccessRef accessRef() { return reinterpret_cast<SPAccessRef>(&gAccessToken); }

void setPref(const std::string& key, PrefValue value) { gState.prefs["RaltoGuides/" + key] = std::move(value); }

}  // namespace fakehost
