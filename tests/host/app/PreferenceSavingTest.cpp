// The preferences as the host saves them around the real plug-in: a set stored through the
// panel is written once, as soon as the event that stored it is over; a host whose
// preferences another host holds tells the user as it starts and at each store. (That it
// writes nothing is the store's test; a session covers a store that cannot be saved.)
#include "../AnotherHost.h"
#include "AppFixture.h"
#include "model/PreferenceSaving.h"

namespace {

constexpr const char* kStoreASet =
    "document new 100 50\n"
    "tool Outil Guides\n"
    "ui choose PANpopupSets 2\n"
    "ui click PANokSetBT\n";

size_t alertsStartingWith(const std::string& start) {
  size_t count = 0;
  for (const std::string& alert : host::model().alerts()) count += alert.starts_with(start) ? 1 : 0;
  return count;
}

}  // namespace

class PreferenceSavingTest : public AppTest {
 protected:
  // The plug-in gives its suites back to the shell it took them from.
  void TearDown() override {
    application.shutdown();
    AppTest::TearDown();
  }
  bool run(const std::string& script) { return AppTest::run(application, script); }
  const host::PreferenceStore::Value* stored(const char* key) {
    return host::shell().preferences.find("RaltoGuides", key);
  }

  host::Application application{{GUIDES_MODULE}};
};

TEST_F(PreferenceSavingTest, StoringASetWritesTheFileOnceAsSoonAsTheEventIsOver) {
  application.start();
  ASSERT_TRUE(run("document new 100 50\ntool Outil Guides\nui choose PANpopupSets 2\n"));
  const int before = host::shell().preferences.writes();
  ASSERT_TRUE(run("ui click PANokSetBT\n"));
  EXPECT_EQ(host::shell().preferences.writes(), before + 1);
  host::PreferenceStore nextRun;
  nextRun.open(prefsFile);
  EXPECT_EQ(std::get<int32_t>(*nextRun.find("RaltoGuides", "NbrSets")), 1);
  EXPECT_EQ(std::get<std::string>(*nextRun.find("RaltoGuides", "TI1")), "Mon set 1");
}

TEST_F(PreferenceSavingTest, AHostWhosePreferencesAnotherHoldsSaysSo) {
  host::shell().preferences.open({});  // the fixture's run lets the file go
  AnotherHost other(prefsFile, "RaltoGuides", "Autre");
  ASSERT_GT(other.pid(), 0);
  const std::string holder = "in use by another host (process " + std::to_string(other.pid()) + ")";
  host::reportPreferencesOpened(host::shell().preferences.open(prefsFile));
  EXPECT_EQ(occurrences("the preferences are " + holder + "; this host reads them and saves nothing"), 1u);
  EXPECT_EQ(alertsStartingWith("Preferences will not be saved in this session: they are " + holder + "."), 1u);
  ASSERT_NE(stored("Autre"), nullptr);

  application.start();
  ASSERT_TRUE(run(kStoreASet));
  application.shutdown();
  EXPECT_EQ(alertsStartingWith("Preferences not saved: they are " + holder + "."), 2u);
  EXPECT_TRUE(other.end());
}
