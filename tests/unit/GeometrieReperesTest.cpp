// The positions of the guides, reproduced bit for bit from the worked layouts, and the
// degenerate inputs the geometry must carry through without clamping.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "GeometrieReperes.h"
#include "Utilitaires.h"

namespace {

const AIRealRect kA4 = {0.0f, 842.0f, 595.0f, 0.0f};  // left, top, right, bottom

ValeursDuSet SetParDefaut() {
  ValeursDuSet v;
  v.margeHaut = v.margeBas = v.margeGauche = v.margeDroite = 3 * PointsParUnite(kUniteMillimetres);
  v.nombreDeColonnes = v.nombreDeLignes = 2;
  v.gouttiereColonnes = v.gouttiereLignes = 2 * PointsParUnite(kUniteMillimetres);
  return v;
}

std::vector<SegmentDeRepere> Segments(SorteDeRepere sorte, const ValeursDuSet& v,
                                      ModeDeTrace mode = ModeDeTrace::PourPlan, AIRealRect r = kA4) {
  std::vector<SegmentDeRepere> segments = {{{1, 2}, {3, 4}}};  // replaced, never appended to
  EXPECT_TRUE(SegmentsDuRepere(sorte, r, v, mode, segments));
  return segments;
}

void ExpectSegment(const SegmentDeRepere& s, float x1, float y1, float x2, float y2) {
  EXPECT_EQ(s.debut.h, x1);
  EXPECT_EQ(s.debut.v, y1);
  EXPECT_EQ(s.fin.h, x2);
  EXPECT_EQ(s.fin.v, y2);
}

TEST(GeometrieParDefaut, MarginsRunEdgeToEdgeOnAnArtboard) {
  const ValeursDuSet v = SetParDefaut();
  auto s = Segments(SorteDeRepere::MargeDroite, v);
  ASSERT_EQ(s.size(), 1u);
  ExpectSegment(s[0], 586.4960327148438f, 842, 586.4960327148438f, 0);
  s = Segments(SorteDeRepere::MargeGauche, v);
  ASSERT_EQ(s.size(), 1u);
  ExpectSegment(s[0], 8.503936767578125f, 842, 8.503936767578125f, 0);
  s = Segments(SorteDeRepere::MargeBas, v);
  ASSERT_EQ(s.size(), 1u);
  ExpectSegment(s[0], 0, 8.503936767578125f, 595, 8.503936767578125f);
  s = Segments(SorteDeRepere::MargeHaut, v);
  ASSERT_EQ(s.size(), 1u);
  ExpectSegment(s[0], 0, 833.4960327148438f, 595, 833.4960327148438f);
}

TEST(GeometrieParDefaut, AutomaticColumnsAndRowsBothSidesOfTheGutter) {
  const ValeursDuSet v = SetParDefaut();
  auto s = Segments(SorteDeRepere::Colonnes, v);
  ASSERT_EQ(s.size(), 2u);
  ExpectSegment(s[0], 294.66534423828125f, 833.4960327148438f, 294.66534423828125f, 8.503936767578125f);
  ExpectSegment(s[1], 300.3346252441406f, 833.4960327148438f, 300.3346252441406f, 8.503936767578125f);
  // The column width is 286.1614074707031: the gutter guide is one width past the margin.
  EXPECT_EQ(s[0].debut.h - 8.503936767578125f, 286.1614074707031f);
  s = Segments(SorteDeRepere::Lignes, v);
  ASSERT_EQ(s.size(), 2u);
  ExpectSegment(s[0], 8.503936767578125f, 423.83465576171875f, 586.4960327148438f, 423.83465576171875f);
  ExpectSegment(s[1], 8.503936767578125f, 418.1653747558594f, 586.4960327148438f, 418.1653747558594f);
}

TEST(GeometrieLargeurFixe, ColumnsInOrderAndTheLastTakesWhatRemains) {
  ValeursDuSet v;
  v.margeHaut = v.margeBas = v.margeGauche = v.margeDroite = 20;
  v.nombreDeColonnes = 4;
  v.largeurDeColonnes = 100;
  v.gouttiereColonnes = 10;
  const auto s = Segments(SorteDeRepere::Colonnes, v);
  const float attendus[] = {120, 130, 230, 240, 340, 350};
  ASSERT_EQ(s.size(), 6u);
  for (size_t k = 0; k < 6; ++k) ExpectSegment(s[k], attendus[k], 822, attendus[k], 20);
}

TEST(GeometrieLargeurFixe, RowsCountedFromTheTop) {
  ValeursDuSet v;
  v.margeHaut = 42;
  v.nombreDeLignes = 3;
  v.hauteurDeLignes = 100;
  v.gouttiereLignes = 0;
  const auto s = Segments(SorteDeRepere::Lignes, v);
  ASSERT_EQ(s.size(), 2u);
  ExpectSegment(s[0], 0, 700, 595, 700);
  ExpectSegment(s[1], 0, 600, 595, 600);
}

TEST(GeometrieComptes, CountOfOneOrLessGivesNothingTwoWithGutterGivesTwo) {
  ValeursDuSet v = SetParDefaut();
  for (int32_t n : {1, 0, -5}) {
    v.nombreDeColonnes = v.nombreDeLignes = n;
    EXPECT_TRUE(Segments(SorteDeRepere::Colonnes, v).empty());
    EXPECT_TRUE(Segments(SorteDeRepere::Lignes, v).empty());
  }
  v.nombreDeColonnes = v.nombreDeLignes = 2;
  EXPECT_EQ(Segments(SorteDeRepere::Colonnes, v).size(), 2u);
  EXPECT_EQ(Segments(SorteDeRepere::Lignes, v).size(), 2u);
}

TEST(GeometrieComptes, ZeroOrNegativeGutterGivesOneGuidePerBoundary) {
  ValeursDuSet v;
  v.nombreDeColonnes = 4;
  v.gouttiereColonnes = 0;
  auto s = Segments(SorteDeRepere::Colonnes, v, ModeDeTrace::PourPlan, {0, 100, 400, 0});
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].debut.h, 100);
  EXPECT_EQ(s[1].debut.h, 200);
  EXPECT_EQ(s[2].debut.h, 300);
  v.gouttiereColonnes = -10;  // shares the width as if the gutters overlapped
  s = Segments(SorteDeRepere::Colonnes, v, ModeDeTrace::PourPlan, {0, 100, 400, 0});
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].debut.h, 107.5f);
  EXPECT_EQ(s[1].debut.h, 205);
}

