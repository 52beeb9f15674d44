// A fresh host (no document, no plug-in, in-memory preferences) for tests of the shell's
// suites, a plug-in record to act as the caller, host strings and a temporary folder
// disposed of afterwards.
#ifndef GUIDES_TESTS_HOST_SHELLFIXTURE_H
#define GUIDES_TESTS_HOST_SHELLFIXTURE_H

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "AIUnicodeString.h"
#include "TempFolder.h"
#include "TestHost.h"
#include "model/Shell.h"

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testhost::reset();
    host::resetShell();
    host::shell().log.setErrorStream(&errors);
    host::PluginRecord record;
    record.fileName = "Test.so";
    record.name = "Test";
    record.resourcesFolder = (folder() / "Resources").string();
    self = host::toHandle<SPPluginRef>(host::shell().plugins.add(record));
  }
  void TearDown() override {
    for (AIUnicodeStringRef s : texts_) strings->Dispose(s);
    host::resetShell();
    testhost::reset();
  }

  template <class S>
  const S* suite(const char* name, int32_t version) {
    return testhost::suite<S>(name, version);
  }

  // A host string holding utf8, disposed of at the end of the test.
  AIUnicodeStringRef text(const char* utf8) {
    AIUnicodeStringRef made = nullptr;
    EXPECT_EQ(strings->Initialize(&made, utf8, kAIPlatformCharacterEncoding), kNoErr);
    texts_.push_back(made);
    return made;
  }
  // A folder of this test's own.
  const std::filesystem::path& folder() const { return folder_.path; }

  const AIUnicodeStringSuite* strings =
      suite<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
  SPPluginRef self = nullptr;
  std::ostringstream errors;  // what the host wrote to standard error

 private:
  std::vector<AIUnicodeStringRef> texts_;
  testhost::TempFolder folder_;
};

#endif
