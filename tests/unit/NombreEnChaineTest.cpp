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

class NombreEnChaineTest : public ::testing::Test {
 protected:
  void SetUp() override { VirguleOuPoint = ','; }
  void TearDown() override { VirguleOuPoint = '\0'; }

  // The text written in a roomy buffer, and the count returned checked against it.
  static std::string Texte(float valeur, int8_t decimales) {
    char tampon[256];
    std::memset(tampon, 'x', sizeof tampon);
    const int n = NombreEnChaine(valeur, decimales, tampon, sizeof tampon);
    EXPECT_EQ(static_cast<size_t>(n), std::strlen(tampon));
    return tampon;
  }
};

TEST_F(NombreEnChaineTest, WholeNumbersAndDecimals) {
  char tampon[16];
  EXPECT_EQ(NombreEnChaine(12, 0, tampon, sizeof tampon), 2);
  EXPECT_STREQ(tampon, "12");
  EXPECT_EQ(NombreEnChaine(0, 0, tampon, sizeof tampon), 1);
  EXPECT_STREQ(tampon, "0");
  EXPECT_EQ(NombreEnChaine(3.14159f, 2, tampon, sizeof tampon), 4);
  EXPECT_STREQ(tampon, "3,14");
}

TEST_F(NombreEnChaineTest, ArtboardNumbersOneToOneHundred) {
  for (int n = 1; n <= 100; ++n) EXPECT_EQ(Texte(static_cast<float>(n), 0), std::to_string(n));
  EXPECT_EQ(Texte(1000, 0), "1000");
  EXPECT_EQ(Texte(16777216, 0), "16777216");
}

TEST_F(NombreEnChaineTest, RoundsHalfAwayFromZeroAndPadsDecimals) {
  EXPECT_EQ(Texte(2.5f, 0), "3");
  EXPECT_EQ(Texte(0.5f, 0), "1");
  EXPECT_EQ(Texte(9.999f, 2), "10,00");
  EXPECT_EQ(Texte(1, 3), "1,000");
  EXPECT_EQ(Texte(0.05f, 1), "0,1");
  VirguleOuPoint = '.';
  EXPECT_EQ(Texte(1.25f, 2), "1.25");
  VirguleOuPoint = '\0';  // not set yet: a point, never a terminator inside the text
  EXPECT_EQ(Texte(1.25f, 2), "1.25");
}

TEST_F(NombreEnChaineTest, NegativeDecimalsRoundToTensWithoutSeparator) {
  EXPECT_EQ(Texte(1234, -2), "1200");
  EXPECT_EQ(Texte(1250, -2), "1300");
  EXPECT_EQ(Texte(3.4e38f, -128), "0");
}

TEST_F(NombreEnChaineTest, NegativeHugeAndNonFiniteValuesGiveBoundedTexts) {
  EXPECT_EQ(Texte(-12, 0), "-12");
  EXPECT_EQ(Texte(-1.5f, 1), "-1,5");
  EXPECT_EQ(Texte(-0.001f, 2), "0,00");
  EXPECT_EQ(Texte(-0.0f, 0), "0");
  EXPECT_EQ(Texte(1e20f, 0), "100000002004087734272");
  EXPECT_EQ(Texte(FLT_MAX, 0), "340282346638528859811704183484516925440");
  EXPECT_EQ(Texte(-FLT_MAX, 0), "-340282346638528859811704183484516925440");
  // 3403e35 is past the largest float: the rounding stays on it.
  EXPECT_EQ(Texte(FLT_MAX, -35), "340282346638528859811704183484516925440");
  EXPECT_EQ(Texte(std::numeric_limits<float>::infinity(), 2), "inf");
  EXPECT_EQ(Texte(-std::numeric_limits<float>::infinity(), 2), "-inf");
  EXPECT_EQ(Texte(std::nanf(""), 2), "nan");
  const std::string tresLong = Texte(-FLT_MAX, 127);
  EXPECT_EQ(tresLong.size(), 1u + 39u + 1u + 127u);
  EXPECT_EQ(tresLong.substr(tresLong.size() - 3), "000");
}

TEST_F(NombreEnChaineTest, TextThatDoesNotFitIsNotWrittenAtAll) {
  char tampon[8];
  std::memset(tampon, 'x', sizeof tampon);
  EXPECT_EQ(NombreEnChaine(100, 0, tampon, 3), 0);
  EXPECT_STREQ(tampon, "");
  EXPECT_EQ(tampon[1], 'x');
  EXPECT_EQ(NombreEnChaine(100, 0, tampon, 4), 3);
  EXPECT_STREQ(tampon, "100");
  EXPECT_EQ(NombreEnChaine(1, 6, tampon, sizeof tampon), 0);
  EXPECT_EQ(NombreEnChaine(1, 5, tampon, sizeof tampon), 7);
  EXPECT_STREQ(tampon, "1,00000");
  tampon[0] = 'x';
  EXPECT_EQ(NombreEnChaine(1, 0, tampon, 0), 0);
  EXPECT_EQ(tampon[0], 'x');
  EXPECT_EQ(NombreEnChaine(1, 0, nullptr, 8), 0);
}

}  // namespace
