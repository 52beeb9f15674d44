// The number writer: exact texts for the values the plug-in writes, and bounded texts for
// everything else, never past the buffer.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "Utilitaires.h"

namespace {

// The text written in a roomy buffer; the count returned must match it.
std::string Texte(float valeur, int8_t decimales) {
  char tampon[256];
  std::memset(tampon, 'x', sizeof tampon);
  const int n = NombreEnChaine(valeur, decimales, tampon, sizeof tampon);
  EXPECT_EQ(static_cast<size_t>(n), std::strlen(tampon));
  return tampon;
}

TEST(NombreEnChaine, WritesRoundedNumbersWithTheSeparator) {
  VirguleOuPoint = ',';
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const std::string plusGrand = "340282346638528859811704183484516925440";
  const struct { float valeur; int8_t decimales; std::string texte; } cas[] = {
      {12, 0, "12"},       {0, 0, "0"},          {3.14159f, 2, "3,14"}, {100, 0, "100"},     {2.5f, 0, "3"},
      {9.999f, 2, "10,00"}, {1, 3, "1,000"},     {0.05f, 1, "0,1"},     {1234, -2, "1200"},   {1250, -2, "1300"},
      {-12, 0, "-12"},     {-1.5f, 1, "-1,5"},   {-0.001f, 2, "0,00"},  {16777216, 0, "16777216"},
      {1e20f, 0, "100000002004087734272"},       {FLT_MAX, 0, plusGrand}, {-FLT_MAX, 0, "-" + plusGrand},
      {FLT_MAX, -35, plusGrand},  // 3403e35 would pass the largest float: the rounding stays on it
      {3.4e38f, -128, "0"},  {kInf, 2, "inf"},  {-kInf, 0, "-inf"},  {std::nanf(""), 2, "nan"},
  };
  for (const auto& c : cas) EXPECT_EQ(Texte(c.valeur, c.decimales), c.texte) << c.valeur << " " << int{c.decimales};
  for (int n = 1; n <= 100; ++n) EXPECT_EQ(Texte(static_cast<float>(n), 0), std::to_string(n));
  EXPECT_EQ(Texte(-FLT_MAX, 127).size(), 1u + 39u + 1u + 127u);
  VirguleOuPoint = '\0';  // not set yet: a point, never a terminator inside the text
  EXPECT_EQ(Texte(1.25f, 2), "1.25");
}

TEST(NombreEnChaine, TextThatDoesNotFitIsNotWrittenAtAll) {
  char tampon[8];
  std::memset(tampon, 'x', sizeof tampon);
  EXPECT_EQ(NombreEnChaine(100, 0, tampon, 3), 0);
  EXPECT_STREQ(tampon, "");
  EXPECT_EQ(tampon[1], 'x');
  EXPECT_EQ(NombreEnChaine(100, 0, tampon, 4), 3);
  EXPECT_STREQ(tampon, "100");
  EXPECT_EQ(NombreEnChaine(1, 6, tampon, sizeof tampon), 0);
  EXPECT_EQ(NombreEnChaine(1, 5, tampon, sizeof tampon), 7);
  tampon[0] = 'x';
  EXPECT_EQ(NombreEnChaine(1, 0, tampon, 0), 0);
  EXPECT_EQ(tampon[0], 'x');
  EXPECT_EQ(NombreEnChaine(1, 0, nullptr, 8), 0);
}

}  // namespace
