// The page's events against the host and the plug-in: mouse events in view pixels reach the
// host as the artwork points under them; the host's own tools select, draw and delete art;
// unknown controls are refused with a 4xx answer and the session goes on.
#include <nlohmann/json.hpp>
#include <algorithm>
#include <cstring>
#include <random>

#include "AITool.h"
#include "AppFixture.h"
#include "kit/Application.h"
#include "model/ArtWalk.h"
#include "model/ViewGeometry.h"
#include "exports/Exports.h"
#include "model/UserInterface.h"
#include "server/StatePublisher.h"
#include "server/StateParts.h"
#include "server/WebSession.h"

using host::WebEventKind;

namespace {

class WebSessionTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    start();
  }
  // The host and the plug-in started, and the page's new document of two A4 artboards in mm.
  void start() {
    application = std::make_unique<host::Application>(std::vector<std::filesystem::path>{GUIDES_MODULE});
    application->start();
    session = std::make_unique<host::WebSession>(*application);
    host::WebEvent document;
    document.kind = WebEventKind::DocumentNew, document.width = 595, document.height = 842;
    document.number = 2, document.name = "mm";
    ASSERT_EQ(session->run(document).status, 200);
  }
  void TearDown() override {
    session.reset();
    application.reset();
    AppTest::TearDown();
  }

  host::Reply send(WebEventKind kind, double x, double y, double x2 = 0, double y2 = 0, bool shift = false) {
    host::WebEvent event;
    event.kind = kind, event.x = x, event.y = y, event.x2 = x2, event.y2 = y2, event.shift = shift;
    return session->run(event);
  }
  host::Reply named(WebEventKind kind, std::string name) {
    host::WebEvent event;
    event.kind = kind, event.name = std::move(name);
    return session->run(event);
  }
  host::Reply clickAt(AIRealPoint at, bool shift = false) {
    const AIPoint pixel = host::artworkToView(host::model().front()->views.front(), at);
    return send(WebEventKind::Click, pixel.h, pixel.v, 0, 0, shift);
  }
  void rectangle(AIRealPoint from, AIRealPoint to) {
    const host::View& view = host::model().front()->views.front();
    const AIPoint a = host::artworkToView(view, from), b = host::artworkToView(view, to);
    ASSERT_EQ(send(WebEventKind::Drag, a.h, a.v, b.h, b.v).status, 200);
  }
  static std::string corner(AIRealPoint p) {
    return std::to_string(static_cast<int>(p.h)) + "," + std::to_string(static_cast<int>(p.v));
  }
  // The host's own paths, "h,v h,v" by two opposite corners, front first.
  std::vector<std::string> paths(bool selectedOnly = false) const {
    std::vector<std::string> found;
    host::walkFrontDocument(host::model(), [&](const std::string&, uint32_t, const host::Art& art) {
      if (art.type != kPathArt || art.guide) return;
      if (selectedOnly && !(art.userAttributes & kArtSelected)) return;
      found.push_back(corner(art.segments[0].p) + " " + corner(art.segments[2].p));
    });
    return found;
  }

  std::unique_ptr<host::Application> application;
  std::unique_ptr<host::WebSession> session;
};

}  // namespace

TEST_F(WebSessionTest, TheRectangleToolDrawsBetweenThePointsUnderTheMouse) {
  ASSERT_EQ(named(WebEventKind::Tool, host::kRectangleToolName).status, 200);
  ASSERT_EQ(send(WebEventKind::Fit, 0, 0).status, 200);
  rectangle({100, 700}, {300, 500});
  rectangle({400, 200}, {350, 260});  // dragged up and to the left
  rectangle({10, 10}, {10, 10});      // no width: nothing
  // Each corner is the artwork point under the pixel it was dragged to, in whole points.
  EXPECT_EQ(paths(), (std::vector<std::string>{"349,259 400,200", "99,700 299,500"}));
}

