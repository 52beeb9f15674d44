// The host's notifications the plug-in registers for, and what it does with them.
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"

ASErr GuidesPlugIn::AddNotifier(SPInterfaceMessage*) { return kNoErr; }

ASErr GuidesPlugIn::Notify(AINotifierMessage* message) { return Plugin::Notify(message); }
