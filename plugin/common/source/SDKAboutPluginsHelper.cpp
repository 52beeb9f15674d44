#include "SDKAboutPluginsHelper.h"

#include <cstring>

#include "GuidesSuites.h"
#include "IAIUnicodeString.h"
#include "Plugin.h"

SDKAboutPluginsHelper::~SDKAboutPluginsHelper() { ReleaseMenuSuite(); }

ASErr SDKAboutPluginsHelper::AcquireMenuSuite(SPBasicSuite* basic) {
  if (!basic) return kBadParameterErr;
  const void* suite = nullptr;
  ASErr error = basic->AcquireSuite(kAIMenuSuite, kAIMenuSuiteVersion, &suite);
  if (error != kNoErr) return error;
  fBasic = basic;
  fMenu = static_cast<const AIMenuSuite*>(suite);
  return fMenu ? kNoErr : kBadParameterErr;
}

void SDKAboutPluginsHelper::ReleaseMenuSuite() {
  if (!fBasic) return;
  fBasic->ReleaseSuite(kAIMenuSuite, kAIMenuSuiteVersion);
  fBasic = nullptr;
  fMenu = nullptr;
}

ASErr SDKAboutPluginsHelper::GroupExists(const char* targetGroupName, bool& groupAlreadyMade) {
  groupAlreadyMade = false;
  if (!fMenu || !targetGroupName) return kBadParameterErr;
  int32_t count = 0;
  ASErr error = fMenu->CountMenuGroups(&count);
  for (int32_t i = 0; error == kNoErr && i < count && !groupAlreadyMade; ++i) {
    AIMenuGroup group = nullptr;
    const char* name = nullptr;
    error = fMenu->GetNthMenuGroup(i, &group);
    if (error == kNoErr) error = fMenu->GetMenuGroupName(group, &name);
    if (error == kNoErr && name && std::strcmp(name, targetGroupName) == 0) groupAlreadyMade = true;
  }
  return error;
}

ASErr SDKAboutPluginsHelper::MakeGroup(SPPluginRef self, const char* groupName, const char* groupText) {
  AIMenuItemHandle parent = nullptr;
  ASErr error = fMenu->AddMenuItem(self, nullptr, kAboutMenuGroup, ai::UnicodeString(groupText).ref(),
                                   kMenuItemNoOptions, &parent);
  AIMenuGroup group = nullptr;
  if (error == kNoErr)
    error = fMenu->AddMenuGroupAsSubMenu(groupName, kMenuGroupSortedAlphabeticallyOption, parent, &group);
  return error;
}

ASErr SDKAboutPluginsHelper::AddAboutPluginsMenuItem(SPInterfaceMessage* message, const char* groupName,
                                                     const char* groupText, const char* itemText,
                                                     AIMenuItemHandle* menuItem) {
  if (!groupName || !groupText || !itemText || !menuItem) return kBadParameterErr;
  SPPluginRef self = message ? message->d.self : nullptr;
  ASErr error = AcquireMenuSuite(message ? message->d.basic : sSPBasic);
  // The strings may throw; the suite is given back whatever happens.
  if (error == kNoErr)
    error = CallGuarded([&] {
      bool exists = false;
      ASErr result = GroupExists(groupName, exists);
      if (result == kNoErr && !exists) result = MakeGroup(self, groupName, groupText);
      if (result == kNoErr)
        result = fMenu->AddMenuItem(self, nullptr, groupName, ai::UnicodeString(itemText).ref(), kMenuItemNoOptions,
                                    menuItem);
      return result;
    });
  ReleaseMenuSuite();
  return error;
}
