// The host's suite tables, looked up by name and exact version.
#ifndef GUIDES_HOST_SUITEREGISTRY_H
#define GUIDES_HOST_SUITEREGISTRY_H

#include <cstdint>
#include <string_view>

namespace host {

// The table of the suite with this exact name and version, or null.
const void* findSuite(std::string_view name, int32_t version);

}  // namespace host

#endif
