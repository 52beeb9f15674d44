// The user suite: alerts are logged and return as if dismissed; cursor resource managers
// are tokens the host keeps track of.
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr MessageAlert(AIUnicodeStringRef text) {
  const std::string* message = receivedString(text);
  if (!message) return kBadParameterErr;
  model().alert(*message);
  return kNoErr;
}

AIErr CreateCursorResourceMgr(SPPluginRef /*plugin*/, AIResourceManagerHandle* manager) {
  if (!manager) return kBadParameterErr;
  const Ref made = model().cursorManagers().insert(0);
  if (made.isNull()) return kTooManyErr;
  *manager = toHandle<AIResourceManagerHandle>(made);
  return kNoErr;
}

AIErr DisposeCursorResourceMgr(AIResourceManagerHandle manager) {
  const Ref ref = fromHandle(manager);
  if (!model().cursorManagers().isLive(ref)) return kBadParameterErr;
  model().cursorManagers().erase(ref);
  return kNoErr;
}

}  // namespace

extern const AIUserSuite userSuite = {
    MessageAlert,
    CreateCursorResourceMgr,
    DisposeCursorResourceMgr,
};

}  // namespace host
