// Files, folders, memory handles and the host's run-time information.
#include <filesystem>

#include "model/Shell.h"
#include "suites/CopyText.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr GetFileName(const char* path, char* buffer, size_t capacity) {
  if (!path) return kBadParameterErr;
  return copyText(std::filesystem::path(path).filename().string(), buffer, capacity);
}

AIErr GetResourcesFolderPath(SPPluginRef plugin, char* buffer, size_t capacity) {
  const PluginRecord* record = shell().plugins.find(fromHandle(plugin));
  if (!record) return kBadParameterErr;
  return copyText(record->resourcesFolder, buffer, capacity);
}

AIErr MdMemoryNewHandle(size_t size, void** handle) {
  if (!handle) return kBadParameterErr;
  void* made = shell().handles.allocate(size);
  if (!made) return kOutOfMemoryErr;
  *handle = made;
  return kNoErr;
}

AIErr MdMemoryDisposeHandle(void* handle) {
  return shell().handles.free(handle) ? kNoErr : kBadParameterErr;
}

constexpr int32_t kAppMajorVersion = 16;
constexpr int32_t kAppMinorVersion = 0;

AIErr GetAppVersion(int32_t* major, int32_t* minor) {
  if (!major || !minor) return kBadParameterErr;
  *major = kAppMajorVersion;
  *minor = kAppMinorVersion;
  return kNoErr;
}

AIErr GetAppName(char* buffer, size_t capacity) { return copyText("guides-host", buffer, capacity); }

}  // namespace

extern const AIFilePathSuite filePathSuite = {GetFileName};
extern const AIFoldersSuite foldersSuite = {GetResourcesFolderPath};
extern const AIMdMemorySuite mdMemorySuite = {MdMemoryNewHandle, MdMemoryDisposeHandle};
extern const AIRuntimeSuite runtimeSuite = {GetAppVersion, GetAppName};

}  // namespace host
