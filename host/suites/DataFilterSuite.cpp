// Data filters over the plug-in's resources: a resource of type 'PNGI' named N is the file
// N.png of the Resources folder beside the plug-in's module. It is read in chunks.
#include <algorithm>
#include <cstring>
#include <filesystem>

#include "model/FileWriting.h"
#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

// Resources are small images and texts; anything bigger is not one of ours.
constexpr std::uintmax_t kMaxResourceBytes = 64u << 20;

const char* extensionOf(int32_t type) {
  if (type == ai_fourcc("PNGI")) return ".png";
  return nullptr;
}

// A resource name stays inside the Resources folder: no separators, no "." or "..".
bool isPlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string_view::npos && isValidUtf8(name);
}

DataFilter* filterOf(AIDataFilter* filter) { return shell().handles.dataFilters.find(fromHandle(filter)); }

AIErr NewResourceDataFilter(SPPluginRef plugin, int32_t type, int32_t /*id*/, const char* name,
                            AIDataFilter** filter) {
  const PluginRecord* record = shell().plugins.find(fromHandle(plugin));
  if (!record || !name || !filter || !isPlainName(name)) return kBadParameterErr;
  const char* extension = extensionOf(type);
  if (!extension) return kNotFoundErr;

  const std::filesystem::path file =
      std::filesystem::path(record->resourcesFolder) / (std::string(name) + extension);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return kNotFoundErr;
  if (std::filesystem::file_size(file, error) > kMaxResourceBytes || error) return kBadParameterErr;
  DataFilter made;
  if (!readFile(file, &made.bytes)) return kNotFoundErr;
  const Ref ref = shell().handles.dataFilters.insert(std::move(made));
  if (ref.isNull()) return kTooManyErr;
  *filter = toHandle<AIDataFilter*>(ref);
  return kNoErr;
}

AIErr LinkDataFilter(AIDataFilter* prev, AIDataFilter* next) {
  if (!filterOf(next)) return kBadParameterErr;
  if (!prev) return kNoErr;  // the first filter of a chain
  DataFilter* previous = filterOf(prev);
  if (!previous || prev == next) return kBadParameterErr;
  previous->next = fromHandle(next);
  return kNoErr;
}

AIErr UnlinkDataFilter(AIDataFilter* filter, AIDataFilter** next) {
  const DataFilter* record = filterOf(filter);
  if (!record) return kBadParameterErr;
  if (next) *next = toHandle<AIDataFilter*>(record->next);
  shell().handles.dataFilters.erase(fromHandle(filter));
  return kNoErr;
}

AIErr ReadDataFilter(AIDataFilter* filter, char* store, size_t* count) {
  DataFilter* record = filterOf(filter);
  if (!record || !count || (!store && *count > 0)) return kBadParameterErr;
  const size_t length = std::min(*count, record->bytes.size() - record->position);
  if (length > 0) std::memcpy(store, record->bytes.data() + record->position, length);
  record->position += length;
  *count = length;
  return kNoErr;
}

}  // namespace

extern const AIDataFilterSuite dataFilterSuite = {
    NewResourceDataFilter, LinkDataFilter, UnlinkDataFilter, ReadDataFilter,
};

}  // namespace host
