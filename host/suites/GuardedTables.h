// Guarded twins of the suite tables, the tables plug-ins are handed: the same operations
// behind the suites' exception barrier, each logging its name and result to the host's
// trace when the host traces, and handing a failed result to the suite call watch when it
// is on.
#ifndef GUIDES_HOST_SUITES_GUARDEDTABLES_H
#define GUIDES_HOST_SUITES_GUARDEDTABLES_H

namespace host {

// The guarded twin of one of the host's tables (built on first use), or the table itself
// when it has none.
const void* guardedTwin(const void* table);

}  // namespace host

#endif