TEST_F(WebSessionTest, TheSelectionToolSelectsShiftAddsAndDeleteRemovesTheSelection) {
  ASSERT_EQ(named(WebEventKind::Tool, host::kRectangleToolName).status, 200);
  rectangle({100, 700}, {300, 500});
  rectangle({350, 400}, {450, 300});
  ASSERT_EQ(named(WebEventKind::Tool, kSelectToolName).status, 200);
  std::vector<size_t> selected;  // how many paths are selected after each event
  const auto step = [&](const host::Reply& reply) {
    EXPECT_EQ(reply.status, 200);
    selected.push_back(paths(true).size());
  };
  step(clickAt({200, 600}));
  step(clickAt({400, 350}, true));
  step(clickAt({400, 350}, true));  // Shift on a selected one takes it out
  step(named(WebEventKind::Key, "delete"));
  step(clickAt({400, 350}));
  step(clickAt({580, 10}));  // empty canvas: nothing selected
  EXPECT_EQ(selected, (std::vector<size_t>{1, 2, 1, 0, 1, 0}));
  EXPECT_EQ(paths().size(), 1u);
}

TEST_F(WebSessionTest, AClickOfTheGuidesToolReachesThePluginAtTheArtworkPointUnderTheMouse) {
  ASSERT_EQ(named(WebEventKind::Tool, "Outil Guides").status, 200);
  ASSERT_EQ(send(WebEventKind::Click, 500, 400).status, 200);
  ASSERT_TRUE(application->events().lastClick());
  const AIRealPoint at = application->events().lastClick()->at;
  EXPECT_EQ(std::make_tuple(at.h, at.v), std::make_tuple(605.0f, 421.0f));  // pixel (500, 400), unfitted view
  const host::GuidesData data = host::guidesData();
  const auto guides = nlohmann::json::parse(host::guidesPart(data));
  EXPECT_EQ(guides["count"], 8);  // the default set: four margins, the two sides of a gutter each way
  // The bytes hold the stored points themselves, in the order the document lists its guides.
  std::vector<float> stored;
  host::walkFrontDocument(host::model(), [&](const std::string&, uint32_t, const host::Art& art) {
    if (art.guide)
      for (const AIPathSegment& s : art.segments) stored.insert(stored.end(), {s.p.h, s.p.v});
  });
  // Its length, its 298-byte header padded to 300, 64 bytes before the points, the 32 floats.
  ASSERT_EQ(std::make_pair(data.bytes.size(), stored.size()), std::make_pair(size_t{496}, size_t{32}));
  EXPECT_EQ(std::memcmp(data.bytes.data() + 368, stored.data(), 32 * sizeof(float)), 0);
}

// Thousands of requests the page could be made to send (random bytes, bad fields, unknown
// controls, tools and menus) are all refused with a 4xx answer, and leave the document, the
// panel and the guides as they were; the session then goes on. A disabled control is
// reported, not refused.
TEST_F(WebSessionTest, ThousandsOfBadRequestsAreRefusedAndChangeNothing) {
  EXPECT_EQ(named(WebEventKind::UiClick, "PANnoSuchControl").body,
            R"({"error":"no control named 'PANnoSuchControl'"})");
  EXPECT_EQ(named(WebEventKind::UiClick, "PANokSetBT").body,
            R"({"ok":true,"refused":["ui: PANokSetBT refused: view is hidden"]})");
  EXPECT_EQ(nlohmann::json::parse(host::panelsPart())["panels"][0]["title"], "Guides 1.4");
  ASSERT_EQ(named(WebEventKind::Tool, "Outil Guides").status, 200);
  ASSERT_EQ(send(WebEventKind::Click, 500, 400).status, 200);
  const std::string document = host::documentPart(), guides = host::guidesPart(host::guidesData()), panels = host::panelsPart();
  const std::vector<std::string> bad = {
      R"({"type":"uiClick","control":"PANnothing"})", R"({"type":"tool","name":"Pinceau"})",
      R"({"type":"menu","path":"File/Save"})", R"({"type":"click","x":1001,"y":1})",
      R"({"type":"uiType","control":"PANnothing","text":"1"})", R"({"type":"uiChoose","control":"PANnothing","index":1})",
      R"({"type":"documentSwitch","index":9})", R"({"type":"flyout","id":99})", R"({"type":"rulerUnit","unit":"league"})"};
  std::mt19937 random(16);
  int refused = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string body = bad[i % bad.size()];
    if (i % 2) {  // random bytes, or the bad body with a few bytes changed
      if (i % 4 == 1) body.assign(1 + random() % 64, '\0');
      for (int k = 0; k < 3; ++k) body[random() % body.size()] = static_cast<char>(random());
    }
    std::string error;
    const auto event = host::parseWebEvent(body, &error);
    const int status = event ? session->run(*event).status : 400;
    if (status >= 400 && status < 500) ++refused;
  }
  EXPECT_EQ(refused, 3000);
  EXPECT_EQ(host::documentPart(), document);
  EXPECT_EQ(host::guidesPart(host::guidesData()), guides);
  EXPECT_EQ(host::panelsPart(), panels);
  EXPECT_EQ(named(WebEventKind::UiClick, "PANstepPlusNbrColonnes").status, 200);
  EXPECT_NE(host::guidesPart(host::guidesData()), guides);
}

