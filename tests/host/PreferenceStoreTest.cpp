// The preferences file: values read back exactly as written, written once by a save for
// every put before it, damaged files moved aside and kept, a failed write kept in memory and
// tried again, links kept, the file read kept as ".bak", and a second host that reads the
// file but never writes it.
#include <cfloat>
#include <cmath>
#include <climits>
#include <fstream>

#include <sys/stat.h>

#include "AIPreference.h"
#include "AnotherHost.h"
#include "ShellFixture.h"
#include "model/FileWriting.h"
#include "model/PreferenceStore.h"

using host::PreferenceStore;
using testhost::contentOf;
using testhost::writeFile;
using Saving = host::PreferenceStore::Saving;

class PreferenceFileTest : public ShellTest {
 protected:
  std::filesystem::path file() { return folder() / "prefs.json"; }
  // What a new run of the host would read from the file, found sound.
  PreferenceStore reopened(const std::filesystem::path& path) {
    PreferenceStore store;
    EXPECT_TRUE(store.open(path).problem.empty());
    return store;
  }
  PreferenceStore reopened() { return reopened(file()); }
  static int32_t integer(const PreferenceStore& store, const char* key) {
    return std::get<int32_t>(*store.find("S", key));
  }
};

// Each value reads back of its own type (an integer stays an integer and a real a real,
// even a whole one), to the bit.
TEST_F(PreferenceFileTest, WhatIsSavedReadsBackExactly) {
  const std::tuple<const char*, const char*, PreferenceStore::Value> values[] = {
      {"R", "tenth", 0.1}, {"R", "third", 1.0 / 3}, {"R", "cm", 28.346456692913385}, {"R", "subnormal", DBL_MIN / 4},
      {"R", "max", DBL_MAX}, {"R", "minus zero", -0.0}, {"R", "whole", 2.0}, {"I", "min", INT32_MIN},
      {"I", "max", INT32_MAX}, {"S", "TI1", std::string("Marges égales «5 mm» ✓")}, {"B", "Son", true},
      {"", "snapomatic/Color/red", 0.25},
  };
  PreferenceStore store = reopened();
  for (const auto& [section, key, value] : values) ASSERT_EQ(store.put(section, key, value), kNoErr);
  ASSERT_EQ(store.save(), Saving::Saved);

  const PreferenceStore again = reopened();
  for (const auto& [section, key, value] : values) {
    SCOPED_TRACE(key);
    const auto* read = again.find(section, key);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(*read, value);  // the sign of zero is the writing test's
  }
  EXPECT_EQ(again.find("B", "Absent"), nullptr);

  // Only the file and its lock are left beside the test's Resources: no temporary file stays.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder()), {}), 3);  // and Resources
  EXPECT_TRUE(std::filesystem::exists(folder() / "prefs.json.lock"));
}

// Storing a set puts fourteen values: the file is written once for all of them. An absent
// file reads as empty and the folders leading to it are made.
TEST_F(PreferenceFileTest, PutsWaitForTheSaveThatWritesThemAllAtOnce) {
  const auto nested = folder() / "config" / "guides-host" / "prefs.json";
  PreferenceStore store = reopened(nested);
  EXPECT_TRUE(store.sections().empty());
  ASSERT_EQ(store.put("S", "a", 1), kNoErr);
  ASSERT_EQ(store.put("T", "b", 2.5), kNoErr);
  ASSERT_EQ(store.save(), Saving::Saved);
  const std::string before = contentOf(nested);
  for (int i = 0; i < 14; ++i) ASSERT_EQ(store.put("S", "k" + std::to_string(i), i), kNoErr);
  EXPECT_EQ(contentOf(nested), before);
  EXPECT_EQ(store.save(), Saving::Saved);
  EXPECT_EQ(integer(reopened(nested), "k13"), 13);
  // The section put since the last save written again, the other one as it was.
  EXPECT_EQ(contentOf(nested), host::serialize(store.sections()));
  EXPECT_EQ(store.save(), Saving::NothingNew);  // with nothing put since, nothing is written
  // No file was read: there is nothing to keep a copy of.
  EXPECT_FALSE(std::filesystem::exists(nested.parent_path() / "prefs.json.bak"));
}

