// Naming a new set: the popup of sets gives way to the name field, the set's unit and two
// buttons until the set is created or the naming cancelled.
#include <cstring>
#include <string>

#include "EcritLitPrefs.h"
#include "GuideSet.h"
#include "GuidesDialogue.h"
#include "Utilitaires.h"
#include "GuidesDialogueSets.h"
#include "GuidesSuites.h"
#include "Panneau.h"
#include "Theme.h"
#include "kit/Kit.h"

namespace {

// The length of the UTF-8 sequence that `tete` starts, or 0 for a byte that starts none.
size_t LongueurSequence(unsigned char tete) {
  if (tete < 0x80) return 1;
  if ((tete >> 5) == 0x6) return 2;
  if ((tete >> 4) == 0xE) return 3;
  if ((tete >> 3) == 0x1E) return 4;
  return 0;
}

void MontreLesControlesDuNommage(GuidesDialogue& p, bool nommage) {
  p.PANpopupSets->setHidden(nommage);
  p.PANpopupPlansDeTravail->setHidden(nommage);
  p.PANeffacerBT->setHidden(nommage || InterfaceSombre);
  p.PANeffacerSombreBT->setHidden(nommage || !InterfaceSombre);
  p.PANnomSet->setHidden(!nommage);
  p.PANpopupUniteDuSet->setHidden(!nommage);
  p.PANokSetBT->setHidden(!nommage);
  p.PANannulerSetBT->setHidden(!nommage);
}

// Back to the popup of sets; the values and the unit shown stay as they are.
void QuitteLeNommage(GuidesDialogue& p) {
  MontreLesControlesDuNommage(p, false);
  ChangeHauteurPanneau(kHauteurPanneauNormal);
  SetEnCours = false;
}

// The unit the user chose for the new set; an unselected popup leaves the set's unit.
CodeUnite UniteChoisie(const GuidesDialogue& p) {
  const int index = p.PANpopupUniteDuSet->indexOfSelectedItem();
  return index >= 0 && index < kUniteMillimetres ? static_cast<CodeUnite>(index + 1) : UniteDuSet;
}

}  // namespace

int NombreDeCaracteres(std::string_view texte) {
  int nombre = 0;
  for (size_t i = 0; i < texte.size(); ++nombre) {
    const size_t longueur = LongueurSequence(static_cast<unsigned char>(texte[i]));
    bool complete = longueur > 0 && i + longueur <= texte.size();
    for (size_t j = 1; complete && j < longueur; ++j)
      complete = (static_cast<unsigned char>(texte[i + j]) & 0xC0) == 0x80;
    i += complete ? longueur : 1;
  }
  return nombre;
}

void ChangeHauteurPanneau(AIReal hauteur) {
  if (!sAIPanel || !PanneauRef) return;
  AISize taille{0, 0};
  if (sAIPanel->GetSize(PanneauRef, &taille) != kNoErr) return;
  taille.height = hauteur;
  sAIPanel->SetSize(PanneauRef, &taille);
}

void EntreDansLeNommage(GuidesDialogue& p, int numeroDuNouveauSet) {
  MontreLesControlesDuNommage(p, true);
  p.PANpopupUniteDuSet->selectItemAtIndex(Unite - 1);
  p.PANnomSet->setStringValue("Mon set " + TexteEntier(numeroDuNouveauSet));
  UniteDuSet = Unite;
  p.PANadapteUniteZonesPanneau();
  p.PANnomSet->selectText();
  ChangeHauteurPanneau(kHauteurPanneauNommage);
  SetEnCours = true;
}

// The set is stored from the values the panel holds now, which the user may have changed
// while naming it.
void GuidesDialogue::PANokSetCBP(kit::Control*) {
  std::string nom = PANnomSet->stringValue();
  nom.resize(std::strlen(nom.c_str()));  // the stored title ends at the first NUL: so does the item
  // A blank name would make a set without a title in the popup, the list and the deletion.
  if (nom.find_first_not_of(" \t\r\n") == std::string::npos) {
    AlerteSets("Le nom du set est vide.\rDonnez-lui un nom.");
    return;
  }
  if (NombreDeCaracteres(nom) > static_cast<int>(kLongueurMaxTitre)) {
    AlerteSets("Le nom du set est trop long\r(maximum de 80 caractères).");
    return;
  }
  const int numero = PANpopupSets->numberOfItems() - 3;
  if (numero >= 1 && numero <= kNombreMaxSets) {
    PANpopupSets->insertItemWithTitle(nom, numero);
    static_assert(sizeof TitreSet > 4 * kLongueurMaxTitre, "a title of 4-byte characters must fit");
    std::memcpy(TitreSet, nom.c_str(), nom.size() + 1);
    UniteDuSet = UniteChoisie(*this);
    AjouteSet(numero);
    PANpopupSets->selectItemAtIndex(numero);
  }
  QuitteLeNommage(*this);
}

void GuidesDialogue::PANannulerSetCBP(kit::Control*) {
  QuitteLeNommage(*this);
  RetablitSetAffiche(PANpopupSets);
}
