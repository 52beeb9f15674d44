// The preferences file: every put on disk at once, values read back exactly as written,
// damaged files moved aside and kept, nothing stored when the file cannot be written.
#include <cfloat>
#include <cmath>
#include <climits>
#include <fstream>

#include <sys/stat.h>

#include "AIPreference.h"
#include "ShellFixture.h"
#include "model/FileWriting.h"
#include "model/PreferenceStore.h"

using host::PreferenceStore;

class PreferenceFileTest : public ShellTest {
 protected:
  std::filesystem::path file() { return folder() / "prefs.json"; }
  void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  std::string readText(const std::filesystem::path& path) {
    std::string text;
    EXPECT_TRUE(host::readFile(path, &text));
    return text;
  }
  // What a new run of the host would read from the file.
  PreferenceStore reopened() {
    PreferenceStore store;
    EXPECT_TRUE(store.open(file()).problem.empty());
    return store;
  }
};

TEST_F(PreferenceFileTest, EveryPutIsInTheFileAtOnceAndReadsBackExactly) {
  PreferenceStore store;
  ASSERT_TRUE(store.open(file()).problem.empty());
  const double reals[] = {0.1, 1.0 / 3, 28.346456692913385, DBL_MIN / 4, DBL_MAX, -0.0, 2.0};
  for (size_t i = 0; i < std::size(reals); ++i)
    ASSERT_EQ(store.put("Reals", "r" + std::to_string(i), reals[i]), kNoErr);
  ASSERT_EQ(store.put("RaltoGuides", "Min", INT32_MIN), kNoErr);
  ASSERT_EQ(store.put("RaltoGuides", "Max", INT32_MAX), kNoErr);
  ASSERT_EQ(store.put("RaltoGuides", "TI1", std::string("Marges égales «5 mm» ✓")), kNoErr);
  ASSERT_EQ(store.put("", "snapomatic/Color/red", 0.25), kNoErr);
  ASSERT_EQ(store.put("RaltoGuides", "Son", true), kNoErr);

  const PreferenceStore again = reopened();
  for (size_t i = 0; i < std::size(reals); ++i) {
    const auto* value = again.find("Reals", "r" + std::to_string(i));
    ASSERT_TRUE(value && std::holds_alternative<double>(*value));
    EXPECT_EQ(std::get<double>(*value), reals[i]);
    EXPECT_EQ(std::signbit(std::get<double>(*value)), std::signbit(reals[i]));
  }
  // An integer stays an integer and a real a real, even a whole one.
  EXPECT_EQ(std::get<int32_t>(*again.find("RaltoGuides", "Min")), INT32_MIN);
  EXPECT_EQ(std::get<int32_t>(*again.find("RaltoGuides", "Max")), INT32_MAX);
  EXPECT_TRUE(std::holds_alternative<double>(*again.find("Reals", "r6")));
  EXPECT_EQ(std::get<std::string>(*again.find("RaltoGuides", "TI1")), "Marges égales «5 mm» ✓");
  EXPECT_EQ(std::get<double>(*again.find("", "snapomatic/Color/red")), 0.25);
  EXPECT_EQ(std::get<bool>(*again.find("RaltoGuides", "Son")), true);
  EXPECT_EQ(again.find("RaltoGuides", "Absent"), nullptr);

  // Only the file itself is left in the folder: no temporary file stays behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder()), {}), 1);
}

TEST_F(PreferenceFileTest, BadValuesAreRefusedAndChangeNothing) {
  PreferenceStore store;
  store.open(file());
  ASSERT_EQ(store.put("S", "k", 1.5), kNoErr);
  const std::string before = readText(file());
  EXPECT_EQ(store.put("S", "k", std::nan("")), kNotFiniteErr);
  EXPECT_EQ(store.put("S", "k", HUGE_VAL), kNotFiniteErr);
  EXPECT_EQ(store.put("S", "k", std::string("\xFF\xFE")), kBadParameterErr);
  EXPECT_EQ(store.put("S", "", 1), kBadParameterErr);
  EXPECT_EQ(store.put("\xC3", "k", 1), kBadParameterErr);
  EXPECT_EQ(std::get<double>(*store.find("S", "k")), 1.5);
  EXPECT_EQ(readText(file()), before);
}

