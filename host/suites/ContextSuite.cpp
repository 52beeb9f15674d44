// Application contexts: pushed around a plug-in's work and popped in reverse order. A pop
// that does not match the last push is refused and logged.
#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr PushAppContext(SPPluginRef plugin, AIAppContextHandle* context) {
  if (!context) return kBadParameterErr;
  Ref made;
  const AIErr error = shell().plugins.pushContext(fromHandle(plugin), &made);
  if (!error) *context = toHandle<AIAppContextHandle>(made);
  return error;
}

AIErr PopAppContext(AIAppContextHandle context) {
  const AIErr error = shell().plugins.popContext(fromHandle(context));
  if (error) shell().log.error("unbalanced application context pop refused");
  return error;
}

}  // namespace

extern const AIAppContextSuite appContextSuite = {PushAppContext, PopAppContext};

}  // namespace host
