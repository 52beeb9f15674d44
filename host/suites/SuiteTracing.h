// Traced twins of the suite tables: the same operations, each logging its name and its
// result to the host's trace before returning it, and handing a failed result to the
// suite call watch when it is on.
#ifndef GUIDES_HOST_SUITES_SUITETRACING_H
#define GUIDES_HOST_SUITES_SUITETRACING_H

namespace host {

// The traced twin of one of the host's tables (built on first use), or the table itself
// when it has none.
const void* tracedTwin(const void* table);

}  // namespace host

#endif
