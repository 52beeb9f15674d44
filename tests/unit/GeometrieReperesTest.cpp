// The positions of the guides, reproduced bit for bit from the worked layouts, and the
// degenerate inputs the geometry carries through without clamping.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "GeometrieReperes.h"
#include "SetParDefaut.h"

namespace {

using Segments = std::vector<SegmentDeRepere>;
const AIRealRect kA4 = {0.0f, 842.0f, 595.0f, 0.0f};  // left, top, right, bottom

Segments Calcule(SorteDeRepere sorte, const ValeursDuSet& v, ModeDeTrace mode = ModeDeTrace::PourPlan,
                 AIRealRect r = kA4) {
  Segments segments = {{{1, 2}, {3, 4}}};  // replaced, never appended to
  EXPECT_TRUE(SegmentsDuRepere(sorte, r, v, mode, segments));
  return segments;
}

// Each segment as {x1, y1, x2, y2}, compared exactly.
void ExpectSegments(const Segments& s, std::vector<std::vector<float>> attendus) {
  ASSERT_EQ(s.size(), attendus.size());
  for (size_t k = 0; k < s.size(); ++k)
    EXPECT_EQ((std::vector<float>{s[k].debut.h, s[k].debut.v, s[k].fin.h, s[k].fin.v}), attendus[k]) << k;
}

// The default set's guides, to the last bit, are printed by the tool_click_artboard session.

TEST(Geometrie, FixedSizesLeaveTheRestToTheLastColumnOrRow) {
  ValeursDuSet v;
  v.margeHaut = v.margeBas = v.margeGauche = v.margeDroite = 20;
  v.nombreDeColonnes = 4;
  v.largeurDeColonnes = 100;
  v.gouttiereColonnes = 10;
  ExpectSegments(Calcule(SorteDeRepere::Colonnes, v), {{120, 822, 120, 20}, {130, 822, 130, 20}, {230, 822, 230, 20},
                                                       {240, 822, 240, 20}, {340, 822, 340, 20}, {350, 822, 350, 20}});
  v.nombreDeLignes = 3;  // rows count from the top
  v.hauteurDeLignes = 100;
  ExpectSegments(Calcule(SorteDeRepere::Lignes, v), {{20, 722, 575, 722}, {20, 622, 575, 622}});
}

TEST(Geometrie, CountsAndGuttersDecideHowManyGuides) {
  ValeursDuSet v = SetParDefaut();
  for (int32_t n : {1, 0, -5}) {
    v.nombreDeColonnes = v.nombreDeLignes = n;
    EXPECT_TRUE(Calcule(SorteDeRepere::Colonnes, v).empty());
    EXPECT_TRUE(Calcule(SorteDeRepere::Lignes, v).empty());
  }
  v = ValeursDuSet{};
  v.nombreDeColonnes = 4;  // a zero gutter: one guide per boundary
  const AIRealRect carre = {0, 100, 400, 0};
  ExpectSegments(Calcule(SorteDeRepere::Colonnes, v, ModeDeTrace::PourPlan, carre),
                 {{100, 100, 100, 0}, {200, 100, 200, 0}, {300, 100, 300, 0}});
  v.gouttiereColonnes = -10;  // a negative one too, the width shared as if gutters overlapped
  EXPECT_EQ(Calcule(SorteDeRepere::Colonnes, v, ModeDeTrace::PourPlan, carre)[0].debut.h, 107.5f);
  // Beyond the limit the set is refused as a whole.
  v.nombreDeColonnes = kNombreMaxDeDivisions;
  EXPECT_EQ(Calcule(SorteDeRepere::Colonnes, v).size(), kNombreMaxDeDivisions - 1u);
  Segments segments;
  v.nombreDeColonnes = kNombreMaxDeDivisions + 1;
  EXPECT_FALSE(SegmentsDuRepere(SorteDeRepere::Colonnes, kA4, v, ModeDeTrace::PourPlan, segments));
  v.nombreDeLignes = std::numeric_limits<int32_t>::max();
  EXPECT_FALSE(SegmentsDuRepere(SorteDeRepere::Lignes, kA4, v, ModeDeTrace::PourPlan, segments));
  EXPECT_TRUE(segments.empty());
}

TEST(Geometrie, ObjectMarginsFrameTheBoxAndAZeroMarginEndsAtTheEdge) {
  ValeursDuSet v;
  v.margeHaut = 1;
  v.margeBas = 2;
  v.margeGauche = 3;
  v.margeDroite = 4;
  const AIRealRect objet = {10, 110, 60, 10};
  const ModeDeTrace o = ModeDeTrace::PourObjet;
  ExpectSegments(Calcule(SorteDeRepere::MargeDroite, v, o, objet), {{56, 109, 56, 12}});
  ExpectSegments(Calcule(SorteDeRepere::MargeGauche, v, o, objet), {{13, 109, 13, 12}});
  ExpectSegments(Calcule(SorteDeRepere::MargeBas, v, o, objet), {{13, 12, 56, 12}});
  ExpectSegments(Calcule(SorteDeRepere::MargeHaut, v, o, objet), {{13, 109, 56, 109}});
  v.margeBas = v.margeGauche = 0;
  EXPECT_TRUE(Calcule(SorteDeRepere::MargeBas, v, o, objet).empty());
  EXPECT_TRUE(Calcule(SorteDeRepere::MargeGauche, v, o, objet).empty());
  ExpectSegments(Calcule(SorteDeRepere::MargeDroite, v, o, objet), {{56, 109, 56, 10}});
  ExpectSegments(Calcule(SorteDeRepere::MargeHaut, v, o, objet), {{10, 109, 56, 109}});
  ExpectSegments(Calcule(SorteDeRepere::MargeHaut, v, ModeDeTrace::PourPlan, objet), {{10, 109, 60, 109}});
}

TEST(Geometrie, DegenerateValuesAreCarriedThroughUnclamped) {
  ValeursDuSet v;
  v.margeDroite = -10;  // outside the rectangle
  ExpectSegments(Calcule(SorteDeRepere::MargeDroite, v), {{605, 842, 605, 0}});
  v.margeGauche = v.margeDroite = 400;  // a negative automatic width
  v.nombreDeColonnes = 2;
  ExpectSegments(Calcule(SorteDeRepere::Colonnes, v), {{297.5f, 842, 297.5f, 0}});
  // Values past single precision give infinities (no out-of-range conversion), which the
  // tracer then refuses.
  v.margeDroite = 1e300;
  v.margeHaut = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(Calcule(SorteDeRepere::MargeDroite, v)[0].debut.h, -std::numeric_limits<float>::infinity());
  EXPECT_FALSE(SegmentsFinis(Calcule(SorteDeRepere::MargeDroite, v)));
  EXPECT_FALSE(SegmentsFinis(Calcule(SorteDeRepere::MargeHaut, v)));
  v = ValeursDuSet{};
  v.nombreDeColonnes = 3;
  v.largeurDeColonnes = 1e39;
  EXPECT_FALSE(SegmentsFinis(Calcule(SorteDeRepere::Colonnes, v)));
  EXPECT_TRUE(SegmentsFinis(Calcule(SorteDeRepere::Colonnes, SetParDefaut())));
}

}  // namespace
