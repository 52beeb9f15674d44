// The host's suite tables, looked up by name and exact version.
#ifndef GUIDES_HOST_SUITEREGISTRY_H
#define GUIDES_HOST_SUITEREGISTRY_H

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "SPBasic.h"

namespace host {

struct SuiteEntry {
  std::string_view name;
  int32_t version;
  const void* table;
  size_t size;  // bytes of the table: its operations are size / sizeof(void*) pointers
};

// Every suite the host has, in no particular order.
std::span<const SuiteEntry> allSuites();

// The table of the suite with this exact name and version, or null.
const void* findSuite(std::string_view name, int32_t version);

// The table a plug-in is handed: the same operations behind the exception barrier, logged
// with their results when the host traces.
const void* tableToHandOut(const void* table);

// The basic suite the host puts in every message header, as tableToHandOut gives it.
SPBasicSuite* messageBasicSuite();

}  // namespace host

#endif