TEST_F(PreferenceFileTest, BadValuesAreRefusedAndChangeNothing) {
  PreferenceStore store = reopened();
  ASSERT_EQ(store.put("S", "k", 1.5), kNoErr);
  ASSERT_EQ(store.save(), Saving::Saved);
  const std::string before = contentOf(file());
  EXPECT_EQ(store.put("S", "k", std::nan("")), kNotFiniteErr);
  EXPECT_EQ(store.put("S", "k", HUGE_VAL), kNotFiniteErr);
  EXPECT_EQ(store.put("S", "k", std::string("\xFF\xFE")), kBadParameterErr);
  EXPECT_EQ(store.put("S", "", 1), kBadParameterErr);
  EXPECT_EQ(store.put("\xC3", "k", 1), kBadParameterErr);
  EXPECT_EQ(std::get<double>(*store.find("S", "k")), 1.5);
  EXPECT_EQ(store.save(), Saving::NothingNew);
  EXPECT_EQ(contentOf(file()), before);
}

// The hostile sessions keep aside empty and cut-short files, files that are not JSON and
// values without their type; here, the rest of what makes a file damaged.
TEST_F(PreferenceFileTest, DamagedFilesAreMovedAsideNeverDeleted) {
  const std::string damaged[] = {
      "[1, 2]",
      R"({"RaltoGuides": 3})",
      R"({"RaltoGuides": {"Son": {"boolean": 1}}})",
      R"({"RaltoGuides": {"NbrSets": {"integer": 4294967296}}})",
      R"({"RaltoGuides": {"NbrSets": {"integer": 2.5}}})",
      R"({"RaltoGuides": {"MH1": {"real": "12"}}})",
      R"({"RaltoGuides": {"MH1": {"real": 1, "integer": 1}}})",
      R"({"RaltoGuides": {"MH1": {"colour": 1}}})",
  };
  for (size_t i = 0; i < std::size(damaged); ++i) {
    SCOPED_TRACE(damaged[i]);
    writeFile(file(), damaged[i]);
    PreferenceStore store;
    const PreferenceStore::Report report = store.open(file());
    EXPECT_NE(report.problem.find("damaged"), std::string::npos);
    EXPECT_TRUE(store.sections().empty());
    EXPECT_FALSE(std::filesystem::exists(file()));
    // Each damaged file keeps its own name: ".damaged", then ".damaged.1", ...
    std::filesystem::path aside = file();
    aside += i == 0 ? ".damaged" : ".damaged." + std::to_string(i);
    EXPECT_EQ(contentOf(aside), damaged[i]);
    // The store works on from empty and writes a sound file.
    EXPECT_EQ(store.put("RaltoGuides", "Son", true), kNoErr);
    EXPECT_EQ(store.save(), Saving::Saved);
    EXPECT_EQ(std::get<bool>(*reopened().find("RaltoGuides", "Son")), true);
    std::filesystem::remove(file());
  }
}