TEST(GeometrieComptes, CountsBeyondTheLimitAreRefusedWithoutSegments) {
  ValeursDuSet v;
  v.nombreDeColonnes = kNombreMaxDeDivisions;
  v.gouttiereColonnes = 1;
  std::vector<SegmentDeRepere> segments;
  EXPECT_TRUE(SegmentsDuRepere(SorteDeRepere::Colonnes, kA4, v, ModeDeTrace::PourPlan, segments));
  EXPECT_EQ(segments.size(), 2u * (kNombreMaxDeDivisions - 1));
  v.nombreDeColonnes = kNombreMaxDeDivisions + 1;
  EXPECT_FALSE(SegmentsDuRepere(SorteDeRepere::Colonnes, kA4, v, ModeDeTrace::PourPlan, segments));
  EXPECT_TRUE(segments.empty());
  v.nombreDeLignes = std::numeric_limits<int32_t>::max();
  EXPECT_FALSE(SegmentsDuRepere(SorteDeRepere::Lignes, kA4, v, ModeDeTrace::PourPlan, segments));
}

TEST(GeometrieMarges, ZeroMarginGivesNoGuideButObjectGuidesEndAtTheEdge) {
  ValeursDuSet v;
  v.margeHaut = 10;
  v.margeBas = 0;
  v.margeGauche = 0;
  v.margeDroite = 5;
  const AIRealRect objet = {100, 300, 200, 250};
  EXPECT_TRUE(Segments(SorteDeRepere::MargeBas, v, ModeDeTrace::PourObjet, objet).empty());
  EXPECT_TRUE(Segments(SorteDeRepere::MargeGauche, v, ModeDeTrace::PourObjet, objet).empty());
  auto s = Segments(SorteDeRepere::MargeDroite, v, ModeDeTrace::PourObjet, objet);
  ASSERT_EQ(s.size(), 1u);
  ExpectSegment(s[0], 195, 290, 195, 250);  // down to the bottom edge
  s = Segments(SorteDeRepere::MargeHaut, v, ModeDeTrace::PourObjet, objet);
  ASSERT_EQ(s.size(), 1u);
  ExpectSegment(s[0], 100, 290, 195, 290);  // from the left edge to the right margin
  s = Segments(SorteDeRepere::MargeHaut, v, ModeDeTrace::PourPlan, objet);
  ExpectSegment(s[0], 100, 290, 200, 290);
}

