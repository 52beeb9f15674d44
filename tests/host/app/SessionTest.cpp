// The session language where the sessions do not go: how a line is split, every refusal
// with its message (a failing line changes nothing after it), and names of documents
// never given twice. The sessions run the commands' ordinary uses.
#include <set>

#include "AppFixture.h"
#include "session/Commands.h"

using host::Arguments;

TEST(CommandParsing, TheLastArgumentOfSomeCommandsRunsToTheEndOfTheLine) {
  const std::pair<const char*, Arguments> cases[] = {
      {"rect 1 2 3 4", {"1", "2", "3", "4"}},
      {"  rect\t1 2  3 4 un nom  à espaces  ", {"1", "2", "3", "4", "un nom  à espaces"}},
      {"save json mon fichier.json", {"mon fichier.json"}},
      {"document new 595 842 artboards 2 unit mm", {"595", "842", "artboards", "2", "unit", "mm"}},
  };
  for (const auto& [line, expected] : cases) {
    Arguments arguments;
    host::parseCommand(line, &arguments);
    EXPECT_EQ(arguments, expected) << line;
  }
}

TEST(CommandParsing, EveryCommandIsNamedOnceAndDescribed) {
  std::set<std::string_view> names;
  for (const host::Command& command : host::commandTable()) {
    EXPECT_TRUE(names.insert(command.name).second) << command.name;
    EXPECT_FALSE(command.description.empty()) << command.name;
    EXPECT_NE(command.run, nullptr) << command.name;
  }
}

class SessionTest : public AppTest {
 protected:
  bool run(const std::string& script) { return AppTest::run(application, script); }

  host::Application application{{}};
};

// Each script's last line is refused with the message given, and nothing is printed after.
TEST_F(SessionTest, RefusedLinesNameTheirReasonAndStopTheSession) {
  const std::string doc = "document new 100 100\n";
  const std::pair<std::string, std::string> cases[] = {
      {"document frob 1", "unknown command 'document frob'"},
      {"print", "unknown command 'print'"},
      {"document close now", "usage: document close"},
      {"document new 1 2 3 4 5 6 7",
       "usage: document new W H [artboards N] [unit in|cm|pt|pi|mm|px|ft|yd|m|q]"},
      {"document new nan 100", "document new: 'nan' is not a finite number"},
      {"document new 1e39 100", "document new: '1e39' is out of range"},
      {"document new 0x10 100", "document new: '0x10' is not a number"},
      {"document new 0 100", "document new: the width and height must be above 0"},
      {"document new 10 10 artboards 0", "document new: '0' is not between 1 and 1000"},
      {"document new 10 10 artboards 1001", "document new: '1001' is not between 1 and 1000"},
      {"document new 10 10 artboards 2.5", "document new: '2.5' is not a whole number"},
      {"document new 10 10 unit furlong", "document new: unknown unit 'furlong'"},
      {"document new 10 10 artboards", "document new: 'artboards' needs a value"},
      {"document new 10 10 colour red", "document new: unknown option 'colour'"},
      {"rect 0 1 1 0", "rect: no document is open"},
      {"layer new A", "layer new: no document is open"},
      {"delete x", "delete: no document is open"},
      {"artboard add 0 1 1 0", "artboard add: no document is open"},
      {"document close", "document close: no document is open"},
      {"save json x.json", "save json: no document is open"},
      {doc + "artboard remove 1", "artboard remove: the last artboard stays"},
      {doc + "artboard add 10 0 20 10", "artboard add: the rectangle needs left < right and bottom < top"},
      {doc + "delete Calque 1", "delete: the last layer stays"},
      {doc + "delete fantôme", "delete: nothing named 'fantôme'"},
  };
  for (const auto& [script, message] : cases) {
    SCOPED_TRACE(script);
    host::resetModel();
    sessionErrors.str("");
    EXPECT_FALSE(run(script + "\nprint document\n"));
    const size_t line = static_cast<size_t>(std::count(script.begin(), script.end(), '\n')) + 1;
    EXPECT_EQ(sessionErrors.str(), "line " + std::to_string(line) + ": " + message + "\n");
    EXPECT_EQ(out.str(), "");
  }
}

TEST_F(SessionTest, DocumentsAreNamedInOrderOfCreationNeverTwice) {
  ASSERT_TRUE(run("document new 595 842\ndocument new 100 50\ndocument switch 1\ndocument close\n"
                  "document new 10 10\n"));
  EXPECT_EQ(host::model().documentCount(), 2u);
  EXPECT_EQ(host::model().front()->name, "Document 3");
}
