// The guides tool's pure rules: the hover tolerance, the working unit taken from the
// rulers, the artboard popup's titles, the sound files and the hint's colour.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "GuidesAnnotations.h"
#include "OutilGuides.h"
#include "Survol.h"

namespace {

// About four screen pixels, never under one artwork unit; a zoom that is no zoom counts as
// full size, and the result stays finite.
TEST(ToleranceDeSurvol, AboutFourScreenPixelsButNeverUnderOneArtworkUnit) {
  constexpr float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  for (const auto& [zoom, tolerance] :
       {std::pair{1.0f, 4.0f}, {8.0f, 1.0f}, {0.25f, 16.0f}, {4.0f, 1.0f}, {3.0f, 4.0f / 3.0f}, {1.0f / 64, 256.0f},
        {0.0f, 4.0f}, {-2.0f, 4.0f}, {nan, 4.0f}, {inf, 4.0f}, {-inf, 4.0f},
        {std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::max()}})
    EXPECT_EQ(ToleranceDeSurvol(zoom), tolerance) << zoom;
}

TEST(UniteDeLaRegle, LengthUnitsKeepTheirCodePixelsArePointsTheRestMillimetres) {
  EXPECT_EQ((std::vector{UniteDeLaRegle(1), UniteDeLaRegle(2), UniteDeLaRegle(3), UniteDeLaRegle(4), UniteDeLaRegle(5),
                         UniteDeLaRegle(6)}),
            (std::vector<int16_t>{kUnitePouces, kUniteCentimetres, kUnitePoints, kUnitePicas, kUniteMillimetres,
                                  kUnitePoints}));
  for (int16_t autre : {0, 7, 8, 9, 10, -1, 32767}) EXPECT_EQ(UniteDeLaRegle(autre), kUniteMillimetres) << autre;
}

TEST(TitrePlan, NumbersArtboardsFromOne) {
  EXPECT_EQ(TitrePlan(0), "Plan 1");
  EXPECT_EQ(TitrePlan(9), "Plan 10");
  EXPECT_EQ(TitrePlan(99), "Plan 100");
  EXPECT_EQ(TitrePlan(std::numeric_limits<int32_t>::max()), "Plan 2147483648");
}

TEST(NomDuSon, PopAndBruitHaveTheirCodesEveryOtherCodeIsTink) {
  EXPECT_EQ(std::string(NomDuSon(9000)), "Pop");
  EXPECT_EQ(std::string(NomDuSon(9002)), "Bruit");
  for (int16_t autre : {9001, 0, -1, 32767}) EXPECT_EQ(std::string(NomDuSon(autre)), "Tink") << autre;
}

// The fraction in single precision times full scale, truncated: 0.1 as a float times 65535 is
// 6553.5, which truncates to 6553. Stored values out of range are brought back.
TEST(ComposanteDeCouleur, FractionInSinglePrecisionTimesFullScaleTruncated) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  for (const auto& [valeur, composante] :
       {std::pair{0.0, 0}, {1.0, 65535}, {0.25, 16383}, {0.5, 32767}, {0.1, 6553}, {-0.5, 0}, {1.5, 65535},
        {1e300, 65535}, {std::nan(""), 0}, {-inf, 0}, {inf, 65535}})
    EXPECT_EQ(ComposanteDeCouleur(valeur), composante) << valeur;
}

}  // namespace
