// The plug-in's own standing in the host: its access locks (SP Access), its name
// (SP Plug-ins) and the options the host keeps for it (AI Plugin).
#include <cstring>

#include "model/Shell.h"
#include "suites/CopyText.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

PluginRecord* pluginOf(SPPluginRef plugin) { return shell().plugins.find(fromHandle(plugin)); }

AIErr AcquirePlugin(SPPluginRef plugin, SPAccessRef* access) {
  if (!access) return kBadParameterErr;
  Ref made;
  const AIErr error = shell().plugins.acquireAccess(fromHandle(plugin), &made);
  if (!error) *access = toHandle<SPAccessRef>(made);
  return error;
}

AIErr ReleasePlugin(SPAccessRef access) { return shell().plugins.releaseAccess(fromHandle(access)); }

AIErr GetPluginAccessCount(SPPluginRef plugin, int32_t* count) {
  if (!count || !pluginOf(plugin)) return kBadParameterErr;
  *count = shell().plugins.accessCount(fromHandle(plugin));
  return kNoErr;
}

// Names longer than this are cut: the host shows them in menus and logs.
constexpr size_t kMaxPluginName = 255;

AIErr SetPluginName(SPPluginRef plugin, const char* name) {
  PluginRecord* record = pluginOf(plugin);
  if (!record || !name) return kBadParameterErr;
  const std::string_view text(name, strnlen(name, kMaxPluginName + 1));
  const std::string_view kept = text.substr(0, utf8PrefixLength(text, kMaxPluginName));
  if (!isValidUtf8(kept)) return kBadParameterErr;
  record->name.assign(kept);
  return kNoErr;
}

AIErr GetPluginName(SPPluginRef plugin, char* buffer, size_t capacity) {
  const PluginRecord* record = pluginOf(plugin);
  if (!record) return kBadParameterErr;
  return copyText(record->name, buffer, capacity);
}

AIErr GetPluginOptions(SPPluginRef plugin, int32_t* options) {
  const PluginRecord* record = pluginOf(plugin);
  if (!record || !options) return kBadParameterErr;
  *options = record->options;
  return kNoErr;
}

AIErr SetPluginOptions(SPPluginRef plugin, int32_t options) {
  PluginRecord* record = pluginOf(plugin);
  if (!record) return kBadParameterErr;
  record->options = options;
  return kNoErr;
}

}  // namespace

extern const SPAccessSuite accessSuite = {AcquirePlugin, ReleasePlugin, GetPluginAccessCount};
extern const SPPluginsSuite pluginsSuite = {SetPluginName, GetPluginName};
extern const AIPluginSuite pluginSuite = {GetPluginOptions, SetPluginOptions};

}  // namespace host
