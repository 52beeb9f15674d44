// A fresh host for the application tests: model and shell reset, preferences in a file of
// the test's own, the host's standard error captured, helpers to read the log and to run a
// script.
#ifndef GUIDES_TESTS_HOST_APP_APPFIXTURE_H
#define GUIDES_TESTS_HOST_APP_APPFIXTURE_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "app/Application.h"
#include "model/Model.h"
#include "model/Shell.h"
#include "TempFolder.h"
#include "session/Session.h"

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::resetModel();
    host::resetShell();
    host::shell().log.setErrorStream(&errors);
    prefsFile = folder / "prefs.json";
    host::shell().preferences.open(prefsFile);
  }
  void TearDown() override {
    host::resetShell();
    host::resetModel();
  }

  bool logged(const std::string& line) const {
    const auto& lines = host::shell().log.lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  size_t occurrences(const std::string& text) const {
    const std::string all = errors.str();
    size_t count = 0;
    for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1)) ++count;
    return count;
  }
  // Runs a script against the application: true when it ran to its end.
  bool run(host::Application& application, const std::string& script) {
    std::istringstream in(script);
    return host::Session(application, out, sessionErrors).run(in);
  }
  // A group made in the model directly, as a plug-in would through the suites.
  static host::Ref newGroup(host::Ref parent, const std::string& name, int16_t order = kPlaceInsideOnTop) {
    host::Ref group;
    EXPECT_EQ(host::model().newArt(kGroupArt, order, parent, &group), kNoErr);
    EXPECT_EQ(host::model().setArtName(group, name), kNoErr);
    return group;
  }
  int32_t suitesHeld() const {
    return host::shell().suites.totalAcquired() - host::shell().suites.totalReleased();
  }

  testhost::TempFolder temp;
  const std::filesystem::path& folder = temp.path;
  std::filesystem::path prefsFile;
  std::ostringstream errors;  // the host's standard error
  std::ostringstream out, sessionErrors;  // what scripts print, and their failing lines
};

#endif