TEST_F(PreferenceFileTest, AFailedSaveKeepsTheValuesAndIsTriedAgainWithTheNextChange) {
  const auto blocked = folder() / "blocked";
  PreferenceStore store = reopened(blocked / "prefs.json");
  ASSERT_EQ(store.put("S", "kept", 1), kNoErr);
  ASSERT_EQ(store.save(), Saving::Saved);
  // The folder of the file becomes a plain file: nothing can be written there, even by root.
  std::filesystem::remove_all(blocked);
  std::ofstream(blocked) << "not a folder";
  EXPECT_EQ(store.put("S", "kept", 2), kNoErr);
  EXPECT_EQ(store.put("S", "new", 3), kNoErr);
  EXPECT_EQ(store.save(), Saving::Failed);
  EXPECT_EQ(store.saveError(), "cannot create a temporary file: Not a directory");
  EXPECT_EQ(std::make_tuple(integer(store, "kept"), integer(store, "new"), store.hasUnsavedValues()),
            std::make_tuple(2, 3, true));
  // One failure per store: with nothing new there is no second attempt.
  EXPECT_EQ(std::make_pair(store.save(), store.failedSaves()), std::make_pair(Saving::NothingNew, 1));
  // A restart of the plug-ins does not read the older file over them.
  EXPECT_NE(store.reload().problem.find("kept"), std::string::npos);
  EXPECT_EQ(integer(store, "new"), 3);

  // The next save writes everything held, the values of the failed save included.
  std::filesystem::remove(blocked);
  EXPECT_EQ(store.put("S", "later", 4), kNoErr);
  EXPECT_EQ(store.save(), Saving::Saved);
  EXPECT_FALSE(store.hasUnsavedValues());
  const PreferenceStore again = reopened(blocked / "prefs.json");
  EXPECT_EQ(std::make_pair(integer(again, "new"), integer(again, "later")), std::make_pair(3, 4));
}

TEST_F(PreferenceFileTest, AFileThatCannotBeReadIsNeitherMovedNorOverwritten) {
  std::filesystem::create_directories(file());  // a folder where the file should be
  PreferenceStore store;
  EXPECT_NE(store.open(file()).problem.find("cannot be read"), std::string::npos);
  EXPECT_EQ(store.put("S", "k", 1), kNoErr);
  EXPECT_EQ(store.save(), Saving::Failed);
  EXPECT_EQ(store.readOnlyReason(), "the file could not be read when the host started");
  EXPECT_TRUE(std::filesystem::is_directory(file()));
}

// A preferences file kept elsewhere (in a folder of dotfiles) and linked to: the link stays
// a link, the file it leads to gets the values, through relative links and chains of them.
TEST_F(PreferenceFileTest, ALinkedFileIsWrittenThroughItsLinks) {
  const auto kept = folder() / "dotfiles" / "guides.json";
  std::filesystem::create_directories(kept.parent_path());
  writeFile(kept, R"({"S": {"old": {"integer": 7}}})");
  std::filesystem::create_symlink("dotfiles/guides.json", folder() / "middle.json");
  std::filesystem::create_symlink("middle.json", file());

  PreferenceStore store = reopened();
  EXPECT_EQ(store.target(), folder() / "dotfiles/guides.json");
  ASSERT_EQ(integer(store, "old"), 7);
  ASSERT_EQ(store.put("S", "new", 8), kNoErr);
  ASSERT_EQ(store.save(), Saving::Saved);
  EXPECT_TRUE(std::filesystem::is_symlink(file()) && std::filesystem::is_symlink(folder() / "middle.json"));
  EXPECT_EQ(integer(reopened(), "new"), 8);
  EXPECT_TRUE(std::filesystem::exists(folder() / "dotfiles" / "guides.json.bak"));

  // A link to a file not made yet: the file is made where the link leads.
  std::filesystem::remove(kept);
  std::filesystem::remove(folder() / "dotfiles" / "guides.json.bak");
  PreferenceStore fresh = reopened();
  ASSERT_EQ(fresh.put("S", "first", 1), kNoErr);
  ASSERT_EQ(fresh.save(), Saving::Saved);
  EXPECT_TRUE(std::filesystem::is_symlink(file()) && std::filesystem::is_regular_file(kept));
}