// After each event the page is sent the document and its guides again where they changed.
TEST_F(WebSessionTest, ThePublisherPutsTheDocumentAndTheGuidesAgainOnceTheyChange) {
  host::StateBoard board;
  host::StatePublisher publisher(board);
  host::StateBoard::Seen seen;
  const auto news = [&] {  // the parts put by this publish, by name
    publisher.publish();
    return nlohmann::json::parse(board.waitForNews(seen, std::chrono::milliseconds(0)))["parts"];
  };
  EXPECT_TRUE(news().contains("document"));
  ASSERT_EQ(named(WebEventKind::Tool, host::kRectangleToolName).status, 200);
  rectangle({100, 700}, {300, 500});
  const auto drawn = news();
  EXPECT_EQ(drawn["document"]["art"].size(), 1u);
  EXPECT_FALSE(drawn.contains("guides"));
  ASSERT_EQ(named(WebEventKind::Tool, "Outil Guides").status, 200);
  ASSERT_EQ(send(WebEventKind::Click, 500, 400).status, 200);
  EXPECT_EQ(news()["guides"]["count"], 8);
}

// The page's events run session commands: the commands a page session ran, replayed as a
// script on a host started afresh, leave the same document, art, selection and view.
TEST_F(WebSessionTest, APageSessionReplayedAsTheCommandsItRanGivesTheSameDocument) {
  std::ostringstream transcript;
  session->recordTo(&transcript);
  ASSERT_EQ(named(WebEventKind::Tool, host::kRectangleToolName).status, 200);
  rectangle({100, 700}, {300, 500});
  rectangle({350, 400}, {450, 300});
  ASSERT_EQ(named(WebEventKind::Tool, kSelectToolName).status, 200);
  ASSERT_EQ(clickAt({200, 600}).status, 200);
  ASSERT_EQ(clickAt({400, 350}, true).status, 200);
  host::WebEvent nudge;
  nudge.kind = WebEventKind::SelectionMove, nudge.x = 10, nudge.y = -1;
  ASSERT_EQ(session->run(nudge).status, 200);
  rectangle({200, 600}, {220, 580});  // the selection tool's drag moves the selection by it
  ASSERT_EQ(clickAt({400, 350}).status, 200);
  ASSERT_EQ(named(WebEventKind::Key, "delete").status, 200);
  ASSERT_EQ(send(WebEventKind::Pan, 30, -12).status, 200);
  ASSERT_EQ(send(WebEventKind::Zoom, 2, 0).status, 200);
  // The first rectangle moved by 10, -1 then by the drag, the second one deleted.
  ASSERT_EQ(paths(), std::vector<std::string>{"129,679 329,479"});
  const std::string document = host::documentJson(host::model()), page = host::documentPart();

  session.reset();
  application.reset();
  host::resetModel();
  start();
  ASSERT_TRUE(run(*application, transcript.str())) << sessionErrors.str();
  EXPECT_EQ(host::documentJson(host::model()), document);
  EXPECT_EQ(host::documentPart(), page);
  const std::string lines = transcript.str();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 12);  // a command for every event
}
