// The paged help at the right of the panel.
#include <cstdio>

#include "GuidesDialogue.h"
#include "TextesAide.h"
#include "kit/Kit.h"

int16_t PageAide = 1;
int16_t NbrPages = kNombrePagesAide;

void GuidesDialogue::PANaideApres(kit::Control*) {
  ++PageAide;
  if (PageAide < NbrPages) {
    PANaidePageApres->setToolTip("Page suivante de l'aide.");
    PANaidePageApres->setEnabled(true);
  } else {
    PANaidePageApres->setToolTip("Dernière page de l'aide.");
    PANaidePageApres->setEnabled(false);
    PageAide = NbrPages;
  }
  PANaidePageAvant->setToolTip("Page précédente de l'aide.");
  PANaidePageAvant->setEnabled(true);
  TexteAide();
}

void GuidesDialogue::PANaideAvant(kit::Control*) {
  --PageAide;
  if (PageAide > 1) {
    PANaidePageAvant->setToolTip("Page précédente de l'aide.");
    PANaidePageAvant->setEnabled(true);
  } else {
    PANaidePageAvant->setToolTip("Première page de l'aide.");
    PANaidePageAvant->setEnabled(false);
    PageAide = 1;
  }
  PANaidePageApres->setToolTip("Page suivante de l'aide.");
  PANaidePageApres->setEnabled(true);
  TexteAide();
}

void GuidesDialogue::TexteAide() {
  if (PageAide >= 1 && PageAide <= kNombrePagesAide) PANaide->setString(TexteDePageAide(PageAide));
  PANaide->scrollRangeToVisible(kit::Range{0, 0});
  char numero[16];
  std::snprintf(numero, sizeof numero, "%d/%d", PageAide, NbrPages);
  PANnumeroPage->setStringValue(numero);
}
