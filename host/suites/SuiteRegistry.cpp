#include "suites/SuiteRegistry.h"

#include "suites/SuiteTables.h"

namespace host {

namespace {

struct SuiteEntry {
  std::string_view name;
  int32_t version;
  const void* table;
};

const SuiteEntry kSuites[] = {
    {kAIArtSuite, kAIArtSuiteVersion, &artSuite},
    {kAIPathSuite, kAIPathSuiteVersion, &pathSuite},
    {kAILayerSuite, kAILayerSuiteVersion, &layerSuite},
    {kAIArtboardSuite, kAIArtboardSuiteVersion, &artboardSuite},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &unicodeStringSuite},
    {kAIUserSuite, kAIUserSuiteVersion, &userSuite},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, &documentSuite},
};

}  // namespace

const void* findSuite(std::string_view name, int32_t version) {
  for (const SuiteEntry& entry : kSuites)
    if (entry.name == name && entry.version == version) return entry.table;
  return nullptr;
}

}  // namespace host
