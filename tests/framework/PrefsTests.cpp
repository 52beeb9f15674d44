// The options and user sets in the host's preferences, over the simulated host's store.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "EcritLitPrefs.h"
#include "GuideSet.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "TestHost.h"
#include "model/Shell.h"

namespace {

using PrefValue = host::PreferenceStore::Value;

// The keys written, in order: a count written before its records is what keeps the store
// readable when a write is cut short.
std::vector<std::string> gPuts;

template <class T>
bool pref(const char* key, T& value) {
  const PrefValue* stored = host::shell().preferences.find("RaltoGuides", key);
  if (!stored || !std::holds_alternative<T>(*stored)) return false;
  value = std::get<T>(*stored);
  return true;
}
void setPref(const char* key, PrefValue value) { host::shell().preferences.put("RaltoGuides", key, std::move(value)); }

class Prefs : public testing::Test {
 protected:
  void SetUp() override {
    testhost::reset();
    host::resetShell();
    gPuts.clear();
    static AIPreferenceSuite recording;
    recording = *testhost::suite<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
    recording.PutBooleanPreference = Record<&AIPreferenceSuite::PutBooleanPreference, AIBoolean>;
    recording.PutIntegerPreference = Record<&AIPreferenceSuite::PutIntegerPreference, int32_t>;
    recording.PutRealPreference = Record<&AIPreferenceSuite::PutRealPreference, double>;
    recording.PutStringPreference = Record<&AIPreferenceSuite::PutStringPreference, const char*>;
    sAIPreference = &recording;
    TousLesPlans = ReperesVerrouilles = SonDefaut = OutilsGroupe = false;
  }
  void TearDown() override {
    sAIPreference = nullptr;
    host::resetShell();
  }

  template <auto Put, class T>
  static AIErr Record(const char* prefix, const char* suffix, T value) {
    gPuts.push_back(suffix);
    return (testhost::suite<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion)->*Put)(prefix, suffix,
                                                                                                     value);
  }

  // The current set's values, and those of the recognisable set numbered n.
  static auto Set() {
    return std::tie(UniteDuSet, MargeHaut, MargeBas, MargeGauche, MargeDroite, NombreDeColonnes, NombreDeLignes,
                    LargeurDeColonnes, HauteurDeLignes, GouttiereColonnes, GouttiereLignes, CadenasMarges);
  }
  static auto SetNumero(int n) {
    return std::tuple(static_cast<CodeUnite>(n % 5 + 1), 10.5 * n, 11.25 * n, 12.0 * n, 13.0 * n, int32_t{n + 1},
                      int32_t{n + 2}, 14.0 * n, 15.0 * n, 16.0 * n, 17.0 * n, n % 2 == 1);
  }
  static void CurrentSet(int n) {
    std::snprintf(TitreSet, sizeof TitreSet, "Set %d", n);
    Set() = SetNumero(n);
  }

  // Loads set k as the panel does and checks that it is the set numbered n.
  static void ExpectSetLoads(int k, int n) {
    CurrentSet(99);
    ASSERT_EQ(LitSet(k), kNoErr);
    ASSERT_EQ(LitCadenasDuSet(k), kNoErr);
    EXPECT_EQ(Set(), SetNumero(n)) << "set " << k;
  }

  // The four options, in the order the store names them: all plans, locked, sound, grouped.
  static auto Options() { return std::tuple(TousLesPlans, ReperesVerrouilles, SonDefaut, OutilsGroupe); }

  static void StoreSets(int count) {
    for (int k = 1; k <= count; ++k) {
      CurrentSet(k);
      ASSERT_EQ(AjouteSet(k), kNoErr);
    }
  }
};

// A store without "TousPlans" is a first launch, which writes the defaults (a count found
// there counts no set; the values written are printed by the first_launch_prefs session).
// A later launch reads the options and writes nothing: an absent one takes its default,
// but the sound keeps what it was.
TEST_F(Prefs, TheOptionsAreReadOrAFirstLaunchWritesItsDefaults) {
  using Stored = std::vector<std::pair<const char*, PrefValue>>;
  const std::vector<std::string> defaults = {"PanneauVisible", "OutilsGroupe", "Son", "TousPlans",
                                             "Verrouille", "NbrSets", "kADM_DPVisibleStr"};
  const struct { Stored stored; std::tuple<bool, bool, bool, bool> options; std::vector<std::string> puts;
                 int32_t count; } cases[] = {
      {{}, {false, true, true, false}, defaults, 0},
      {{{"NbrSets", int32_t{5}}}, {false, true, true, false}, defaults, 0},
      {{{"TousPlans", true}, {"Verrouille", false}, {"Son", true}, {"OutilsGroupe", true}}, {true, false, true, true}, {},
       -1},
      {{{"TousPlans", true}}, {true, true, false, false}, {}, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored.size());
    host::resetShell();
    for (const auto& [key, value] : c.stored) setPref(key, value);
    gPuts.clear();
    std::tie(TousLesPlans, ReperesVerrouilles, SonDefaut, OutilsGroupe) = std::tuple(true, false, false, true);
    LitPrefs();
    EXPECT_EQ(Options(), c.options);
    EXPECT_EQ(gPuts, c.puts);
    int32_t count = -1;
    pref("NbrSets", count);
    EXPECT_EQ(count, c.count);
  }
}

