// The tool's three cursors: their size and hot spot, and that they are made once. Their
// pixels are the tool_cursors session's, which prints each where the tool shows it.
#include <gtest/gtest.h>

#include "Curseurs.h"
#include "kit/Kit.h"

namespace {

class Curseurs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CalculerCurseurs(); }
};

TEST_F(Curseurs, AllThreeAreSixteenPixelsSquareWithTheHotSpotAtSevenEightAndAreMadeOnce) {
  for (const kit::Cursor* curseur : {CurseurPointille, CurseurGenerique, CurseurGuidesObjet}) {
    ASSERT_NE(curseur, nullptr);
    EXPECT_EQ(curseur->image().pixelsWide(), 16);
    EXPECT_EQ(curseur->image().pixelsHigh(), 16);
    EXPECT_EQ(curseur->hotSpot(), (kit::Point{7, 8}));
  }
  EXPECT_NE(CurseurPointille, CurseurGenerique);
  EXPECT_NE(CurseurGenerique, CurseurGuidesObjet);

  // Loading the panel again keeps the cursors already made, the current one included.
  const kit::Cursor* generique = CurseurGenerique;
  generique->set();
  CalculerCurseurs();
  EXPECT_EQ(CurseurGenerique, generique);
  EXPECT_EQ(kit::Cursor::currentCursor(), generique);
  kit::Cursor::arrowCursor().set();
}

}  // namespace
