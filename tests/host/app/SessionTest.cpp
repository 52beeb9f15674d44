// The session language: how a line is split into a command and its arguments, what a bad
// line reports, and what the commands do to the documents.
#include <set>

#include "AppFixture.h"
#include "app/Application.h"
#include "model/Printout.h"
#include "session/Commands.h"
#include "session/Session.h"

using host::Arguments;
using host::CommandError;

namespace {

Arguments argumentsOf(const std::string& line) {
  Arguments arguments;
  host::parseCommand(line, &arguments);
  return arguments;
}

std::string errorOf(const std::string& line) {
  Arguments arguments;
  try {
    host::parseCommand(line, &arguments);
  } catch (const CommandError& error) {
    return error.what();
  }
  return "";
}

}  // namespace

TEST(CommandParsing, TheLastArgumentOfSomeCommandsRunsToTheEndOfTheLine) {
  EXPECT_EQ(argumentsOf("rect 1 2 3 4"), (Arguments{"1", "2", "3", "4"}));
  EXPECT_EQ(argumentsOf("  rect\t1 2  3 4 un nom  à espaces  "),
            (Arguments{"1", "2", "3", "4", "un nom  à espaces"}));
  EXPECT_EQ(argumentsOf("layer new Calque du haut"), (Arguments{"Calque du haut"}));
  EXPECT_EQ(argumentsOf("delete Ralto-Guides/Repères"), (Arguments{"Ralto-Guides/Repères"}));
  EXPECT_EQ(argumentsOf("save json mon fichier.json"), (Arguments{"mon fichier.json"}));
  EXPECT_EQ(argumentsOf("document new 595 842 artboards 2 unit mm"),
            (Arguments{"595", "842", "artboards", "2", "unit", "mm"}));
}

TEST(CommandParsing, UnknownCommandsAndWrongArgumentCountsAreNamed) {
  EXPECT_EQ(errorOf("frobnicate now"), "unknown command 'frobnicate'");
  EXPECT_EQ(errorOf("document frob 1"), "unknown command 'document frob'");
  EXPECT_EQ(errorOf("print"), "unknown command 'print'");
  EXPECT_EQ(errorOf("rect 1 2 3"), "usage: rect L T R B [NAME]");
  EXPECT_EQ(errorOf("document close now"), "usage: document close");
  EXPECT_EQ(errorOf("layer new"), "usage: layer new NAME");
  EXPECT_EQ(errorOf("document new 1 2 3 4 5 6 7"),
            "usage: document new W H [artboards N] [unit in|cm|pt|pi|mm|px|ft|yd|m|q]");
}

TEST(CommandParsing, EveryCommandIsNamedOnceAndDescribed) {
  std::set<std::string_view> names;
  for (const host::Command& command : host::commandTable()) {
    EXPECT_TRUE(names.insert(command.name).second) << command.name;
    EXPECT_FALSE(command.description.empty()) << command.name;
    EXPECT_NE(command.run, nullptr) << command.name;
  }
  EXPECT_EQ(names.size(), 49u);
}

class SessionTest : public AppTest {
 protected:
  // Runs a script with no plug-in; the printouts and the errors it wrote.
  bool run(const std::string& script) {
    std::istringstream in(script);
    return session.run(in);
  }
  std::vector<std::string> artLines() { return host::artLines(host::model()); }

  host::Application application{{}};
  std::ostringstream out;
  std::ostringstream sessionErrors;
  host::Session session{application, out, sessionErrors};
};

TEST_F(SessionTest, CommentsAndBlankLinesAreSkippedAndTheFirstErrorStopsWithItsLineNumber) {
  EXPECT_FALSE(run("# a comment\n\n   \n  # indented comment\ndocument new 100 100\nrect 1 2 x 4\nprint document\n"));
  EXPECT_EQ(sessionErrors.str(), "line 6: rect: 'x' is not a number\n");
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(host::model().documentCount(), 1u);
}

TEST_F(SessionTest, NumbersMustBeFiniteAndFitTheHostsCoordinates) {
  const std::pair<const char*, const char*> cases[] = {
      {"document new nan 100", "line 1: document new: 'nan' is not a finite number\n"},
      {"document new 1e39 100", "line 1: document new: '1e39' is out of range\n"},
      {"document new 0x10 100", "line 1: document new: '0x10' is not a number\n"},
      {"document new 0 100", "line 1: document new: the width and height must be above 0\n"},
      {"document new 10 10 artboards 0", "line 1: document new: '0' is not between 1 and 1000\n"},
      {"document new 10 10 artboards 2.5", "line 1: document new: '2.5' is not a whole number\n"},
      {"document new 10 10 unit furlong", "line 1: document new: unknown unit 'furlong'\n"},
      {"document new 10 10 artboards", "line 1: document new: 'artboards' needs a value\n"},
      {"document new 10 10 colour red", "line 1: document new: unknown option 'colour'\n"},
  };
  for (const auto& [line, message] : cases) {
    sessionErrors.str("");
    EXPECT_FALSE(run(line));
    EXPECT_EQ(sessionErrors.str(), message);
  }
  EXPECT_EQ(host::model().documentCount(), 0u);
}

