// The preference suite as the plug-in uses it: typed reads that leave the destination alone
// when they fail, strings cut to the caller's buffer, the host's own section.
#include <cstring>

#include "AIPreference.h"
#include "ShellFixture.h"

class PreferenceSuiteTest : public ShellTest {
 protected:
  const AIPreferenceSuite* prefs = suite<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
};

TEST_F(PreferenceSuiteTest, AbsentKeysAndKeysOfAnotherTypeLeaveTheDestinationUntouched) {
  ASSERT_EQ(prefs->PutIntegerPreference("RaltoGuides", "NbrSets", 3), kNoErr);
  AIBoolean flag = 7;
  int32_t count = -5;
  double real = 1.25;
  char text[8] = "keep";
  EXPECT_EQ(prefs->GetBooleanPreference("RaltoGuides", "Absent", &flag), kNotFoundErr);
  EXPECT_EQ(prefs->GetBooleanPreference("RaltoGuides", "NbrSets", &flag), kNotFoundErr);
  EXPECT_EQ(prefs->GetRealPreference("RaltoGuides", "NbrSets", &real), kNotFoundErr);
  EXPECT_EQ(prefs->GetStringPreference("RaltoGuides", "NbrSets", text, sizeof text), kNotFoundErr);
  EXPECT_EQ(prefs->GetIntegerPreference("Other", "NbrSets", &count), kNotFoundErr);
  EXPECT_EQ(std::make_tuple(flag, count, real, std::string(text)), std::make_tuple(AIBoolean{7}, -5, 1.25, "keep"));
  EXPECT_EQ(prefs->GetIntegerPreference("RaltoGuides", "NbrSets", &count), kNoErr);
  EXPECT_EQ(count, 3);
  ASSERT_EQ(prefs->PutBooleanPreference("RaltoGuides", "Son", 2), kNoErr);  // stored as 1
  EXPECT_EQ(prefs->GetBooleanPreference("RaltoGuides", "Son", &flag), kNoErr);
  EXPECT_EQ(flag, 1);
}

TEST_F(PreferenceSuiteTest, StringsAreStoredWholeAndCutAtACharacterToTheBuffer) {
  const char* title = "Été à 3 colonnes";
  ASSERT_EQ(prefs->PutStringPreference("RaltoGuides", "TI1", title), kNoErr);
  char exact[std::char_traits<char>::length("Été à 3 colonnes") + 1];  // just large enough
  EXPECT_EQ(prefs->GetStringPreference("RaltoGuides", "TI1", exact, sizeof exact), kNoErr);
  EXPECT_STREQ(exact, title);

  // "É" takes two bytes: a buffer cut never leaves half of it, and nothing is written past
  // the capacity given.
  char guard[8];
  std::memset(guard, '#', sizeof guard);
  EXPECT_EQ(prefs->GetStringPreference("RaltoGuides", "TI1", guard, 4), kNoErr);
  EXPECT_STREQ(guard, "\xC3\x89t");
  EXPECT_EQ(guard[4], '#');
  EXPECT_EQ(prefs->GetStringPreference("RaltoGuides", "TI1", guard, 3), kNoErr);
  EXPECT_STREQ(guard, "\xC3\x89");
  EXPECT_EQ(prefs->GetStringPreference("RaltoGuides", "TI1", guard, 2), kNoErr);
  EXPECT_STREQ(guard, "");
  EXPECT_EQ(prefs->GetStringPreference("RaltoGuides", "TI1", guard, 0), kBadParameterErr);
  EXPECT_EQ(prefs->PutStringPreference("RaltoGuides", "TI2", "\xE9t\xE9"), kBadParameterErr);
  EXPECT_EQ(prefs->PutStringPreference("RaltoGuides", "TI2", nullptr), kBadParameterErr);
}

TEST_F(PreferenceSuiteTest, TheNullSectionHoldsTheHostsOwnKeys) {
  double red = -1;
  EXPECT_EQ(prefs->GetRealPreference(nullptr, "snapomatic/Color/red", &red), kNoErr);  // there from the start
  ASSERT_EQ(prefs->PutRealPreference(nullptr, "snapomatic/Color/red", 0.5), kNoErr);
  EXPECT_EQ(prefs->GetRealPreference(nullptr, "snapomatic/Color/red", &red), kNoErr);
  EXPECT_EQ(red, 0.5);
  // The host's keys are not in the plug-in's section.
  EXPECT_EQ(prefs->GetRealPreference("RaltoGuides", "snapomatic/Color/green", &red), kNotFoundErr);
  EXPECT_EQ(prefs->GetRealPreference(nullptr, nullptr, &red), kBadParameterErr);
}
