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

using Kind = kit::PathElement::Kind;

std::vector<kit::StrokeRecord> Traits(kit::View& vue) {
  vue.display();
  std::vector<kit::StrokeRecord> traits;
  for (const auto& record : vue.displayList())
    if (const auto* trait = std::get_if<kit::StrokeRecord>(&record)) traits.push_back(*trait);
  return traits;
}

kit::Color Rgba(double r, double g, double b, double a) { return kit::Color::colorWithCalibratedRed(r, g, b, a); }

std::vector<kit::PathElement> Polyligne(std::initializer_list<kit::Point> points) {
  std::vector<kit::PathElement> elements;
  for (kit::Point p : points) elements.push_back({elements.empty() ? Kind::MoveTo : Kind::LineTo, p});
  return elements;
}

bool EstUnPoint(const kit::StrokeRecord& trait) {
  return trait.elements.size() == 2 && trait.elements[0].kind == Kind::MoveTo &&
         trait.elements[1].kind == Kind::LineTo && trait.elements[0].point == trait.elements[1].point;
}

// Every icon class, made as the layout makes them.
std::vector<std::unique_ptr<IconeChamp>> LesDixIcones() {
  const kit::Rect cadre = kit::makeRect(0, 0, 18, 18);
  std::vector<std::unique_ptr<IconeChamp>> icones;
  icones.push_back(std::make_unique<BoutonMargeHaut>(cadre));
  icones.push_back(std::make_unique<BoutonMargeBas>(cadre));
  icones.push_back(std::make_unique<BoutonMargeGauche>(cadre));
  icones.push_back(std::make_unique<BoutonMargeDroite>(cadre));
  icones.push_back(std::make_unique<BoutonNombreColonnes>(cadre));
  icones.push_back(std::make_unique<BoutonNombreLignes>(cadre));
  icones.push_back(std::make_unique<BoutonLargeurColonnes>(cadre));
  icones.push_back(std::make_unique<BoutonHauteurLignes>(cadre));
  icones.push_back(std::make_unique<BoutonGouttiereColonnes>(cadre));
  icones.push_back(std::make_unique<BoutonGouttiereLignes>(cadre));
  return icones;
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

TEST_F(Icones, TheTopMarginIconIsDrawnStrokeForStrokeInFullColourWhileTheToolIsSelected) {
  OutilSelectionne = true;
  BoutonMargeHaut vue(kit::makeRect(4, 112, 18, 18));
  auto traits = Traits(vue);

  struct Attendu {
    std::vector<kit::PathElement> elements;
    kit::Color couleur;
    double largeur;
  };
  const kit::Color accent = Rgba(0, 0, 1, 1), contour = Rgba(0, 0, 0, 1), grille = Rgba(0.4, 0.4, 0.4, 1);
  const std::vector<Attendu> attendus{
      {Polyligne({{0, 16}, {17, 16}}), accent, 2},
      {Polyligne({{0, 14}, {0, 0}, {16, 0}, {16, 14}}), contour, 1},
      {Polyligne({{1, 4}, {16, 4}}), grille, 2},
      {Polyligne({{4, 1}, {4, 15}}), grille, 2},
      {Polyligne({{13, 1}, {13, 15}}), grille, 2},
      {Polyligne({{1, 12}, {16, 12}}), accent, 2},
  };
  ASSERT_EQ(traits.size(), attendus.size());
  for (std::size_t i = 0; i < traits.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(traits[i].elements, attendus[i].elements);
    EXPECT_EQ(traits[i].color, attendus[i].couleur);
    EXPECT_EQ(traits[i].lineWidth, attendus[i].largeur);
    EXPECT_FALSE(traits[i].antialias);
  }
}

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
  BoutonMargeHaut haut(kit::makeRect(0, 0, 18, 18));
  BoutonMargeBas bas(kit::makeRect(0, 0, 18, 18));
  BoutonMargeGauche gauche(kit::makeRect(0, 0, 18, 18));
  BoutonMargeDroite droite(kit::makeRect(0, 0, 18, 18));

  for (const auto& trait : Traits(haut)) EXPECT_EQ(trait.color.alphaComponent(), 1.0);
  for (kit::View* vue : {static_cast<kit::View*>(&bas), static_cast<kit::View*>(&gauche),
                         static_cast<kit::View*>(&droite)}) {
    SCOPED_TRACE(vue->className());
    auto traits = Traits(*vue);
    ASSERT_EQ(traits.size(), 6u);
    for (const auto& trait : traits) EXPECT_EQ(trait.color.alphaComponent(), 0.5);
  }

  CadenasMarges = false;
  for (const auto& trait : Traits(bas)) EXPECT_EQ(trait.color.alphaComponent(), 1.0);
}

TEST_F(Icones, TheDarkThemeSwapsTheAccentOutlineAndGridColours) {
  OutilSelectionne = true;
  BoutonMargeDroite vue(kit::makeRect(0, 0, 18, 18));

  auto clair = Traits(vue);
  InterfaceSombre = true;
  auto sombre = Traits(vue);

  ASSERT_EQ(clair.size(), 6u);
  ASSERT_EQ(sombre.size(), 6u);
  // Accent first, then the outline, then the three grid lines, then the accent again.
  EXPECT_EQ(clair[0].color, Rgba(0, 0, 1, 1));
  EXPECT_EQ(sombre[0].color, Rgba(0.1, 0.6, 1, 1));
  EXPECT_EQ(clair[1].color, Rgba(0, 0, 0, 1));
  EXPECT_EQ(sombre[1].color, Rgba(0.9, 0.9, 0.9, 1));
  EXPECT_EQ(clair[2].color, Rgba(0.4, 0.4, 0.4, 1));
  EXPECT_EQ(sombre[2].color, Rgba(0.6, 0.6, 0.6, 1));
  EXPECT_EQ(sombre[5].color, Rgba(0.1, 0.6, 1, 1));
  for (std::size_t i = 0; i < clair.size(); ++i) EXPECT_EQ(clair[i].elements, sombre[i].elements);

  OutilSelectionne = false;
  EXPECT_EQ(Traits(vue)[0].color, Rgba(0.1, 0.6, 1, 0.5));
}

TEST_F(Icones, MeasuredDistancesEndInZeroLengthDotsOfWidthOne) {
  BoutonLargeurColonnes largeur(kit::makeRect(0, 0, 18, 18));
  BoutonHauteurLignes hauteur(kit::makeRect(0, 0, 18, 18));
  BoutonGouttiereColonnes gouttiereColonnes(kit::makeRect(0, 0, 18, 18));
  BoutonGouttiereLignes gouttiereLignes(kit::makeRect(0, 0, 18, 18));

  struct Cas {
    kit::View* vue;
    std::size_t points;
    kit::Point premier;
  };
  for (const Cas& cas : {Cas{&largeur, 16, {2, 9}}, Cas{&hauteur, 16, {7, 16}}, Cas{&gouttiereColonnes, 8, {7, 9}},
                         Cas{&gouttiereLignes, 8, {10, 7}}}) {
    SCOPED_TRACE(cas.vue->className());
    std::vector<kit::StrokeRecord> points;
    for (const auto& trait : Traits(*cas.vue))
      if (EstUnPoint(trait)) points.push_back(trait);
    ASSERT_EQ(points.size(), cas.points);
    EXPECT_EQ(points[0].elements[0].point, cas.premier);
    for (const auto& point : points) {
      EXPECT_EQ(point.lineWidth, 1.0);
      EXPECT_EQ(point.color, Rgba(0, 0, 1, 0.5));
    }
  }
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
