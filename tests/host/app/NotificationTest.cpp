// The changes plug-ins are notified of: the ruler unit and the selection of the front
// document. Each command makes its change, then sends the notification once to the
// notifiers registered for it; a command that changes nothing sends nothing.
#include "AINotifier.h"
#include "AppFixture.h"
#include "app/Application.h"
#include "model/Printout.h"
#include "session/Session.h"

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

  bool run(const std::string& script) {
    std::istringstream in(script);
    host::Session session(*application, out, sessionErrors);
    return session.run(in);
  }
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
  std::ostringstream out;
  std::ostringstream sessionErrors;
};

TEST_F(NotificationTest, ARulerUnitChangeIsMadeThenNotifiedOncePerChange) {
  ASSERT_TRUE(run("document new 200 100\nruler-unit cm\n"));
  EXPECT_EQ(host::model().front()->rulerUnits, kCentimetersUnits);
  EXPECT_EQ(notified(kAIDocumentRulerUnitChangedNotifier), 1u);

  ASSERT_TRUE(run("ruler-unit cm\n"));  // no change, no notification
  EXPECT_EQ(notified(kAIDocumentRulerUnitChangedNotifier), 1u);

  // Codes beyond the five the plug-in knows reach it all the same.
  ASSERT_TRUE(run("ruler-unit px\nruler-unit ft\n"));
  EXPECT_EQ(host::model().front()->rulerUnits, kFeetUnits);
  EXPECT_EQ(notified(kAIDocumentRulerUnitChangedNotifier), 3u);
  EXPECT_EQ(notified(kAIArtSelectionChangedNotifier), 0u);
}

TEST_F(NotificationTest, AWrongRulerUnitOrNoDocumentFailsTheLineAndNotifiesNobody) {
  EXPECT_FALSE(run("ruler-unit cm\n"));
  EXPECT_EQ(sessionErrors.str(), "line 1: ruler-unit: no document is open\n");
  sessionErrors.str("");
  EXPECT_FALSE(run("document new 10 10\nruler-unit furlong\n"));
  EXPECT_EQ(sessionErrors.str(),
            "line 2: ruler-unit: unknown unit 'furlong' (in, cm, pt, pi, mm, px, q, ft, yd, m)\n");
  EXPECT_EQ(host::model().front()->rulerUnits, kPointsUnits);
  EXPECT_EQ(notified(kAIDocumentRulerUnitChangedNotifier), 0u);
}

TEST_F(NotificationTest, SelectingByNameAllOrNoneSetsTheFlagsAndNotifiesOnChanges) {
  ASSERT_TRUE(run("document new 200 100\nrect 0 10 10 0 un\nrect 20 10 30 0 deux\nselect un\n"));
  EXPECT_EQ(selectedArt(), (std::vector<std::string>{"Calque 1/un path 4 selected"}));
  EXPECT_EQ(host::model().selection().size(), 1u);
  EXPECT_EQ(notified(kAIArtSelectionChangedNotifier), 1u);

  ASSERT_TRUE(run("select un\n"));  // the same selection again: nothing to tell
  EXPECT_EQ(notified(kAIArtSelectionChangedNotifier), 1u);

  ASSERT_TRUE(run("select all\n"));
  EXPECT_EQ(selectedArt(), (std::vector<std::string>{"Calque 1/deux path 4 selected",
                                                     "Calque 1/un path 4 selected"}));
  ASSERT_TRUE(run("select deux\n"));  // a name alone deselects the others
  EXPECT_EQ(selectedArt(), (std::vector<std::string>{"Calque 1/deux path 4 selected"}));
  ASSERT_TRUE(run("select none\nselect none\n"));
  EXPECT_TRUE(selectedArt().empty());
  EXPECT_TRUE(host::model().selection().empty());
  EXPECT_EQ(notified(kAIArtSelectionChangedNotifier), 4u);
  EXPECT_EQ(notified(kAIDocumentRulerUnitChangedNotifier), 0u);
}

TEST_F(NotificationTest, ArtTheUserCannotSelectIsRefusedOrLeftOut) {
  ASSERT_TRUE(run("document new 200 100\nrect 0 10 10 0 dessous\nlayer new Verrou\nrect 20 10 30 0 fermé\n"
                  "layer lock Verrou\nselect fermé\nselect all\n"));
  EXPECT_EQ(out.str(), "select: fermé refused: its layer is locked\n");
  EXPECT_EQ(selectedArt(), (std::vector<std::string>{"Calque 1/dessous path 4 selected"}));
  EXPECT_EQ(notified(kAIArtSelectionChangedNotifier), 1u);

  // Deselecting never needs the art's layer to be editable.
  ASSERT_TRUE(run("layer lock Calque 1\nselect none\n"));
  EXPECT_TRUE(host::model().selection().empty());

  EXPECT_FALSE(run("select personne\n"));
  EXPECT_EQ(sessionErrors.str(), "line 1: select: nothing named 'personne'\n");
}

TEST_F(NotificationTest, DeletedSelectedArtLeavesTheSelectionAndAnEmptyDocumentSelectsNothing) {
  ASSERT_TRUE(run("document new 200 100\nrect 0 10 10 0 un\nselect all\ndelete un\nselect all\n"));
  EXPECT_TRUE(host::model().selection().empty());
  // The selection had already lost its art: "all" of an empty document changes nothing.
  EXPECT_EQ(notified(kAIArtSelectionChangedNotifier), 1u);
}

}  // namespace
