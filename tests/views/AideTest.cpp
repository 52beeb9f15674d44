// The help pages: the eleven files shipped in the Resources folder, and how a page file
// that is not one of ours is refused.
#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "TextesAide.h"

namespace {

std::string PremiereLigne(const std::string& texte) { return texte.substr(0, texte.find('\n')); }

// The first two pages' first lines; from the third, a title line, an empty line, then the
// paragraphs. What each page says is its file's: the test does not copy the files.
TEST(PagesAide, ElevenPagesInFrenchWithTheirTitleLines) {
  EXPECT_EQ(PremiereLigne(TexteDePageAide(1)), "Ralto-Guides sert à créer des repères automatiquement.");
  EXPECT_EQ(PremiereLigne(TexteDePageAide(2)), "À l'ouverture, c'est le set par défaut qui est actif.");
  for (int page = 1; page <= kNombrePagesAide; ++page) {
    SCOPED_TRACE(page);
    const std::string& texte = TexteDePageAide(page);
    if (page >= 3) {
      EXPECT_EQ(texte.find("\n\n"), PremiereLigne(texte).size());
    }
    EXPECT_GT(texte.size(), 60u);
    EXPECT_NE(texte.back(), '\n');
    EXPECT_EQ(texte.find("\n\n\n"), std::string::npos);
  }
}

TEST(PagesAide, ThePagesAreReadOnceAndPagesOutOfRangeAreEmpty) {
  EXPECT_EQ(&TexteDePageAide(5), &TexteDePageAide(5));
  for (int page : {0, -1, 12, 1000, -2147483647 - 1}) EXPECT_EQ(TexteDePageAide(page), "") << page;
}

class FichierAide : public ::testing::Test {
 protected:
  std::string Ecrire(const std::string& nom, const std::string& contenu) { return dossier_.resource(nom, contenu); }
  const testhost::TempFolder dossier_;
};

TEST_F(FichierAide, APageLosesOnlyItsClosingLineBreaks) {
  EXPECT_EQ(LireTexteAide(Ecrire("a.txt", "TITRE\n\nÉtape 1.\r\n\n")), "TITRE\n\nÉtape 1.");
  EXPECT_EQ(LireTexteAide(Ecrire("b.txt", "")), "");
  EXPECT_EQ(LireTexteAide(Ecrire("c.txt", std::string("a\0b", 3))), std::string("a\0b", 3));
}

TEST_F(FichierAide, MissingOversizedOrBrokenPagesReadAsEmpty) {
  EXPECT_EQ(LireTexteAide((dossier_.path / "absente.txt").string()), "");
  EXPECT_EQ(LireTexteAide(dossier_.path.string()), "");
  EXPECT_EQ(LireTexteAide(""), "");

  EXPECT_EQ(LireTexteAide(Ecrire("pile.txt", std::string(kTailleMaxPageAide, 'a'))).size(), kTailleMaxPageAide);
  EXPECT_EQ(LireTexteAide(Ecrire("trop.txt", std::string(kTailleMaxPageAide + 1, 'a'))), "");

  EXPECT_EQ(LireTexteAide(Ecrire("latin1.txt", "R\xE9p\xE8res")), "");     // Latin-1, not UTF-8
  EXPECT_EQ(LireTexteAide(Ecrire("coupe.txt", "Rep\xC3")), "");            // cut in a character
  EXPECT_EQ(LireTexteAide(Ecrire("long.txt", "\xC0\xAF")), "");            // overlong '/'
  EXPECT_EQ(LireTexteAide(Ecrire("surrogat.txt", "\xED\xA0\x80")), "");    // a surrogate
  EXPECT_EQ(LireTexteAide(Ecrire("au-dela.txt", "\xF4\x90\x80\x80")), "");  // beyond U+10FFFF
  EXPECT_EQ(LireTexteAide(Ecrire("emoji.txt", "\xF0\x9F\x93\x90")), "\xF0\x9F\x93\x90");
}

}  // namespace
