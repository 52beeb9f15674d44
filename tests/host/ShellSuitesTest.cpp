// The suites of the plug-in's life in the host: suites handed out and counted, access locks,
// names, options, notifiers, contexts and memory blocks.
#include <unistd.h>

#include <cstring>

#include "AIArt.h"
#include "AIContext.h"
#include "AILayer.h"
#include "AINotifier.h"
#include "AIPath.h"
#include "AIPlugin.h"
#include "ShellFixture.h"
#include "suites/SuiteRegistry.h"

using host::shell;

class BasicSuiteTest : public ShellTest {
 protected:
  SPBasicSuite* basic = host::messageBasicSuite();
};

// The sessions print what each suite was acquired and released; here, what is refused.
TEST_F(BasicSuiteTest, SuitesAreHandedOutByExactNameAndVersionUnlessWithheld) {
  const void* table = nullptr;
  EXPECT_EQ(basic->AcquireSuite(kAIArtSuite, kAIArtSuiteVersion, &table), kNoErr);
  EXPECT_EQ(table, host::tableToHandOut(host::findSuite(kAIArtSuite, kAIArtSuiteVersion)));
  const void* untouched = &table;
  const void* out = untouched;
  EXPECT_EQ(basic->AcquireSuite(kAIArtSuite, kAIArtSuiteVersion + 1, &out), kSuiteNotFoundErr);
  EXPECT_EQ(basic->AcquireSuite(kAIArtSuite, kAIArtSuiteVersion - 1, &out), kSuiteNotFoundErr);
  EXPECT_EQ(basic->AcquireSuite("AI Art", kAIArtSuiteVersion, &out), kSuiteNotFoundErr);
  EXPECT_EQ(basic->AcquireSuite("AI Art Suite ", kAIArtSuiteVersion, &out), kSuiteNotFoundErr);
  EXPECT_EQ(basic->AcquireSuite("", kAIArtSuiteVersion, &out), kSuiteNotFoundErr);
  EXPECT_EQ(out, untouched);
  EXPECT_EQ(basic->AcquireSuite(nullptr, 1, &out), kBadParameterErr);
  shell().suites.withhold(kAIPathSuite);
  EXPECT_EQ(basic->AcquireSuite(kAIPathSuite, kAIPathSuiteVersion, &out), kSuiteNotFoundErr);

  EXPECT_EQ(basic->ReleaseSuite(kAILayerSuite, kAILayerSuiteVersion), kBadParameterErr);
  EXPECT_EQ(shell().suites.totalReleased(), 0);
  EXPECT_NE(errors.str().find("release of a suite not acquired: AI Layer Suite"), std::string::npos);
  EXPECT_EQ(shell().suites.totalAcquired(), 1);
}

TEST_F(BasicSuiteTest, BlocksAreFreedOnceOnly) {
  void* block = nullptr;
  ASSERT_EQ(basic->AllocateBlock(64, &block), kNoErr);
  std::memset(block, 0xAB, 64);
  EXPECT_EQ(basic->FreeBlock(block), kNoErr);
  EXPECT_EQ(basic->FreeBlock(block), kBadParameterErr);
  int local = 0;
  EXPECT_EQ(basic->FreeBlock(&local), kBadParameterErr);
  EXPECT_TRUE(basic->IsEqual("Startup", "Startup"));
  EXPECT_FALSE(basic->IsEqual("Startup", nullptr));
}

TEST_F(ShellTest, AccessLocksAreCountedPerPluginAndReleasedOnce) {
  const auto* access = suite<SPAccessSuite>(kSPAccessSuite, kSPAccessSuiteVersion);
  SPAccessRef first = nullptr, second = nullptr;
  ASSERT_EQ(access->AcquirePlugin(self, &first), kNoErr);
  ASSERT_EQ(access->AcquirePlugin(self, &second), kNoErr);
  int32_t both = 0, one = 0;
  EXPECT_EQ(access->GetPluginAccessCount(self, &both), kNoErr);
  EXPECT_EQ(access->ReleasePlugin(first), kNoErr);
  EXPECT_EQ(access->ReleasePlugin(first), kBadParameterErr);
  EXPECT_EQ(access->GetPluginAccessCount(self, &one), kNoErr);
  EXPECT_EQ(std::make_tuple(both, one), std::make_tuple(2, 1));
  SPAccessRef other = nullptr;
  EXPECT_EQ(access->AcquirePlugin(reinterpret_cast<SPPluginRef>(0x7777), &other), kBadParameterErr);
}