// The file as a run found it stays beside it as ".bak" whatever the run writes (a session
// checks two saves); a restart of the plug-ins is the same run, the next run keeps the file
// it found.
TEST_F(PreferenceFileTest, TheFileReadIsKeptBesideItBeforeTheRunFirstWritesIt) {
  const std::string found = "{ \"S\" : { \"k\" : { \"integer\" : 1 } } }";
  writeFile(file(), found);
  const auto copy = folder() / "prefs.json.bak";
  PreferenceStore store = reopened();
  EXPECT_FALSE(std::filesystem::exists(copy));  // reading alone keeps nothing
  store.put("S", "k", 2);
  ASSERT_EQ(store.save(), Saving::Saved);
  store.reload();
  store.put("S", "k", 3);
  ASSERT_EQ(store.save(), Saving::Saved);
  EXPECT_EQ(contentOf(copy), found);

  const std::string lastRun = contentOf(file());
  PreferenceStore nextRun = reopened();
  nextRun.put("S", "k", 4);
  ASSERT_EQ(nextRun.save(), Saving::Saved);
  EXPECT_EQ(contentOf(copy), lastRun);
}

// Written files are as readable as any file the user makes (exports are meant to be
// opened and shared), and a file already there keeps the mode it had.
TEST_F(PreferenceFileTest, WrittenFilesTakeTheUsualModeOrKeepTheirOwn) {
  const mode_t previous = ::umask(022);
  std::string reason;
  const std::filesystem::path made = folder() / "made.svg";
  ASSERT_TRUE(host::writeFileAtomically(made, "<svg/>", &reason)) << reason;
  EXPECT_EQ(std::filesystem::status(made).permissions(), std::filesystem::perms(0644));

  const std::filesystem::path kept = folder() / "kept.json";
  writeFile(kept, "{}");
  std::filesystem::permissions(kept, std::filesystem::perms(0600));
  ASSERT_TRUE(host::writeFileAtomically(kept, "{\"a\": 1}", &reason)) << reason;
  EXPECT_EQ(std::filesystem::status(kept).permissions(), std::filesystem::perms(0600));
  ::umask(previous);
}

// Two hosts on one file: the second is told who holds it, reads it, and writes nothing,
// not even a copy; once the holder has ended, a restart reads the file again and may write.
TEST_F(PreferenceFileTest, ASecondHostReadsTheFileButWritesItOnlyOnceTheHolderHasEnded) {
  AnotherHost other(file(), "S", "theirs");
  ASSERT_GT(other.pid(), 0);
  const std::string written = contentOf(file());
  const std::string holder = "(process " + std::to_string(other.pid()) + ")";
  PreferenceStore store;
  EXPECT_EQ(store.open(file()).problem,
            "the preferences are in use by another host " + holder + "; this host reads them and saves nothing");
  EXPECT_EQ(integer(store, "theirs"), 1);
  store.put("S", "mine", 2);
  EXPECT_EQ(store.save(), Saving::Failed);
  EXPECT_EQ(store.readOnlyReason(), "they are in use by another host " + holder);
  EXPECT_EQ(contentOf(file()), written);
  EXPECT_FALSE(std::filesystem::exists(folder() / "prefs.json.bak"));

  EXPECT_TRUE(other.end());
  EXPECT_EQ(store.reload().problem + store.readOnlyReason(), "");
  store.put("S", "mine", 2);
  EXPECT_EQ(store.save(), Saving::Saved);
  const PreferenceStore next = reopened();
  EXPECT_EQ(std::make_pair(integer(next, "theirs"), integer(next, "mine")), std::make_pair(1, 2));
}

// What to do with a damaged file is for the host that holds it: another leaves it in place.
TEST_F(PreferenceFileTest, ASecondHostLeavesADamagedFileWhereItIs) {
  AnotherHost other(file(), "S", "theirs");
  ASSERT_GT(other.pid(), 0);
  writeFile(file(), "{ cut short");
  PreferenceStore store;
  EXPECT_EQ(store.open(file()).problem, "the preferences are in use by another host (process " + std::to_string(other.pid()) +
                                          "); this host reads them and saves nothing; the preferences file is "
                                          "damaged (not JSON); it is left as it is");
  EXPECT_EQ(contentOf(file()), "{ cut short");
  EXPECT_FALSE(std::filesystem::exists(folder() / "prefs.json.damaged"));
  EXPECT_TRUE(other.end());
}
