// Units, the texts of the length fields and the numeric readings of a field.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "Utilitaires.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Unites, MillimetresCarryTheSinglePrecisionFactor) {
  // 72/25.4 rounded to single precision: 25.4 mm is not exactly one inch.
  EXPECT_EQ(PointsParUnite(kUniteMillimetres), 2.8346457481384277);
  EXPECT_EQ(PointsParUnite(kUniteCentimetres), 28.346457481384277);
  EXPECT_EQ(25.4 * PointsParUnite(kUniteMillimetres), 72.00000200271606);
  EXPECT_EQ(PointsParUnite(kUnitePouces) + PointsParUnite(kUnitePicas) + PointsParUnite(kUnitePoints), 85.0);
  EXPECT_EQ(PointsParUnite(kUniteAucune) + PointsParUnite(6) + PointsParUnite(-1), 0.0);
}

TEST(Unites, TexteDeValeurTrimsZerosAndAppendsTheSuffix) {
  VirguleOuPoint = ',';
  const struct { double valeur; CodeUnite code; const char* texte; } cas[] = {
      {3, kUniteMillimetres, "3 mm"},   {8.5, kUniteMillimetres, "8,5 mm"}, {0, kUnitePouces, "0 in"},
      {100, kUnitePoints, "100 pt"},    {-1.5, kUniteCentimetres, "-1,5 cm"}, {2.999, kUnitePicas, "3 pi"},
      {12.345, kUniteAucune, "12,35"},  {12.5, 9, "12,5"},                {1e-300, kUniteMillimetres, "0 mm"},
      {kInf, kUniteMillimetres, "inf mm"}, {-kInf, kUnitePoints, "-inf pt"}, {std::nan(""), kUnitePoints, "nan pt"},
  };
  for (const auto& c : cas) EXPECT_EQ(TexteDeValeur(c.valeur, c.code), c.texte) << c.valeur;
  // The largest double is written whole, not cut and not overflowing.
  EXPECT_EQ(TexteDeValeur(-DBL_MAX, kUnitePoints).size(), 1u + 309u + 3u);
  VirguleOuPoint = '.';
  EXPECT_EQ(TexteDeValeur(12.5, kUniteMillimetres), "12.5 mm");
  VirguleOuPoint = '\0';
}

TEST(Unites, UniteDuTexteTakesTheFirstAbbreviationOfTheSearchOrder) {
  const struct { const char* texte; CodeUnite code; } cas[] = {
      {"12 pica", kUnitePicas}, {"12", kUniteAucune},        {"", kUniteAucune},      {"3cm", kUniteCentimetres},
      {"1 in", kUnitePouces},   {"pt mm", kUniteMillimetres}, {"pint", kUnitePouces}, {"10 pt", kUnitePoints},
  };
  for (const auto& c : cas) EXPECT_EQ(UniteDuTexte(c.texte), c.code) << c.texte;
}

TEST(Unites, ValeurDuTexteSplitsAtTheFirstSeparator) {
  const struct { std::string texte; double valeur; } cas[] = {
      {"12,5 mm", 12.5}, {"12.25 cm", 12.25}, {"1,2,3 mm", 1.2}, {"-12,5 mm", -12.5}, {"-0,5 cm", -0.5},
      {",5", 0.5},       {"-7", -7},          {"", 0},           {"mm", 0},           {"abc,def", 0},
      {"1e999", DBL_MAX}, {"-1e999", -DBL_MAX}, {"1e400,9e400", DBL_MAX}, {std::string(5000, '9') + ",5", DBL_MAX},
  };
  for (const auto& c : cas) EXPECT_EQ(ValeurDuTexte(c.texte), c.valeur) << c.texte;
  EXPECT_EQ(ValeurDuTexte("12,5 mm") * PointsParUnite(UniteDuTexte("12,5 mm")), 35.43307185173035);
}

TEST(Unites, PlainReadingTakesTheLeadingNumberInSinglePrecision) {
  const double flottantMax = FLT_MAX;
  const struct { std::string texte; double valeur; } cas[] = {
      {"12.5 mm", 12.5}, {"0.1", static_cast<double>(0.1f)}, {"  -3.25", -3.25}, {"+4", 4}, {".5", 0.5},
      {"5.", 5},         {"1.5e2pt", 150},  {"2e+", 2},      {"12,5 mm", 12.5}, {"", 0},   {"mm 12", 0},
      {"-.", 0},         {"e5", 0},         {"inf", 0},      {"nan", 0},        {"0x10", 0},
      {"1e39", flottantMax}, {"-1e39", -flottantMax}, {"0.00001e99999999999999999999", flottantMax},
      {std::string(400, '9'), flottantMax}, {"1e-99", 0}, {"100000e-99999999999999999999", 0},
  };
  for (const auto& c : cas) EXPECT_EQ(LectureNumeriqueSimple(c.texte), c.valeur) << c.texte;
}

}  // namespace