TEST_F(SessionTest, DocumentsAreMadeSwitchedAndClosedInOrderOfCreation) {
  ASSERT_TRUE(run("document new 595 842 artboards 3 unit cm\ndocument new 100 50\ndocument switch 1\n"));
  const host::Document* first = host::model().front();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->name, "Document 1");
  EXPECT_EQ(first->rulerUnits, kCentimetersUnits);
  ASSERT_EQ(first->artboards.size(), 3u);
  EXPECT_EQ(first->artboards[2].rect.left, 1230);
  EXPECT_EQ(first->artboards[2].rect.right, 1825);
  EXPECT_EQ(first->artboards[2].rect.top, 842);
  EXPECT_EQ(first->artboards[2].rect.bottom, 0);

  ASSERT_TRUE(run("document close\ndocument new 10 10\n"));
  EXPECT_EQ(host::model().documentCount(), 2u);
  EXPECT_EQ(host::model().front()->name, "Document 3");  // names are never given twice
  EXPECT_FALSE(run("document switch 3"));
  EXPECT_EQ(sessionErrors.str(), "line 1: document switch: '3' is not between 1 and 2\n");
}

TEST_F(SessionTest, ArtboardsAreAddedAndRemovedButTheLastStays) {
  ASSERT_TRUE(run("document new 100 100\nartboard add 200 100 300 0\nartboard remove 1\n"));
  ASSERT_EQ(host::model().front()->artboards.size(), 1u);
  EXPECT_EQ(host::model().front()->artboards[0].rect.left, 200);
  EXPECT_FALSE(run("artboard remove 1"));
  EXPECT_EQ(sessionErrors.str(), "line 1: artboard remove: the last artboard stays\n");
  sessionErrors.str("");
  EXPECT_FALSE(run("artboard add 10 0 20 10"));
  EXPECT_EQ(sessionErrors.str(), "line 1: artboard add: the rectangle needs left < right and bottom < top\n");
}

TEST_F(SessionTest, RectanglesGoOnTheCurrentLayerUnlessItIsLocked) {
  ASSERT_TRUE(run("document new 100 100\nrect 10 90 50 40 cadre\nlayer new Dessus\nrect 0 1 1 0\n"
                  "layer current Calque 1\nrect 1 2 3 1 second\n"));
  EXPECT_EQ(artLines(), (std::vector<std::string>{"Dessus/<unnamed> path 4", "Calque 1/second path 4",
                                                  "Calque 1/cadre path 4"}));
  EXPECT_FALSE(run("layer lock Calque 1\nrect 1 2 3 1 refusé\n"));
  EXPECT_EQ(sessionErrors.str(), "line 2: rect: the layer is locked\n");
  EXPECT_EQ(artLines().size(), 3u);
}

TEST_F(SessionTest, DeleteFindsArtByNameOrPathAndLayersByTitle) {
  ASSERT_TRUE(run("document new 100 100\nrect 0 10 10 0 cadre\nlayer new Repères\nrect 0 10 10 0 cadre\n"
                  "delete Calque 1/cadre\n"));
  EXPECT_EQ(artLines(), (std::vector<std::string>{"Repères/cadre path 4"}));
  ASSERT_TRUE(run("rect 0 10 10 0 autre\ndelete cadre\ndelete Repères\n"));
  EXPECT_EQ(artLines(), (std::vector<std::string>{}));
  EXPECT_FALSE(run("delete Calque 1"));
  EXPECT_EQ(sessionErrors.str(), "line 1: delete: the last layer stays\n");
  sessionErrors.str("");
  EXPECT_FALSE(run("delete fantôme"));
  EXPECT_EQ(sessionErrors.str(), "line 1: delete: nothing named 'fantôme'\n");
}

TEST_F(SessionTest, CommandsThatNeedADocumentSaySo) {
  for (const char* line : {"rect 0 1 1 0", "layer new A", "delete x", "artboard add 0 1 1 0", "document close",
                           "save json x.json"}) {
    sessionErrors.str("");
    EXPECT_FALSE(run(line)) << line;
    EXPECT_NE(sessionErrors.str().find("no document is open"), std::string::npos) << line;
  }
  EXPECT_TRUE(run("print document\nprint guides\n"));
  EXPECT_EQ(out.str(), "no document\n");
}
