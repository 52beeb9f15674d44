// Units, the texts of the length fields and the numeric readings of a field.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "Utilitaires.h"

namespace {

class TextesDesChamps : public ::testing::Test {
 protected:
  void SetUp() override { VirguleOuPoint = ','; }
  void TearDown() override { VirguleOuPoint = '\0'; }
};

TEST(PointsParUnite, FactorsOfTheFiveUnitsAndNoneElsewhere) {
  EXPECT_EQ(PointsParUnite(kUnitePouces), 72.0);
  EXPECT_EQ(PointsParUnite(kUniteCentimetres), 28.346457481384277);
  EXPECT_EQ(PointsParUnite(kUnitePoints), 1.0);
  EXPECT_EQ(PointsParUnite(kUnitePicas), 12.0);
  EXPECT_EQ(PointsParUnite(kUniteMillimetres), 2.8346457481384277);
  EXPECT_EQ(PointsParUnite(kUniteAucune), 0.0);
  EXPECT_EQ(PointsParUnite(6), 0.0);
  EXPECT_EQ(PointsParUnite(-1), 0.0);
}

TEST(PointsParUnite, MillimetresCarryTheSinglePrecisionFactor) {
  // 25.4 mm is not exactly one inch: the factor is 72/25.4 rounded to single precision.
  EXPECT_EQ(25.4 * PointsParUnite(kUniteMillimetres), 72.00000200271606);
  EXPECT_EQ(3 * PointsParUnite(kUniteMillimetres), 8.503937244415283);
  EXPECT_EQ(2 * PointsParUnite(kUniteMillimetres), 5.6692914962768555);
}

TEST_F(TextesDesChamps, TrailingZerosGoButNotThoseOfTheIntegerPart) {
  EXPECT_EQ(TexteDeValeur(3, kUniteMillimetres), "3 mm");
  EXPECT_EQ(TexteDeValeur(8.5, kUniteMillimetres), "8,5 mm");
  EXPECT_EQ(TexteDeValeur(0, kUnitePouces), "0 in");
  EXPECT_EQ(TexteDeValeur(100, kUnitePoints), "100 pt");
  EXPECT_EQ(TexteDeValeur(-1.5, kUniteCentimetres), "-1,5 cm");
  EXPECT_EQ(TexteDeValeur(12.345, kUnitePicas), "12,35 pi");
  EXPECT_EQ(TexteDeValeur(2.999, kUnitePicas), "3 pi");
}

TEST_F(TextesDesChamps, NoSuffixOutsideTheUnitsAndPointKeptWithPointSeparator) {
  EXPECT_EQ(TexteDeValeur(12.5, kUniteAucune), "12,5");
  EXPECT_EQ(TexteDeValeur(12.5, 9), "12,5");
  VirguleOuPoint = '.';
  EXPECT_EQ(TexteDeValeur(12.5, kUniteMillimetres), "12.5 mm");
}

TEST_F(TextesDesChamps, HugeAndNonFiniteValuesGiveBoundedTexts) {
  const std::string plusGrand = TexteDeValeur(DBL_MAX, kUnitePoints);
  EXPECT_EQ(plusGrand.size(), 309u + 3u);
  EXPECT_EQ(plusGrand.substr(0, 6), "179769");
  EXPECT_EQ(TexteDeValeur(-DBL_MAX, kUnitePoints).size(), 310u + 3u);
  EXPECT_EQ(TexteDeValeur(std::numeric_limits<double>::infinity(), kUniteMillimetres), "inf mm");
  EXPECT_EQ(TexteDeValeur(-std::numeric_limits<double>::infinity(), kUniteMillimetres), "-inf mm");
  EXPECT_EQ(TexteDeValeur(std::nan(""), kUniteMillimetres), "nan mm");
  EXPECT_EQ(TexteDeValeur(-std::nan(""), kUniteMillimetres), "nan mm");
  EXPECT_EQ(TexteDeValeur(1e-300, kUniteMillimetres), "0 mm");
}

TEST(UniteDuTexte, FirstAbbreviationInSearchOrder) {
  EXPECT_EQ(UniteDuTexte("12 pica"), kUnitePicas);
  EXPECT_EQ(UniteDuTexte("12"), kUniteAucune);
  EXPECT_EQ(UniteDuTexte(""), kUniteAucune);
  EXPECT_EQ(UniteDuTexte("3 mm"), kUniteMillimetres);
  EXPECT_EQ(UniteDuTexte("3cm"), kUniteCentimetres);
  EXPECT_EQ(UniteDuTexte("1 in"), kUnitePouces);
  EXPECT_EQ(UniteDuTexte("10 pt"), kUnitePoints);
  // "mm" is searched before "pt", "in" before "pi": the first of the order wins.
  EXPECT_EQ(UniteDuTexte("pt mm"), kUniteMillimetres);
  EXPECT_EQ(UniteDuTexte("pint"), kUnitePouces);
}

TEST(ValeurDuTexte, CommaOrPointSplitsIntegerAndFraction) {
  EXPECT_EQ(ValeurDuTexte("12,5 mm"), 12.5);
  EXPECT_EQ(ValeurDuTexte("12,5 mm") * PointsParUnite(UniteDuTexte("12,5 mm")), 35.43307185173035);
  EXPECT_EQ(ValeurDuTexte("12.25 cm"), 12.25);
  EXPECT_EQ(ValeurDuTexte("1,2,3 mm"), 1.2);
  EXPECT_EQ(ValeurDuTexte("-12,5 mm"), -12.5);
  EXPECT_EQ(ValeurDuTexte("-0,5 cm"), -0.5);
  EXPECT_EQ(ValeurDuTexte(",5"), 0.5);
  EXPECT_EQ(ValeurDuTexte("7 mm"), 7.0);
  EXPECT_EQ(ValeurDuTexte("-7"), -7.0);
}

TEST(ValeurDuTexte, TextsWithoutANumberReadAsZero) {
  EXPECT_EQ(ValeurDuTexte(""), 0.0);
  EXPECT_EQ(ValeurDuTexte("mm"), 0.0);
  EXPECT_EQ(ValeurDuTexte(","), 0.0);
  EXPECT_EQ(ValeurDuTexte("abc,def"), 0.0);
  EXPECT_EQ(ValeurDuTexte("-"), 0.0);
}

TEST(ValeurDuTexte, HugeNumbersStayFinite) {
  EXPECT_EQ(ValeurDuTexte("1e999"), DBL_MAX);
  EXPECT_EQ(ValeurDuTexte("-1e999"), -DBL_MAX);
  EXPECT_EQ(ValeurDuTexte("1e400,9e400"), DBL_MAX);
  EXPECT_EQ(ValeurDuTexte(std::string(5000, '9') + ",5"), DBL_MAX);
}

TEST(LectureNumeriqueSimple, NumberAtTheStartInSinglePrecision) {
  EXPECT_EQ(LectureNumeriqueSimple("12.5 mm"), 12.5);
  EXPECT_EQ(LectureNumeriqueSimple("0.1"), static_cast<double>(0.1f));
  EXPECT_EQ(LectureNumeriqueSimple("  -3.25"), -3.25);
  EXPECT_EQ(LectureNumeriqueSimple("+4"), 4.0);
  EXPECT_EQ(LectureNumeriqueSimple(".5"), 0.5);
  EXPECT_EQ(LectureNumeriqueSimple("5."), 5.0);
  EXPECT_EQ(LectureNumeriqueSimple("1.5e2pt"), 150.0);
  EXPECT_EQ(LectureNumeriqueSimple("2e"), 2.0);
  EXPECT_EQ(LectureNumeriqueSimple("2e+"), 2.0);
  // The comma is not a separator for this reading: the field's "12,5 mm" reads 12.
  EXPECT_EQ(LectureNumeriqueSimple("12,5 mm"), 12.0);
}

TEST(LectureNumeriqueSimple, NoNumberAtTheStartReadsZero) {
  EXPECT_EQ(LectureNumeriqueSimple(""), 0.0);
  EXPECT_EQ(LectureNumeriqueSimple("mm 12"), 0.0);
  EXPECT_EQ(LectureNumeriqueSimple("."), 0.0);
  EXPECT_EQ(LectureNumeriqueSimple("-."), 0.0);
  EXPECT_EQ(LectureNumeriqueSimple("e5"), 0.0);
  EXPECT_EQ(LectureNumeriqueSimple("inf"), 0.0);
  EXPECT_EQ(LectureNumeriqueSimple("nan"), 0.0);
  EXPECT_EQ(LectureNumeriqueSimple("0x10"), 0.0);
}

TEST(LectureNumeriqueSimple, OutOfRangeSaturatesOrVanishes) {
  EXPECT_EQ(LectureNumeriqueSimple("1e39"), static_cast<double>(FLT_MAX));
  EXPECT_EQ(LectureNumeriqueSimple("-1e39"), -static_cast<double>(FLT_MAX));
  EXPECT_EQ(LectureNumeriqueSimple("0.00001e99999999999999999999"), static_cast<double>(FLT_MAX));
  EXPECT_EQ(LectureNumeriqueSimple("1e-99"), 0.0);
  EXPECT_EQ(LectureNumeriqueSimple("100000e-99999999999999999999"), 0.0);
  EXPECT_EQ(LectureNumeriqueSimple(std::string(400, '9')), static_cast<double>(FLT_MAX));
}

}  // namespace