TEST_F(ShellTest, PluginNameAndOptionsAreKeptPerPlugin) {
  const auto* plugins = suite<SPPluginsSuite>(kSPPluginsSuite, kSPPluginsSuiteVersion);
  const auto* options = suite<AIPluginSuite>(kAIPluginSuite, kAIPluginSuiteVersion);
  ASSERT_EQ(plugins->SetPluginName(self, "Repères"), kNoErr);
  char name[5] = "xxxx";
  EXPECT_EQ(plugins->GetPluginName(self, name, sizeof name), kNoErr);
  EXPECT_STREQ(name, "Rep");  // cut before the two bytes of "è", never inside them
  EXPECT_EQ(plugins->GetPluginName(self, name, 0), kBadParameterErr);
  EXPECT_EQ(plugins->SetPluginName(self, "\xC3"), kBadParameterErr);

  int32_t before = -1, after = -1;
  EXPECT_EQ(options->GetPluginOptions(self, &before), kNoErr);
  EXPECT_EQ(options->SetPluginOptions(self, 0x5A), kNoErr);
  EXPECT_EQ(options->GetPluginOptions(self, &after), kNoErr);
  EXPECT_EQ(std::make_tuple(before, after), std::make_tuple(0, 0x5A));
  int32_t value = -1;
  EXPECT_EQ(options->GetPluginOptions(nullptr, &value), kBadParameterErr);
}

TEST_F(ShellTest, NotifiersAreFoundByPluginAndTypeInOrderWhileActive) {
  const auto* notifiers = suite<AINotifierSuite>(kAINotifierSuite, kAINotifierSuiteVersion);
  AINotifierHandle started = nullptr, shutdown = nullptr, again = nullptr;
  ASSERT_EQ(notifiers->AddNotifier(self, "a", kAIApplicationStartedNotifier, &started), kNoErr);
  ASSERT_EQ(notifiers->AddNotifier(self, "b", kAIApplicationShutdownNotifier, &shutdown), kNoErr);
  ASSERT_EQ(notifiers->AddNotifier(self, "c", kAIApplicationStartedNotifier, &again), kNoErr);
  const host::Ref plugin = host::fromHandle(self);
  EXPECT_EQ(shell().plugins.notifiersOf(plugin, kAIApplicationStartedNotifier),
            (std::vector<host::Ref>{host::fromHandle(started), host::fromHandle(again)}));

  EXPECT_EQ(notifiers->SetNotifierActive(started, 0), kNoErr);
  AIBoolean active = 1;
  EXPECT_EQ(notifiers->GetNotifierActive(started, &active), kNoErr);
  EXPECT_EQ(active, 0);
  EXPECT_EQ(shell().plugins.notifiersOf(plugin, kAIApplicationStartedNotifier).size(), 1u);

  shell().plugins.forgetNotifiers(plugin);
  int32_t count = -1;
  EXPECT_EQ(notifiers->CountNotifiers(&count), kNoErr);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(notifiers->GetNotifierActive(again, &active), kBadParameterErr);
}

TEST_F(ShellTest, ContextsPopInReverseOrderOnly) {
  const auto* contexts = suite<AIAppContextSuite>(kAIAppContextSuite, kAIAppContextSuiteVersion);
  AIAppContextHandle outer = nullptr, inner = nullptr;
  ASSERT_EQ(contexts->PushAppContext(self, &outer), kNoErr);
  ASSERT_EQ(contexts->PushAppContext(self, &inner), kNoErr);
  EXPECT_EQ(contexts->PopAppContext(outer), kBadParameterErr);
  EXPECT_NE(errors.str().find("unbalanced application context pop"), std::string::npos);
  EXPECT_EQ(contexts->PopAppContext(inner), kNoErr);
  EXPECT_EQ(contexts->PopAppContext(outer), kNoErr);
  EXPECT_EQ(contexts->PopAppContext(outer), kBadParameterErr);
  EXPECT_EQ(shell().plugins.contextDepth(), 0u);
}
