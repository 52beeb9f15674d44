// The popup of sets: the default set, a user set put on the panel, and the commands that
// create, delete one (Alt held) or delete several sets.
#include <array>
#include <charconv>
#include <string>

#include "EcritLitPrefs.h"
#include "GuideSet.h"
#include "GuidesDialogue.h"
#include "GuidesDialogueSets.h"
#include "GuidesSuites.h"
#include "IAIUnicodeString.h"
#include "SimuleAppuiTouche.h"
#include "Utilitaires.h"
#include "ZonesLongueur.h"
#include "kit/Kit.h"

namespace {

// The popup holds the default set, the user sets, a separator and the two commands.
constexpr int kItemsHorsSets = 4;

// A stored length as a freshly put set shows it: two decimals kept, in the set's unit.
std::string TexteDuSet(double points, CodeUnite unite) {
  char tampon[512];
  const double valeur = points / PointsParUnite(unite);
  const auto fin = std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed, 2);
  std::string texte(tampon, fin.ec == std::errc{} ? fin.ptr : tampon);
  // Unit 6 and any other code outside 1 to 5 show points.
  const char* suffixe = SuffixeDUnite(unite);
  texte += *suffixe ? suffixe : " pt";
  if (VirguleOuPoint == ',')
    for (char& c : texte)
      if (c == '.') c = ',';
  return texte;
}

struct LongueurDuSet {
  double* valeur;
  kit::TextField* zone;
  bool videSiNul;  // a column width or row height of 0 is computed: the field stays empty
};
using LongueursDuSet = std::array<LongueurDuSet, 8>;

// The values a set record loads into the current set, kept to be put back.
struct ValeursChargees {
  CodeUnite unite;
  std::array<double, 8> longueurs;
  int32_t colonnes, lignes;
};

ValeursChargees ValeursCourantes(const LongueursDuSet& longueurs) {
  ValeursChargees v{UniteDuSet, {}, NombreDeColonnes, NombreDeLignes};
  for (size_t i = 0; i < longueurs.size(); ++i) v.longueurs[i] = *longueurs[i].valeur;
  return v;
}

void Remet(const ValeursChargees& v, const LongueursDuSet& longueurs) {
  UniteDuSet = v.unite;
  for (size_t i = 0; i < longueurs.size(); ++i) *longueurs[i].valeur = v.longueurs[i];
  NombreDeColonnes = v.colonnes;
  NombreDeLignes = v.lignes;
}

// A stored set is checked as a typed value is: a length that is not a length the document
// can hold (not a number, infinite, beyond single precision) makes the record damaged, and
// nothing of it is loaded (false). Otherwise a count is capped and a unit outside 1 to 5 is
// taken as points (lengths are stored in points).
bool ChargeSet(int numero, const LongueursDuSet& longueurs) {
  const ValeursChargees avant = ValeursCourantes(longueurs);
  LitSet(numero);
  for (const LongueurDuSet& l : longueurs)
    if (!LongueurTenable(*l.valeur)) {
      Remet(avant, longueurs);
      return false;
    }
  NombreDeColonnes = NombreDeDivisionsBorne(NombreDeColonnes);
  NombreDeLignes = NombreDeDivisionsBorne(NombreDeLignes);
  if (PointsParUnite(UniteDuSet) == 0) UniteDuSet = kUnitePoints;
  return true;
}

void MontreCadenas(GuidesDialogue& p) {
  const int etat = CadenasMarges ? kit::ControlStateOff : kit::ControlStateOn;
  p.PANcadenas->setState(etat);
  p.PANcadenasSombre->setState(etat);
  kit::Control* const suiveurs[] = {p.PANzoneMargeBas,         p.PANzoneMargeGauche,     p.PANzoneMargeDroite,
                                    p.PANstepPlusMargeBas,     p.PANstepMoinsMargeBas,   p.PANstepPlusMargeGauche,
                                    p.PANstepMoinsMargeGauche, p.PANstepPlusMargeDroite, p.PANstepMoinsMargeDroite};
  for (kit::Control* suiveur : suiveurs) suiveur->setEnabled(!CadenasMarges);
}

