// Notifiers: a plug-in registers for a type of event; the host sends it "AI Notify"
// messages of that type while the notifier is active.
#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr AddNotifier(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier) {
  if (!name || !type || !notifier) return kBadParameterErr;
  Ref made;
  const AIErr error = shell().plugins.addNotifier(fromHandle(self), name, type, &made);
  if (!error) *notifier = toHandle<AINotifierHandle>(made);
  return error;
}

AIErr SetNotifierActive(AINotifierHandle notifier, AIBoolean active) {
  NotifierRecord* record = shell().plugins.notifier(fromHandle(notifier));
  if (!record) return kBadParameterErr;
  record->active = active != 0;
  return kNoErr;
}

AIErr GetNotifierActive(AINotifierHandle notifier, AIBoolean* active) {
  const NotifierRecord* record = shell().plugins.notifier(fromHandle(notifier));
  if (!record || !active) return kBadParameterErr;
  *active = toBoolean(record->active);
  return kNoErr;
}

AIErr CountNotifiers(int32_t* count) {
  if (!count) return kBadParameterErr;
  *count = shell().plugins.notifierCount();
  return kNoErr;
}

}  // namespace

extern const AINotifierSuite notifierSuite = {
    AddNotifier, SetNotifierActive, GetNotifierActive, CountNotifiers,
};

}  // namespace host
