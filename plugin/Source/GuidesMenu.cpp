// The plug-in's entries in the host's menus.
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"

ASErr GuidesPlugIn::AddMenus(SPInterfaceMessage*) { return kNoErr; }

ASErr GuidesPlugIn::GoMenuItem(AIMenuMessage* message) { return Plugin::GoMenuItem(message); }
ASErr GuidesPlugIn::UpdateMenuItem(AIMenuMessage* message) { return Plugin::UpdateMenuItem(message); }