// User set `numero` becomes the current set; its lengths stay in points and are shown in
// the set's unit until the user edits a field.
void MontreSetUtilisateur(GuidesDialogue& p, int numero) {
  const LongueursDuSet longueurs = {{
      {&MargeHaut, p.PANzoneMargeHaut, false},
      {&MargeBas, p.PANzoneMargeBas, false},
      {&MargeGauche, p.PANzoneMargeGauche, false},
      {&MargeDroite, p.PANzoneMargeDroite, false},
      {&LargeurDeColonnes, p.PANzoneLargeurColonne, true},
      {&HauteurDeLignes, p.PANzoneHauteurLigne, true},
      {&GouttiereColonnes, p.PANzoneGouttiereColonne, false},
      {&GouttiereLignes, p.PANzoneGouttiereLigne, false},
  }};
  if (!ChargeSet(numero, longueurs)) {
    // The panel keeps the set it showed, and the record stays as it is in the file.
    AlerteSets("Ce set est endommagé.\rImpossible de le charger.");
    RetablitSetAffiche(p.PANpopupSets);
    return;
  }
  p.PANzoneNbrColonnes->setIntValue(NombreDeColonnes);
  p.PANzoneNbrLignes->setIntValue(NombreDeLignes);
  for (const LongueurDuSet& l : longueurs)
    l.zone->setStringValue(l.videSiNul && *l.valeur == 0 ? std::string() : TexteDuSet(*l.valeur, UniteDuSet));

  LitCadenasDuSet(numero);
  MontreCadenas(p);
  p.PANzoneMargeHaut->selectText();
  p.PANmargeBasNSView->display();
  p.PANmargeGaucheNSView->display();
  p.PANmargeDroiteNSView->display();
  SetEnCours = true;
  SimuleAppuiToucheFn();
}

}  // namespace

void RetablitSetAffiche(kit::PopUpButton* popupSets) {
  if (!popupSets) return;
  const int avant = popupSets->indexSelectedBeforeLastChoice();
  const int nombreDeSets = popupSets->numberOfItems() - kItemsHorsSets;
  popupSets->selectItemAtIndex(avant >= 0 && avant <= nombreDeSets ? avant : 0);
}

void AlerteSets(const char* texte) {
  if (sAIUser) sAIUser->MessageAlert(ai::UnicodeString(texte).ref());
}

void GuidesDialogue::PANpopupSetsCBP(kit::Control*) {
  const int n = PANpopupSets->numberOfItems();
  const int choix = PANpopupSets->indexOfSelectedItem();
  const int nombreDeSets = n - kItemsHorsSets;
  const bool choixEstUnSet = choix >= 1 && choix <= nombreDeSets;

  if (kit::Application::shared().currentModifierFlags() & kit::EventModifierFlagOption) {
    // Only a user set can be deleted; the separator counts as a command.
    if (!choixEstUnSet) {
      AlerteSets("Suppression impossible.");
      RetablitSetAffiche(PANpopupSets);
      return;
    }
    SupprimerSet(choix);
    PANpopupSets->selectItemAtIndex(choix - 1);
  } else if (choix == n - 1) {
    if (nombreDeSets == 0) {
      AlerteSets("On ne peut pas supprimer de set car aucun set n'a été créé.");
      PANpopupSets->selectItemAtIndex(0);
      return;
    }
    OuvreSupprimerDesSets(*this, nombreDeSets);
  } else if (choix == n - 2) {
    if (nombreDeSets >= kNombreMaxSets) {
      AlerteSets("Le nombre maximum de sets est atteint.\rImpossible d'ajouter un set.");
      PANpopupSets->selectItemAtIndex(0);
      return;
    }
    EntreDansLeNommage(*this, nombreDeSets + 1);
  } else if (choix == 0) {
    PANafficheSetParDefaut();
    SimuleAppuiToucheFn();
  } else if (choixEstUnSet) {
    MontreSetUtilisateur(*this, choix);
  }
}
