#include "session/SessionExtension.h"

namespace host {

namespace {

const SessionExtension kNoExtension;
const SessionExtension* registered = nullptr;

}  // namespace

void registerSessionExtension(const SessionExtension* extension) { registered = extension; }

const SessionExtension& sessionExtension() { return registered ? *registered : kNoExtension; }

}  // namespace host