TEST(GeometrieMarges, ObjectMarginsDrawTheMarginBox) {
  ValeursDuSet v;
  v.margeHaut = 1;
  v.margeBas = 2;
  v.margeGauche = 3;
  v.margeDroite = 4;
  const AIRealRect objet = {10, 110, 60, 10};
  ExpectSegment(Segments(SorteDeRepere::MargeDroite, v, ModeDeTrace::PourObjet, objet)[0], 56, 109, 56, 12);
  ExpectSegment(Segments(SorteDeRepere::MargeGauche, v, ModeDeTrace::PourObjet, objet)[0], 13, 109, 13, 12);
  ExpectSegment(Segments(SorteDeRepere::MargeBas, v, ModeDeTrace::PourObjet, objet)[0], 13, 12, 56, 12);
  ExpectSegment(Segments(SorteDeRepere::MargeHaut, v, ModeDeTrace::PourObjet, objet)[0], 13, 109, 56, 109);
}

TEST(GeometrieMarges, NegativeMarginPlacesTheGuideOutside) {
  ValeursDuSet v;
  v.margeDroite = -10;
  v.margeHaut = -20;
  ExpectSegment(Segments(SorteDeRepere::MargeDroite, v)[0], 605, 842, 605, 0);
  ExpectSegment(Segments(SorteDeRepere::MargeHaut, v)[0], 0, 862, 595, 862);
}

TEST(GeometrieDegeneree, OversizedMarginsGiveNegativeWidthsUnclamped) {
  ValeursDuSet v;
  v.margeGauche = v.margeDroite = 400;
  v.nombreDeColonnes = 2;
  const auto s = Segments(SorteDeRepere::Colonnes, v);
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].debut.h, 400 + (595.0f - 800) / 2);
}

TEST(GeometrieDegeneree, ValuesBeyondSinglePrecisionGiveInfiniteCoordinates) {
  ValeursDuSet v;
  v.margeDroite = 1e300;
  v.margeHaut = std::numeric_limits<double>::quiet_NaN();
  auto s = Segments(SorteDeRepere::MargeDroite, v);
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].debut.h, -std::numeric_limits<float>::infinity());
  EXPECT_FALSE(SegmentsFinis(s));
  s = Segments(SorteDeRepere::MargeHaut, v);
  ASSERT_EQ(s.size(), 1u);
  EXPECT_TRUE(std::isnan(s[0].debut.v));
  v.nombreDeColonnes = 3;
  v.largeurDeColonnes = 1e39;
  s = Segments(SorteDeRepere::Colonnes, v);
  EXPECT_FALSE(SegmentsFinis(s));
  EXPECT_TRUE(SegmentsFinis(Segments(SorteDeRepere::Colonnes, SetParDefaut())));
}

TEST(GeometrieDegeneree, CurrentSetIsReadFromTheGlobals) {
  MargeHaut = 1;
  NombreDeColonnes = 7;
  GouttiereLignes = 2.5;
  const ValeursDuSet v = ValeursDuSetCourant();
  EXPECT_EQ(v.margeHaut, 1);
  EXPECT_EQ(v.nombreDeColonnes, 7);
  EXPECT_EQ(v.gouttiereLignes, 2.5);
  MargeHaut = 0;
  NombreDeColonnes = 0;
  GouttiereLignes = 0;
}

}  // namespace