TEST_F(Prefs, AppendingTheFirstSetWritesTheCountThenItsRecord) {
  CurrentSet(1);
  ASSERT_EQ(AjouteSet(1), kNoErr);
  EXPECT_EQ(gPuts, (std::vector<std::string>{"NbrSets", "TI1", "MH1", "MB1", "MG1", "MD1", "NC1", "NL1",
                                                    "LC1", "HL1", "GC1", "GL1", "CD1", "NS1"}));
  EXPECT_EQ(LitNombreDeSets(), 1);
  EXPECT_EQ(LitTitresDesSets(), std::vector<std::string>{"Set 1"});
  ExpectSetLoads(1, 1);
}

TEST_F(Prefs, DeletingASetMovesTheLaterOnesDown) {
  StoreSets(4);
  gPuts.clear();
  ASSERT_EQ(SupprimeSet(2), kNoErr);
  EXPECT_EQ(gPuts.front(), "NbrSets");
  EXPECT_EQ(LitNombreDeSets(), 3);
  EXPECT_EQ(LitTitresDesSets(), (std::vector<std::string>{"Set 1", "Set 3", "Set 4"}));
  ExpectSetLoads(1, 1);
  ExpectSetLoads(2, 3);
  ExpectSetLoads(3, 4);
  // The old last record stays in the file.
  std::string stale;
  EXPECT_TRUE(pref("TI4", stale));
  EXPECT_EQ(stale, "Set 4");
  ExpectSetLoads(4, 4);
}

TEST_F(Prefs, SetNumbersOutsideTheListAreRefused) {
  StoreSets(2);
  gPuts.clear();
  for (int32_t k : {0, -1, 9, 10, 58}) {
    EXPECT_EQ(AjouteSet(k), kBadParameterErr) << k;
    EXPECT_EQ(LitSet(k), kBadParameterErr) << k;
    EXPECT_EQ(LitCadenasDuSet(k), kBadParameterErr) << k;
  }
  EXPECT_EQ(SupprimeSet(3), kBadParameterErr);
  EXPECT_EQ(SupprimeSet(0), kBadParameterErr);
  EXPECT_TRUE(gPuts.empty());
  EXPECT_EQ(LitNombreDeSets(), 2);
}

// Accented and four-byte titles stored and read back are the sets_title_length session's.

// A count of another type or outside 0 to 8 gives way to the complete records from set 1
// up: none is hidden, and the next set stored comes after them.
TEST_F(Prefs, ACountThatCannotBeTrustedIsThatOfTheCompleteRecords) {
  setPref("NbrSets", int32_t{42});
  EXPECT_EQ(LitNombreDeSets(), 0);
  EXPECT_TRUE(LitTitresDesSets().empty());
  EXPECT_EQ(SupprimeSet(1), kBadParameterErr);

  StoreSets(3);
  for (const PrefValue& compte : {PrefValue{int32_t{9}}, PrefValue{int32_t{42}}, PrefValue{int32_t{-1}}, PrefValue{2.0}, PrefValue{std::string("3")}}) {
    setPref("NbrSets", compte);
    EXPECT_EQ(LitNombreDeSets(), 3);
  }
  EXPECT_EQ(LitTitresDesSets(), (std::vector<std::string>{"Set 1", "Set 2", "Set 3"}));
  // A key of the wrong type makes a record incomplete: the count stops before it.
  setPref("GL2", int32_t{17});
  EXPECT_EQ(LitNombreDeSets(), 1);
  // A count that can be trusted is taken as it is, the cap of 8 included.
  for (int32_t compte : {0, 3, 8}) {
    setPref("NbrSets", compte);
    EXPECT_EQ(LitNombreDeSets(), compte);
  }
}

// A stored title up to 320 bytes comes back whole; a longer one is cut to 320.
TEST_F(Prefs, AnOverlongStoredTitleIsCutToTheBuffer) {
  setPref("NbrSets", int32_t{1});
  const size_t cap = kTailleTitreSet - 1;
  std::string accents;
  for (int i = 0; i < 1000; ++i) accents += "é";  // two bytes each: the cut falls between two
  for (const std::string& title : {std::string(cap - 1, 'x'), std::string(cap, 'x'), std::string(cap + 1, 'x'), accents}) {
    setPref("TI1", title);
    EXPECT_EQ(LitTitresDesSets(), std::vector<std::string>{title.substr(0, cap)}) << title.size();
  }
}

// A title holding bytes that are not UTF-8 is stored with U+FFFD for each byte that starts
// no character, and whole characters kept: the host refuses any other text.
TEST_F(Prefs, ATitleIsStoredAsUtf8WithEachBadByteReplaced) {
  const std::string R = "\xEF\xBF\xBD";
  const std::pair<std::string, std::string> titres[] = {
      {"é€𝄞\x7F", "é€𝄞\x7F"},                        // two, three and four bytes kept
      {"a\xC0\xAF", "a" + R + R},                        // an overlong '/'
      {"\xE0\x80\xAF", R + R + R},                       // the same, on three bytes
      {"\xF0\x80\x80\xAF", R + R + R + R},               // and on four
      {"\xED\xA0\x80" "b", R + R + R + "b"},             // a surrogate
      {"\xF4\x90\x80\x80", R + R + R + R},               // past U+10FFFF
      {"\xF5\x80\xFF", R + R + R},                       // bytes no character starts with
      {"c\xE2\x82", "c" + R + R},                        // cut short
      {"\x80\xBF", R + R},                               // stray continuations
  };
  for (const auto& [titre, stocke] : titres) {
    CurrentSet(1);
    std::snprintf(TitreSet, sizeof TitreSet, "%s", titre.c_str());
    ASSERT_EQ(AjouteSet(1), kNoErr);
    std::string lu;
    EXPECT_TRUE(pref("TI1", lu));
    EXPECT_EQ(lu, stocke) << testing::PrintToString(titre);
  }
}

}  // namespace
