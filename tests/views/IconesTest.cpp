// The ten field icon views: their pictograms in the theme's colours, dimmed while
// inactive, and how they answer the mouse depending on whether the tool is selected.
#include <gtest/gtest.h>

#include <memory>
#include <variant>
#include <vector>

#include "BoutonsChamps.h"
#include "GuideSet.h"
#include "GuidesOutil.h"
#include "PanneauGlobals.h"
#include "Theme.h"
#include "kit/Kit.h"

namespace {

std::vector<kit::StrokeRecord> Traits(kit::View& vue) {
  vue.display();
  std::vector<kit::StrokeRecord> traits;
  for (const auto& record : vue.displayList())
    if (const auto* trait = std::get_if<kit::StrokeRecord>(&record)) traits.push_back(*trait);
  return traits;
}

kit::Color Rgba(double r, double g, double b, double a) { return kit::Color::colorWithCalibratedRed(r, g, b, a); }

// Every icon class, made as the layout makes them.
template <class... Classes>
std::vector<std::unique_ptr<IconeChamp>> Faites() {
  std::vector<std::unique_ptr<IconeChamp>> icones;
  (icones.push_back(std::make_unique<Classes>(kit::makeRect(0, 0, 18, 18))), ...);
  return icones;
}
std::vector<std::unique_ptr<IconeChamp>> LesDixIcones() {
  return Faites<BoutonMargeHaut, BoutonMargeBas, BoutonMargeGauche, BoutonMargeDroite, BoutonNombreColonnes,
                BoutonNombreLignes, BoutonLargeurColonnes, BoutonHauteurLignes, BoutonGouttiereColonnes,
                BoutonGouttiereLignes>();
}

std::vector<kit::Color> Couleurs(kit::View& vue) {
  std::vector<kit::Color> couleurs;
  for (const auto& trait : Traits(vue)) couleurs.push_back(trait.color);
  return couleurs;
}

class Icones : public ::testing::Test {
 protected:
  void SetUp() override { Remettre(); }
  void TearDown() override { Remettre(); }
  static void Remettre() {
    OutilSelectionne = false;
    CadenasMarges = false;
    InterfaceSombre = false;
    OublierGlobalesPanneau();
    kit::Cursor::arrowCursor().set();
  }
};

// Each pictogram stroke by stroke, where each icon sits and the margins' accents are the
// panel_picture session's picture.
TEST_F(Icones, EveryIconIsHalfTransparentUntilTheToolIsSelectedAndNeverAntialiased) {
  auto icones = LesDixIcones();
  for (auto& icone : icones) {
    SCOPED_TRACE(icone->className());
    auto traits = Traits(*icone);
    ASSERT_FALSE(traits.empty());
    for (const auto& trait : traits) {
      EXPECT_EQ(trait.color.alphaComponent(), 0.5);
      EXPECT_FALSE(trait.antialias);
    }
  }
  OutilSelectionne = true;
  for (auto& icone : icones) {
    SCOPED_TRACE(icone->className());
    for (const auto& trait : Traits(*icone)) EXPECT_EQ(trait.color.alphaComponent(), 1.0);
  }
}

TEST_F(Icones, LockedMarginsDimTheBottomLeftAndRightIconsButNotTheTopOne) {
  OutilSelectionne = true;
  CadenasMarges = true;
  auto marges = Faites<BoutonMargeHaut, BoutonMargeBas, BoutonMargeGauche, BoutonMargeDroite>();
  for (auto& vue : marges) {
    SCOPED_TRACE(vue->className());
    auto traits = Traits(*vue);
    ASSERT_EQ(traits.size(), 6u);
    for (const auto& trait : traits) EXPECT_EQ(trait.color.alphaComponent(), vue == marges[0] ? 1.0 : 0.5);
  }
  CadenasMarges = false;
  for (const auto& trait : Traits(*marges[1])) EXPECT_EQ(trait.color.alphaComponent(), 1.0);
}

TEST_F(Icones, TheDarkThemeSwapsTheAccentOutlineAndGridColours) {
  OutilSelectionne = true;
  BoutonMargeDroite vue(kit::makeRect(0, 0, 18, 18));
  auto clair = Traits(vue);
  // Accent first, then the outline, then the three grid lines, then the accent again.
  const kit::Color accent = Rgba(0, 0, 1, 1), contour = Rgba(0, 0, 0, 1), grille = Rgba(0.4, 0.4, 0.4, 1);
  EXPECT_EQ(Couleurs(vue), (std::vector{accent, contour, grille, grille, grille, accent}));

  InterfaceSombre = true;
  const kit::Color accentSombre = Rgba(0.1, 0.6, 1, 1), grilleSombre = Rgba(0.6, 0.6, 0.6, 1);
  EXPECT_EQ(Couleurs(vue), (std::vector{accentSombre, Rgba(0.9, 0.9, 0.9, 1), grilleSombre, grilleSombre,
                                        grilleSombre, accentSombre}));
  auto sombre = Traits(vue);
  ASSERT_EQ(clair.size(), sombre.size());
  for (std::size_t i = 0; i < clair.size(); ++i) EXPECT_EQ(clair[i].elements, sombre[i].elements);

  OutilSelectionne = false;
  EXPECT_EQ(Traits(vue)[0].color, Rgba(0.1, 0.6, 1, 0.5));
}

TEST_F(Icones, EachClassKeepsItsTrackingAreaInItsGlobalUntilTheViewGoes) {
  auto icones = LesDixIcones();
  kit::TrackingArea** globales[] = {&trbttxtmargehaut, &trbttxtmargebas, &trbttxtmargegauche,
                                    &trbttxtmargedroite, &trbttxtnbrcol, &trbttxtnbrlignes,
                                    &trbttxtlargeurcol, &trbttxthauteurlignes, &trbttxtgouttierecol,
                                    &trbttxtlargeurlig};
  for (std::size_t i = 0; i < icones.size(); ++i) {
    SCOPED_TRACE(icones[i]->className());
    auto zones = icones[i]->trackingAreas();
    ASSERT_EQ(zones.size(), 1u);
    EXPECT_EQ(*globales[i], zones[0]);
    EXPECT_EQ(zones[0]->owner(), icones[i].get());
  }
  icones.clear();
  for (auto* globale : globales) EXPECT_EQ(*globale, nullptr);
}

// A panel window holding two fields and the icon of the first one.
class IconesDansUnPanneau : public Icones {
 protected:
  void SetUp() override {
    Icones::SetUp();
    auto* contenu = fenetre_.contentView();
    champ_ = static_cast<kit::TextField*>(contenu->addSubview(std::make_unique<kit::TextField>()));
    autre_ = static_cast<kit::TextField*>(contenu->addSubview(std::make_unique<kit::TextField>()));
    icone_ = contenu->addSubview(std::make_unique<BoutonGouttiereLignes>(kit::makeRect(0, 0, 18, 18)));
    champ_->setStringValue("2 mm");
    GzoneGouttiereLigne = champ_;
    autre_->selectText();
  }
  kit::Window fenetre_;
  kit::TextField* champ_ = nullptr;
  kit::TextField* autre_ = nullptr;
  kit::View* icone_ = nullptr;
};

TEST_F(IconesDansUnPanneau, WithoutTheToolHoveringShowsNoHandAndAClickLeavesTheFocusAlone) {
  const int poses = kit::Cursor::setCount();
  EXPECT_EQ(icone_->userMouseEntered(), kit::Delivery::Delivered);
  EXPECT_EQ(kit::Cursor::setCount(), poses);
  EXPECT_EQ(kit::Cursor::currentCursor(), &kit::Cursor::arrowCursor());

  EXPECT_EQ(icone_->userClick(), kit::Delivery::Delivered);
  EXPECT_EQ(fenetre_.firstResponder(), autre_);
  EXPECT_FALSE(champ_->isEditing());
}

TEST_F(IconesDansUnPanneau, WithTheToolHoveringShowsTheHandAndAClickSelectsTheWholeField) {
  OutilSelectionne = true;
  icone_->userMouseEntered();
  EXPECT_EQ(kit::Cursor::currentCursor(), &kit::Cursor::pointingHandCursor());
  icone_->userMouseExited();
  EXPECT_EQ(kit::Cursor::currentCursor(), &kit::Cursor::arrowCursor());

  icone_->userClick();
  EXPECT_TRUE(champ_->isEditing());
  EXPECT_EQ(champ_->selectedRange(), (kit::Range{0, 4}));
}

TEST_F(IconesDansUnPanneau, AClickBeforeThePanelIsLoadedDoesNothing) {
  OutilSelectionne = true;
  GzoneGouttiereLigne = nullptr;
  EXPECT_EQ(icone_->userClick(), kit::Delivery::Delivered);
  EXPECT_EQ(fenetre_.firstResponder(), autre_);
}

}  // namespace
