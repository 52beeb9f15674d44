// Tests of the panel's controller on the real layout file, without starting the plug-in:
// the controller reads and writes preferences, fills its flyout menu and makes strings
// through the plug-in's suite globals, which the fixture takes from a fresh test host. A
// test loads the panel with Charge() and finds no panel, suite or host left from the last.
#ifndef GUIDES_TESTS_PANNEAUDETEST_H
#define GUIDES_TESTS_PANNEAUDETEST_H

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "ClassesVues.h"
#include "GuidesDialogue.h"
#include "GuidesSuites.h"
#include "TestHost.h"
#include "Theme.h"
#include "kit/Kit.h"
#include "model/Shell.h"

namespace testhost {

class PanneauDeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reset();
    host::resetShell();
    sAIPreference = suite<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
    sAIPanelFlyoutMenu = suite<AIPanelFlyoutMenuSuite>(kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion);
    sAIUnicodeString = suite<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
    ASSERT_TRUE(sAIPreference && sAIPanelFlyoutMenu && sAIUnicodeString);
    kit::EventQueue::shared().clear();
  }
  void TearDown() override {
    controleur_.reset();
    sAIPreference = nullptr;
    sAIPanelFlyoutMenu = nullptr;
    sAIUnicodeString = nullptr;
    // The theme as no host has given it yet.
    InterfaceSombre = false;
    for (float* composante : {&RougeTheme, &VertTheme, &BleuTheme, &AlphaTheme, &RougeTexteTheme, &VertTexteTheme,
                              &BleuTexteTheme, &AlphaTexteTheme, &RougeFondTheme, &VertFondTheme, &BleuFondTheme,
                              &AlphaFondTheme})
      *composante = 0;
    host::resetShell();
    reset();
  }

  // The controller of the layout file in the Resources folder beside this test, loaded.
  GuidesDialogue& Charge() {
    controleur_ = std::make_unique<GuidesDialogue>(
        kit::Bundle::bundleContainingAddress(reinterpret_cast<const void*>(&DeclarerClassesVues)));
    EXPECT_NO_THROW(controleur_->view());
    return *controleur_;
  }
  GuidesDialogue& c() { return *controleur_; }

  // The texts the controls show, in order: one comparison for a row of fields.
  static std::vector<std::string> Textes(std::initializer_list<kit::Control*> controles) {
    std::vector<std::string> textes;
    for (kit::Control* controle : controles) textes.push_back(controle->stringValue());
    return textes;
  }

  // The redraw requests the panel posted since the last call: one fn key each.
  static size_t Redessins() {
    size_t count = 0;
    while (auto event = kit::EventQueue::shared().next())
      if (*event == kit::KeyEvent{63, true, 1}) ++count;
    return count;
  }

  std::unique_ptr<GuidesDialogue> controleur_;
};

}  // namespace testhost

#endif
