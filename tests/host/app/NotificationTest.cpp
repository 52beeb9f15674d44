// The changes plug-ins are notified of: the ruler unit and the selection of the front
// document. Each command makes its change, then sends the notification once to the
// notifiers registered for it; a command that changes nothing sends nothing.
#include "AINotifier.h"
#include "AppFixture.h"
#include "model/Printout.h"

namespace {

class NotificationTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    application = std::make_unique<host::Application>(std::vector<std::filesystem::path>{RECORDER_MODULE});
    application->start();
    const host::Ref recorder = application->plugins().front()->ref();
    for (const char* type : {kAIDocumentRulerUnitChangedNotifier, kAIArtSelectionChangedNotifier}) {
      host::Ref made;
      ASSERT_EQ(host::shell().plugins.addNotifier(recorder, "Test", type, &made), kNoErr);
    }
    host::shell().log.setTracing(true);  // messages sent are traced on `errors`
  }
  void TearDown() override {
    host::shell().log.setTracing(false);
    application.reset();
    AppTest::TearDown();
  }

  bool run(const std::string& script) { return AppTest::run(*application, script); }
  size_t notified(const char* type) const {
    return occurrences(std::string("message AI Notifier/AI Notify [") + type + "] to Recorder.so -> ");
  }
  std::vector<std::string> selectedArt() const {
    std::vector<std::string> lines;
    for (const std::string& line : host::artLines(host::model()))
      if (line.ends_with(" selected")) lines.push_back(line);
    return lines;
  }

  std::unique_ptr<host::Application> application;
};

TEST_F(NotificationTest, ARulerUnitChangeIsMadeThenNotifiedOncePerChange) {
  EXPECT_FALSE(run("ruler-unit cm\n"));
  EXPECT_EQ(sessionErrors.str(), "line 1: ruler-unit: no document is open\n");
  // "cm" again changes nothing; codes beyond the five the plug-in knows reach it all the same.
  ASSERT_TRUE(run("document new 200 100\nruler-unit cm\nruler-unit cm\nruler-unit px\nruler-unit ft\n"));
  EXPECT_EQ(host::model().front()->rulerUnits, kFeetUnits);
  EXPECT_EQ(notified(kAIDocumentRulerUnitChangedNotifier), 3u);
  sessionErrors.str("");
  EXPECT_FALSE(run("ruler-unit furlong\n"));
  EXPECT_EQ(sessionErrors.str(), "line 1: ruler-unit: unknown unit 'furlong' (in, cm, pt, pi, mm, px, q, ft, yd, m)\n");
  EXPECT_EQ(host::model().front()->rulerUnits, kFeetUnits);
  EXPECT_EQ(notified(kAIDocumentRulerUnitChangedNotifier), 3u);
  EXPECT_EQ(notified(kAIArtSelectionChangedNotifier), 0u);
}

// Each line's selection after it, and whether it was told.
TEST_F(NotificationTest, SelectionChangesAreMadeThenNotifiedOnlyWhenSomethingChanged) {
  ASSERT_TRUE(run("document new 200 100\nrect 0 10 10 0 un\nrect 20 10 30 0 deux\nlayer new Verrou\n"
                  "rect 40 10 50 0 fermé\nlayer lock Verrou\n"));
  using Lines = std::vector<std::string>;
  const std::string un = "Calque 1/un path 4 selected", deux = "Calque 1/deux path 4 selected";
  const std::tuple<const char*, Lines, size_t> steps[] = {
      {"select un", {un}, 1},
      {"select un", {un}, 1},  // the same selection again: nothing to tell
      {"select all", {deux, un}, 2},  // art on a locked layer is left out
      {"select deux", {deux}, 3},  // a name alone deselects the others
      {"select fermé", {deux}, 3},
      {"select none", {}, 4},
      {"select none", {}, 4},
      {"select all\nlayer lock Calque 1\nselect none", {}, 6},  // deselecting needs no editable layer
      {"layer unlock Calque 1\nselect all\ndelete un\ndelete deux\nselect all", {}, 7},
  };
  for (const auto& [line, selected, notifications] : steps) {
    SCOPED_TRACE(line);
    ASSERT_TRUE(run(std::string(line) + "\n"));
    EXPECT_EQ(selectedArt(), selected);
    EXPECT_EQ(host::model().selection().size(), selected.size());
    EXPECT_EQ(notified(kAIArtSelectionChangedNotifier), notifications);
  }
  EXPECT_EQ(out.str(), "select: fermé refused: its layer is locked\n");
  EXPECT_FALSE(run("select personne\n"));
  EXPECT_EQ(sessionErrors.str(), "line 1: select: nothing named 'personne'\n");
  EXPECT_EQ(notified(kAIDocumentRulerUnitChangedNotifier), 0u);
}

}  // namespace
