// The About entry shared by the maker's plug-ins: one sub-menu of the host's "About" group,
// made by whichever plug-in comes first, holding one item per plug-in.
#ifndef GUIDES_SDKABOUTPLUGINSHELPER_H
#define GUIDES_SDKABOUTPLUGINSHELPER_H

#include "AIMenu.h"
#include "SPBasic.h"

class SDKAboutPluginsHelper {
 public:
  SDKAboutPluginsHelper() = default;
  SDKAboutPluginsHelper(const SDKAboutPluginsHelper&) = delete;
  SDKAboutPluginsHelper& operator=(const SDKAboutPluginsHelper&) = delete;
  ~SDKAboutPluginsHelper();

  // Adds itemText to the group groupName, first making that group (an item groupText of
  // the host's "About" group turned into a sub-menu) when no group of that name exists.
  // The menu suite is acquired through the message's basic suite (the entry point's when
  // there is no message) and released before returning. The first failing call ends it.
  ASErr AddAboutPluginsMenuItem(SPInterfaceMessage* message, const char* groupName, const char* groupText,
                                const char* itemText, AIMenuItemHandle* menuItem);

  // Whether one of the host's menu groups, walked first to last, is named exactly so.
  // Needs the menu suite held by AddAboutPluginsMenuItem.
  ASErr GroupExists(const char* targetGroupName, bool& groupAlreadyMade);

 private:
  ASErr AcquireMenuSuite(SPBasicSuite* basic);
  void ReleaseMenuSuite();
  ASErr MakeGroup(SPPluginRef self, const char* groupName, const char* groupText);

  SPBasicSuite* fBasic = nullptr;
  const AIMenuSuite* fMenu = nullptr;
};

#endif
