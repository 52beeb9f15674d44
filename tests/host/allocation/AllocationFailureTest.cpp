// Memory running out inside the host's suites: every allocation an operation makes is made
// to fail in turn, through the tables the plug-in is handed. Each failure must come back as
// kOutOfMemoryErr, named in the host's log, never as an exception the plug-in (C code) could
// not catch, and leave nothing half made: the same call tried again succeeds.
#include <algorithm>
#include <string>

#include "AIArt.h"
#include "AIMenu.h"
#include "AIPath.h"
#include "AITool.h"
#include "AIUnicodeString.h"
#include "FailingAllocator.h"
#include "ShellFixture.h"
#include "model/Model.h"

namespace {

class AllocationFailureTest : public ShellTest {
 protected:
  void SetUp() override {
    if (!failing::available()) GTEST_SKIP() << "sanitizer builds keep their own allocator";
    ShellTest::SetUp();
    testhost::newDocument(595, 842);
  }

  // A table as the plug-in gets it, through the basic suite of its messages.
  template <class S>
  const S* acquire(const char* name, int32_t version) {
    const void* table = nullptr;
    EXPECT_EQ(host::messageBasicSuite()->AcquireSuite(name, version, &table), kNoErr);
    return static_cast<const S*>(table);
  }

  // Runs call with each of its allocations failing in turn, until it runs with none
  // failing; every failure must answer kOutOfMemoryErr. Returns the allocations it made.
  template <class Call>
  size_t failEachAllocationOf(Call call) {
    for (size_t n = 0;; ++n) {
      failing::failAllocation(n);
      const AIErr result = call();
      if (!failing::stop()) {
        EXPECT_EQ(result, kNoErr);
        return n;
      }
      EXPECT_EQ(result, kOutOfMemoryErr) << "allocation " << n;
    }
  }

  size_t errorLines() const { return host::shell().log.errorCount(); }
};

TEST_F(AllocationFailureTest, AStringThatCannotBeMadeIsAnsweredOutOfMemoryAndLeavesNothingBehind) {
  const auto* strings = acquire<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
  const size_t before = host::model().strings().liveCount();
  const size_t errorsBefore = errorLines();
  AIUnicodeStringRef made = nullptr;
  const std::string text(100, 'x');  // longer than a string keeps inside itself
  const size_t allocations = failEachAllocationOf([&] {
    return strings->Initialize(&made, text.c_str(), kAIPlatformCharacterEncoding);
  });

  ASSERT_GT(allocations, 0u);
  EXPECT_EQ(host::model().strings().liveCount(), before + 1);
  EXPECT_EQ(errorLines() - errorsBefore, allocations);
  EXPECT_NE(errors.str().find("suite call AI Unicode String Suite.Initialize threw: out of memory"),
            std::string::npos);
  EXPECT_EQ(strings->Dispose(made), kNoErr);
}

// A registration that failed half way would leave its name taken: the retry under the same
// name would then be refused.
TEST_F(AllocationFailureTest, EveryOperationThatAllocatesAnswersOutOfMemoryInsteadOfThrowing) {
  const auto* art = acquire<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
  const auto* tools = acquire<AIToolSuite>(kAIToolSuite, kAIToolSuiteVersion);
  const auto* menus = acquire<AIMenuSuite>(kAIMenuSuite, kAIMenuSuiteVersion);
  const auto* strings = acquire<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
  AIUnicodeStringRef title = nullptr;
  ASSERT_EQ(strings->Initialize(&title, "Un outil au titre assez long pour le tas", 0), kNoErr);
  const AIAddToolData data{title, title, 0, 0, kNoTool, kNoTool};
  const char* const longName = "Un nom assez long pour être rangé dans le tas";

  AIArtHandle named = nullptr;
  ASSERT_EQ(art->NewArt(kGroupArt, kPlaceInsideOnTop, nullptr, &named), kNoErr);
  ASSERT_EQ(art->SetArtName(named, title), kNoErr);
  const host::UserInterface& ui = host::shell().ui;
  const auto counts = [&] { return std::make_tuple(ui.tools.liveCount(), ui.menuGroups.liveCount()); };
  const auto [toolsBefore, groupsBefore] = counts();
  SPBasicSuite* basic = host::messageBasicSuite();
  const void* table = nullptr;
  AIToolHandle tool = nullptr;
  AIMenuItemHandle item = nullptr;
  AIMenuGroup group = nullptr;
  AIUnicodeStringRef name = nullptr;
  // The allocations each operation makes, in this order (each is one at least).
  const std::vector<size_t> allocations = {
      failEachAllocationOf([&] { return basic->AcquireSuite(kAIPathSuite, kAIPathSuiteVersion, &table); }),
      failEachAllocationOf([&] { return tools->AddTool(self, longName, &data, 0, &tool); }),
      failEachAllocationOf([&] { return menus->AddMenuItem(self, longName, kAboutMenuGroup, title, 0, &item); }),
      failEachAllocationOf([&] { return menus->AddMenuGroupAsSubMenu(longName, 0, item, &group); }),
      failEachAllocationOf([&] { return art->GetArtName(named, &name, nullptr); })};
  EXPECT_EQ(std::count(allocations.begin(), allocations.end(), 0u), 0) << ::testing::PrintToString(allocations);
  EXPECT_EQ(counts(), std::make_tuple(toolsBefore + 1, groupsBefore + 1));
  EXPECT_EQ(strings->Dispose(name), kNoErr);
  EXPECT_EQ(strings->Dispose(title), kNoErr);
}

}  // namespace
