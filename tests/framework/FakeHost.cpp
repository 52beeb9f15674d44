#include "FakeHost.h"

#include <algorithm>
#include <cstring>

#include <memory>

#include "AIAnnotator.h"
#include "AIContext.h"
#include "AIMenu.h"
#include "AINotifier.h"
#include "AIPlugin.h"
#include "AITool.h"
#include "AIUnicodeString.h"
#include "AIUser.h"

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

// ---- Strings, tool, annotator, menus, user: enough for the start-up steps ---------------

// A host string is a std::string of its own; the handle is its address.
std::string* Text(AIUnicodeStringRef ref) { return reinterpret_cast<std::string*>(ref); }
AIUnicodeStringRef Ref(std::string text) { return reinterpret_cast<AIUnicodeStringRef>(new std::string(std::move(text))); }

AIErr StringInitialize(AIUnicodeStringRef* string, const char* text, int32_t) {
  *string = Ref(text ? text : "");
  return kNoErr;
}
AIErr StringCopy(AIUnicodeStringRef source, AIUnicodeStringRef* copy) {
  *copy = Ref(source ? *Text(source) : "");
  return kNoErr;
}
AIErr StringDispose(AIUnicodeStringRef string) {
  delete Text(string);
  return kNoErr;
}
AIErr StringCompare(AIUnicodeStringRef a, AIUnicodeStringRef b, int32_t* result) {
  *result = (a ? *Text(a) : std::string()).compare(b ? *Text(b) : std::string());
  return kNoErr;
}
AIErr StringGetAs(AIUnicodeStringRef string, int32_t, char* buffer, size_t capacity, size_t* length) {
  const std::string text = string ? *Text(string) : std::string();
  if (capacity == 0) return kBadParameterErr;
  *length = std::min(text.size(), capacity - 1);
  std::memcpy(buffer, text.data(), *length);
  buffer[*length] = '\0';
  return kNoErr;
}
AIErr StringGetLength(AIUnicodeStringRef string, int32_t, size_t* length) {
  *length = string ? Text(string)->size() : 0;
  return kNoErr;
}
const AIUnicodeStringSuite kStrings = {StringInitialize, StringCopy,  StringDispose,
                                       StringCompare,    StringGetAs, StringGetLength};

int gHandleToken;
template <class Handle>
Handle Token() { return reinterpret_cast<Handle>(&gHandleToken); }

AIErr AddTool(SPPluginRef, const char* name, const AIAddToolData*, int32_t, AIToolHandle* tool) {
  gState.tools.push_back(name);
  *tool = Token<AIToolHandle>();
  return kNoErr;
}
AIErr ToolNumberFromName(const char*, int16_t*) { return kNotFoundErr; }
AIErr SetToolInfoVars(AIToolHandle, const int32_t*) { return kNoErr; }
const AIToolSuite kTool = {AddTool, ToolNumberFromName, nullptr, nullptr, SetToolInfoVars, nullptr, nullptr, nullptr};

AIErr AddAnnotator(SPPluginRef, const char*, AIAnnotatorHandle* annotator) {
  *annotator = Token<AIAnnotatorHandle>();
  return kNoErr;
}
AIErr SetAnnotatorActive(AIAnnotatorHandle, AIBoolean) { return kNoErr; }
const AIAnnotatorSuite kAnnotator = {AddAnnotator, SetAnnotatorActive, nullptr, nullptr};

AIErr AddMenuItem(SPPluginRef, const char*, const char*, AIUnicodeStringRef, int32_t, AIMenuItemHandle* item) {
  *item = Token<AIMenuItemHandle>();
  return kNoErr;
}
AIErr AddMenuGroupAsSubMenu(const char*, int32_t, AIMenuItemHandle, AIMenuGroup* group) {
  if (group) *group = Token<AIMenuGroup>();
  return kNoErr;
}
AIErr CountMenuGroups(int32_t* count) {
  *count = 0;
  return kNoErr;
}
const AIMenuSuite kMenu = {AddMenuItem, AddMenuGroupAsSubMenu, CountMenuGroups, nullptr, nullptr,
                           nullptr,     nullptr,               nullptr,         nullptr, nullptr};

AIErr MessageAlert(AIUnicodeStringRef) { return kNoErr; }
const AIUserSuite kUser = {MessageAlert, nullptr, nullptr};

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
      {kAIUnicodeStringSuite, &kStrings}, {kAIToolSuite, &kTool},
      {kAIAnnotatorSuite, &kAnnotator},   {kAIMenuSuite, &kMenu},
      {kAIUserSuite, &kUser},
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
