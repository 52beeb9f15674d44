// The tool's three cursors, read back pixel by pixel (top row first).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Curseurs.h"
#include "kit/Kit.h"

namespace {

using Image = std::vector<std::string>;

// '.' transparent, 'W' white, 'B' black, '?' anything else.
Image Dessin(const kit::Cursor& curseur) {
  const kit::Image& image = curseur.image();
  Image lignes;
  for (int y = image.pixelsHigh() - 1; y >= 0; --y) {
    std::string ligne;
    for (int x = 0; x < image.pixelsWide(); ++x) {
      const kit::Pixel p = image.pixelAt(x, y);
      ligne += p == kit::Pixel{0, 0, 0, 0}           ? '.'
               : p == kit::Pixel{255, 255, 255, 255} ? 'W'
               : p == kit::Pixel{0, 0, 0, 255}       ? 'B'
                                                     : '?';
    }
    lignes.push_back(ligne);
  }
  return lignes;
}

class Curseurs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CalculerCurseurs(); }
};

TEST_F(Curseurs, TheGenericCursorIsABlackCrossOutlinedInWhite) {
  ASSERT_NE(CurseurGenerique, nullptr);
  EXPECT_EQ(Dessin(*CurseurGenerique), (Image{
                                           "......WWW.......",
                                           "......WBW.......",
                                           "......WBW.......",
                                           "......WBW.......",
                                           "......WBW.......",
                                           "......WWW.......",
                                           "WWWWWWWWWWWWWWW.",
                                           "WBBBBWWBWWBBBBW.",
                                           "WWWWWWWWWWWWWWW.",
                                           "......WWW.......",
                                           "......WBW.......",
                                           "......WBW.......",
                                           "......WBW.......",
                                           "......WBW.......",
                                           "......WWW.......",
                                           "................",
                                       }));
}

TEST_F(Curseurs, TheAltCursorAddsThreeDotsOnAWhiteBandUnderTheCross) {
  ASSERT_NE(CurseurPointille, nullptr);
  EXPECT_EQ(Dessin(*CurseurPointille), (Image{
                                           "......WWW.......",
                                           "......WBW.......",
                                           "......WBW.......",
                                           "......WBW.......",
                                           "......WBW.......",
                                           "......WWW.......",
                                           "WWWWWWWWWWWWWWW.",
                                           "WBBBBWWBWWBBBBW.",
                                           "WWWWWWWWWWWWWWW.",
                                           "......WWW.......",
                                           "......WBW.......",
                                           "......WBW.......",
                                           "......WBWWWWWWWW",
                                           "......WBWWBWBWBW",
                                           "......WWWWWWWWWW",
                                           "................",
                                       }));
}

TEST_F(Curseurs, TheObjectCursorIsAnArrowBesideAFrameWithTwoDashedColumns) {
  ASSERT_NE(CurseurGuidesObjet, nullptr);
  EXPECT_EQ(Dessin(*CurseurGuidesObjet), (Image{
                                             "WW..............",
                                             "WBW.............",
                                             "WBBW............",
                                             "WBBBW...........",
                                             "WBBBBW..WWWWWWW.",
                                             "WBBBBBWWBBBBBBBW",
                                             "WBBBBBBWBWBWBWBW",
                                             "WBBWWWWWBWBWBWBW",
                                             "WBW....WBWWWWWBW",
                                             "WW.....WBWBWBWBW",
                                             ".......WBWBWBWBW",
                                             ".......WBWWWWWBW",
                                             ".......WBWBWBWBW",
                                             ".......WBWBWBWBW",
                                             ".......WBBBBBBBW",
                                             "........WWWWWWW.",
                                         }));
}

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
