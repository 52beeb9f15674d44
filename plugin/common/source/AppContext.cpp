#include "AppContext.h"

#include "GuidesSuites.h"

AppContext::AppContext(SPPluginRef pluginRef) {
  if (sAIAppContext) fPushed = sAIAppContext->PushAppContext(pluginRef, &fAppContext) == kNoErr;
}

// Only a context that was pushed is popped, and through the suite that pushed it.
AppContext::~AppContext() {
  if (fPushed && sAIAppContext) sAIAppContext->PopAppContext(fAppContext);
}
