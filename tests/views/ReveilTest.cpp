// The wake-up view: a veil in the theme colour that a click moves out of the panel, which
// selects the tool through the hidden button.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <variant>

#include "BoutonReveilGuides.h"
#include "GuidesOutil.h"
#include "PanneauGlobals.h"
#include "Theme.h"
#include "kit/Kit.h"

namespace {

class Reveil : public ::testing::Test {
 protected:
  void SetUp() override { Remettre(); }
  void TearDown() override { Remettre(); }
  static void Remettre() {
    OutilSelectionne = false;
    RougeTheme = VertTheme = BleuTheme = AlphaTheme = 0.0f;
    OublierGlobalesPanneau();
    kit::Cursor::arrowCursor().set();
  }
};

TEST_F(Reveil, AClickMovesTheVeilToX500SelectsTheToolAndClicksTheHiddenButton) {
  kit::View panneau(kit::makeRect(0, 0, 240, 158));
  auto* bidon = static_cast<kit::Button*>(panneau.addSubview(std::make_unique<kit::Button>()));
  bidon->setHidden(true);
  int clics = 0;
  bool outilDejaSelectionne = false;
  bidon->setAction([&](kit::Control*) {
    ++clics;
    outilDejaSelectionne = OutilSelectionne;
  }, "BidonActiveOutilGuidesCBP:");
  GbidonActiveOutilGuides = bidon;
  kit::View* voile = panneau.addSubview(std::make_unique<BoutonReveilGuides>(kit::makeRect(0, 166, 480, 158)));

  EXPECT_EQ(voile->userClick(), kit::Delivery::Delivered);

  EXPECT_EQ(voile->frame(), kit::makeRect(500, 166, 480, 158));
  EXPECT_TRUE(OutilSelectionne);
  EXPECT_EQ(clics, 1);
  EXPECT_TRUE(outilDejaSelectionne);
}

TEST_F(Reveil, TheVeilIsTheThemeColourAtHalfOpacityOverWhatIsBeneath) {
  RougeTheme = 0.25f, VertTheme = 0.5f, BleuTheme = 0.75f, AlphaTheme = 1.0f;
  BoutonReveilGuides voile(kit::makeRect(0, 166, 480, 158));
  voile.display();

  ASSERT_EQ(voile.displayList().size(), 1u);
  const auto* fond = std::get_if<kit::FillRecord>(&voile.displayList()[0]);
  ASSERT_NE(fond, nullptr);
  EXPECT_EQ(fond->rect, kit::makeRect(0, 0, 480, 158));
  EXPECT_EQ(fond->color, kit::Color::colorWithCalibratedRed(0.25, 0.5, 0.75, 0.5));
  EXPECT_EQ(fond->operation, kit::CompositingOperation::SourceOver);
}

// Before the panel's hidden button is known, a click still selects the tool.
TEST_F(Reveil, HoveringShowsTheHandEvenWithoutTheToolAndAClickSelectsItEvenWithoutTheHiddenButton) {
  BoutonReveilGuides voile(kit::makeRect(0, 0, 480, 158));
  ASSERT_EQ(voile.trackingAreas().size(), 1u);
  EXPECT_EQ(trbtreveilguides, voile.trackingAreas()[0]);

  voile.userMouseEntered();
  EXPECT_EQ(kit::Cursor::currentCursor(), &kit::Cursor::pointingHandCursor());
  voile.userMouseExited();
  EXPECT_EQ(kit::Cursor::currentCursor(), &kit::Cursor::arrowCursor());
  EXPECT_EQ(voile.userClick(), kit::Delivery::Delivered);
  EXPECT_EQ(std::pair(voile.frame().origin.x, OutilSelectionne), std::pair(500.0, true));
}

}  // namespace