TEST_F(PreferenceFileTest, DamagedFilesAreMovedAsideNeverDeleted) {
  const std::string damaged[] = {
      "{ not json",
      "[1, 2]",
      R"({"RaltoGuides": 3})",
      R"({"RaltoGuides": {"Son": true}})",
      R"({"RaltoGuides": {"Son": {"boolean": 1}}})",
      R"({"RaltoGuides": {"NbrSets": {"integer": 4294967296}}})",
      R"({"RaltoGuides": {"NbrSets": {"integer": 2.5}}})",
      R"({"RaltoGuides": {"MH1": {"real": "12"}}})",
      R"({"RaltoGuides": {"MH1": {"real": 1, "integer": 1}}})",
      R"({"RaltoGuides": {"MH1": {"colour": 1}}})",
      "",
  };
  for (size_t i = 0; i < std::size(damaged); ++i) {
    SCOPED_TRACE(damaged[i]);
    writeText(file(), damaged[i]);
    PreferenceStore store;
    const PreferenceStore::Report report = store.open(file());
    EXPECT_NE(report.problem.find("damaged"), std::string::npos);
    EXPECT_TRUE(store.sections().empty());
    EXPECT_FALSE(std::filesystem::exists(file()));
    // Each damaged file keeps its own name: ".damaged", then ".damaged.1", ...
    std::filesystem::path aside = file();
    aside += i == 0 ? ".damaged" : ".damaged." + std::to_string(i);
    EXPECT_EQ(readText(aside), damaged[i]);
    // The store works on from empty and writes a sound file.
    EXPECT_EQ(store.put("RaltoGuides", "Son", true), kNoErr);
    EXPECT_EQ(std::get<bool>(*reopened().find("RaltoGuides", "Son")), true);
    std::filesystem::remove(file());
  }
}

TEST_F(PreferenceFileTest, AnAbsentFileReadsAsEmptyAndFoldersAreMadeOnFirstPut) {
  PreferenceStore store;
  const auto nested = folder() / "config" / "guides-host" / "prefs.json";
  EXPECT_TRUE(store.open(nested).problem.empty());
  EXPECT_TRUE(store.sections().empty());
  EXPECT_EQ(store.put("RaltoGuides", "NbrSets", 0), kNoErr);
  EXPECT_TRUE(std::filesystem::exists(nested));
}

TEST_F(PreferenceFileTest, APutThatCannotBeWrittenIsRefusedAndForgotten) {
  const auto blocked = folder() / "blocked";
  PreferenceStore store;
  store.open(blocked / "prefs.json");
  ASSERT_EQ(store.put("S", "kept", 1), kNoErr);
  // The folder of the file becomes a plain file: nothing can be written there, even by root.
  std::filesystem::remove_all(blocked);
  std::ofstream(blocked) << "not a folder";
  EXPECT_EQ(store.put("S", "kept", 2), kPreferenceWriteErr);
  EXPECT_EQ(store.put("S", "new", 3), kPreferenceWriteErr);
  EXPECT_NE(store.writeError().find("cannot save preferences"), std::string::npos);
  EXPECT_EQ(std::get<int32_t>(*store.find("S", "kept")), 1);
  EXPECT_EQ(store.find("S", "new"), nullptr);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder()), {}), 1);
}

TEST_F(PreferenceFileTest, AFileThatCannotBeReadIsNeitherMovedNorOverwritten) {
  std::filesystem::create_directories(file());  // a folder where the file should be
  PreferenceStore store;
  EXPECT_NE(store.open(file()).problem.find("cannot be read"), std::string::npos);
  EXPECT_EQ(store.put("S", "k", 1), kPreferenceWriteErr);
  EXPECT_TRUE(std::filesystem::is_directory(file()));
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
  writeText(kept, "{}");
  std::filesystem::permissions(kept, std::filesystem::perms(0600));
  ASSERT_TRUE(host::writeFileAtomically(kept, "{\"a\": 1}", &reason)) << reason;
  EXPECT_EQ(std::filesystem::status(kept).permissions(), std::filesystem::perms(0600));
  ::umask(previous);
}
