// The tool's three cursors are made once: their pixels and hot spots are the tool_cursors
// session's, which prints each where the tool shows it.
#include <gtest/gtest.h>

#include "Curseurs.h"
#include "kit/Kit.h"

namespace {

class Curseurs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CalculerCurseurs(); }
};

// Loading the panel again keeps the cursors already made, the current one included.
TEST_F(Curseurs, LoadingThePanelAgainKeepsTheCursorsMade) {
  const kit::Cursor* generique = CurseurGenerique;
  ASSERT_NE(generique, nullptr);
  generique->set();
  CalculerCurseurs();
  EXPECT_EQ(CurseurGenerique, generique);
  EXPECT_EQ(kit::Cursor::currentCursor(), generique);
  kit::Cursor::arrowCursor().set();
}

}  // namespace
