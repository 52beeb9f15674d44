// The default set on the panel, and the update of each length field: the value typed or
// put in the display unit becomes points, and the field shows it in that unit.
#include <algorithm>
#include <charconv>
#include <string>

#include "GuideSet.h"
#include "GuidesDialogue.h"
#include "Utilitaires.h"
#include "kit/Kit.h"

namespace {

// The default set: millimetres, margins 3, gutters 2, widths computed, 2 by 2, locked.
constexpr double kMargeParDefaut = 3;
constexpr double kGouttiereParDefaut = 2;
constexpr int32_t kNombreParDefaut = 2;

// A value with exactly two decimals and " mm", as a freshly put set shows it.
std::string TexteEnMillimetres(double valeur) {
  char tampon[64];
  const auto fin = std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed, 2);
  std::string texte(tampon, fin.ec == std::errc{} ? fin.ptr : tampon);
  texte += " mm";
  if (VirguleOuPoint == ',') std::replace(texte.begin(), texte.end(), '.', ',');
  return texte;
}

// The value holds a number in the display unit: the set's unit right after a set was put
// on the panel, else the panel's unit. Without a unit it is taken as points.
void MiseAJour(kit::TextField* zone, double& valeur, bool videSiNul) {
  const CodeUnite unite = SetEnCours ? UniteDuSet : Unite;
  const std::string texte = TexteDeValeur(valeur, unite);
  if (unite >= kUnitePouces && unite <= kUniteMillimetres) valeur *= PointsParUnite(unite);
  // An empty width or height field stands for the size computed from the count.
  zone->setStringValue(videSiNul && valeur == 0 ? std::string() : texte);
}

}  // namespace

void GuidesDialogue::PANMiseAjourMargeHaut() { MiseAJour(PANzoneMargeHaut, MargeHaut, false); }
void GuidesDialogue::PANMiseAjourMargeBas() { MiseAJour(PANzoneMargeBas, MargeBas, false); }
void GuidesDialogue::PANMiseAjourMargeGauche() { MiseAJour(PANzoneMargeGauche, MargeGauche, false); }
void GuidesDialogue::PANMiseAjourMargeDroite() { MiseAJour(PANzoneMargeDroite, MargeDroite, false); }
void GuidesDialogue::PANMiseAjourLargeurDeColonnes() { MiseAJour(PANzoneLargeurColonne, LargeurDeColonnes, true); }
void GuidesDialogue::PANMiseAjourHauteurDeLignes() { MiseAJour(PANzoneHauteurLigne, HauteurDeLignes, true); }
void GuidesDialogue::PANMiseAjourGouttiereColonne() { MiseAJour(PANzoneGouttiereColonne, GouttiereColonnes, false); }
void GuidesDialogue::PANMiseAjourGouttiereLigne() { MiseAJour(PANzoneGouttiereLigne, GouttiereLignes, false); }

// A length of the default set, in millimetres, put in its field as a set shows it, then
// brought into points by the field's update.
void GuidesDialogue::MontreLongueurParDefaut(kit::TextField* zone, double& valeur, double millimetres,
                                             void (GuidesDialogue::*miseAJour)()) {
  valeur = millimetres;
  zone->setStringValue(TexteEnMillimetres(valeur));
  (this->*miseAJour)();
}

void GuidesDialogue::PANafficheSetParDefaut() {
  SetEnCours = true;
  UniteDuSet = kUniteMillimetres;
  MontreLongueurParDefaut(PANzoneMargeHaut, MargeHaut, kMargeParDefaut, &GuidesDialogue::PANMiseAjourMargeHaut);
  MontreLongueurParDefaut(PANzoneMargeBas, MargeBas, kMargeParDefaut, &GuidesDialogue::PANMiseAjourMargeBas);
  MontreLongueurParDefaut(PANzoneMargeGauche, MargeGauche, kMargeParDefaut, &GuidesDialogue::PANMiseAjourMargeGauche);
  MontreLongueurParDefaut(PANzoneMargeDroite, MargeDroite, kMargeParDefaut, &GuidesDialogue::PANMiseAjourMargeDroite);

  NombreDeColonnes = NombreDeLignes = kNombreParDefaut;
  PANzoneNbrColonnes->setIntValue(NombreDeColonnes);
  PANzoneNbrLignes->setIntValue(NombreDeLignes);

  MontreLongueurParDefaut(PANzoneGouttiereColonne, GouttiereColonnes, kGouttiereParDefaut,
                          &GuidesDialogue::PANMiseAjourGouttiereColonne);
  MontreLongueurParDefaut(PANzoneGouttiereLigne, GouttiereLignes, kGouttiereParDefaut,
                          &GuidesDialogue::PANMiseAjourGouttiereLigne);
  MontreLongueurParDefaut(PANzoneLargeurColonne, LargeurDeColonnes, 0, &GuidesDialogue::PANMiseAjourLargeurDeColonnes);
  MontreLongueurParDefaut(PANzoneHauteurLigne, HauteurDeLignes, 0, &GuidesDialogue::PANMiseAjourHauteurDeLignes);

  // Locked margins: only the top margin is edited, the three others follow it.
  CadenasMarges = true;
  PANcadenas->setState(kit::ControlStateOff);
  PANcadenasSombre->setState(kit::ControlStateOff);
  kit::Control* const suiveurs[] = {PANzoneMargeBas,         PANzoneMargeGauche,     PANzoneMargeDroite,
                                    PANstepPlusMargeBas,     PANstepMoinsMargeBas,   PANstepPlusMargeGauche,
                                    PANstepMoinsMargeGauche, PANstepPlusMargeDroite, PANstepMoinsMargeDroite};
  for (kit::Control* suiveur : suiveurs) suiveur->setEnabled(false);
  PANmargeBasNSView->display();
  PANmargeGaucheNSView->display();
  PANmargeDroiteNSView->display();
  PANzoneMargeHaut->selectText();
}
