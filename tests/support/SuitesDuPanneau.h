// The panel's controller reads and writes preferences, fills its flyout menu and makes
// strings through the plug-in's suite globals: tests that load the panel without starting
// the plug-in take those three suites from the test host first.
#ifndef GUIDES_TESTS_SUITESDUPANNEAU_H
#define GUIDES_TESTS_SUITESDUPANNEAU_H

#include <cstddef>

#include "GuidesSuites.h"
#include "TestHost.h"
#include "kit/EventQueue.h"
#include "model/Shell.h"

namespace testhost {

// A fresh host and shell, then the three suites; false when one is missing.
inline bool prepareForPanel() {
  reset();
  host::resetShell();
  sAIPreference = suite<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
  sAIPanelFlyoutMenu = suite<AIPanelFlyoutMenuSuite>(kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion);
  sAIUnicodeString = suite<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
  return sAIPreference && sAIPanelFlyoutMenu && sAIUnicodeString;
}

// The redraw requests the panel posted since the last call: one fn key each.
inline size_t redrawRequests() {
  size_t count = 0;
  while (auto event = kit::EventQueue::shared().next())
    if (*event == kit::KeyEvent{63, true, 1}) ++count;
  return count;
}

}  // namespace testhost

#endif
