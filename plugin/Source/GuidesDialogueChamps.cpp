// What a value typed into a field does: a length is read in the unit it names (which
// becomes the panel's unit) or in the panel's unit, then held in points; a count is taken
// as typed, up to the panel's cap. Each ends with the redraw request.
#include <cmath>
#include <optional>
#include <string>

#include "GuideSet.h"
#include "GuidesDialogue.h"
#include "SimuleAppuiTouche.h"
#include "Utilitaires.h"
#include "ZonesLongueur.h"
#include "kit/ComboBox.h"
#include "kit/TextField.h"

namespace {

using MiseAJour = void (GuidesDialogue::*)();

// The typed number, still in its unit: nothing when it is not a finite number, or when in
// points it would be a length the document cannot hold.
std::optional<double> LongueurTapee(const std::string& texte) {
  const std::optional<double> nombre = ValeurDuTexteFinie(texte);
  if (!nombre) return std::nullopt;
  const CodeUnite nommee = UniteDuTexte(texte);
  const CodeUnite unite = EstUnite(nommee) ? nommee : Unite;
  const double points = EstUnite(unite) ? *nombre * PointsParUnite(unite) : *nombre;
  if (!LongueurTenable(points)) return std::nullopt;
  return nombre;
}

void ValideLongueur(GuidesDialogue& panneau, Longueur longueur, MiseAJour miseAJour) {
  const ZoneLongueur zone = ZoneDe(longueur);
  if (zone.zone == nullptr) return;
  const std::string texte = zone.zone->stringValue();
  const std::optional<double> nombre = LongueurTapee(texte);
  if (!nombre) {
    // Refused: nothing changes, the field shows what is held.
    MontreValeurTenue(zone, UniteAffichee());
    return;
  }
  const CodeUnite nommee = UniteDuTexte(texte);
  if (EstUnite(nommee)) Unite = nommee;
  zone.valeur = *nombre;
  SetEnCours = false;
  if (longueur == Longueur::MargeHaut && CadenasMarges) {
    MargeBas = MargeGauche = MargeDroite = *nombre;
    panneau.PANMiseAjourMargeBas();
    panneau.PANMiseAjourMargeGauche();
    panneau.PANMiseAjourMargeDroite();
  }
  (panneau.*miseAJour)();
  SimuleAppuiToucheFn();
}

// The field's whole number, unchecked but for the cap, which the field then shows.
void ValideNombre(kit::ComboBox* zone, int32_t& nombre) {
  const int lu = zone->intValue();
  nombre = NombreDeDivisionsBorne(lu);
  if (nombre != lu) zone->setIntValue(nombre);
  SimuleAppuiToucheFn();
}

}  // namespace

void GuidesDialogue::PANzoneMargeHautCBP(kit::Control*) {
  ValideLongueur(*this, Longueur::MargeHaut, &GuidesDialogue::PANMiseAjourMargeHaut);
}
void GuidesDialogue::PANzoneMargeBasCBP(kit::Control*) {
  ValideLongueur(*this, Longueur::MargeBas, &GuidesDialogue::PANMiseAjourMargeBas);
}
void GuidesDialogue::PANzoneMargeGaucheCBP(kit::Control*) {
  ValideLongueur(*this, Longueur::MargeGauche, &GuidesDialogue::PANMiseAjourMargeGauche);
}
void GuidesDialogue::PANzoneMargeDroiteCBP(kit::Control*) {
  ValideLongueur(*this, Longueur::MargeDroite, &GuidesDialogue::PANMiseAjourMargeDroite);
}
void GuidesDialogue::PANzoneLargeurColonneCBP(kit::Control*) {
  ValideLongueur(*this, Longueur::LargeurColonnes, &GuidesDialogue::PANMiseAjourLargeurDeColonnes);
}
void GuidesDialogue::PANzoneHauteurLigneCBP(kit::Control*) {
  ValideLongueur(*this, Longueur::HauteurLignes, &GuidesDialogue::PANMiseAjourHauteurDeLignes);
}
void GuidesDialogue::PANzoneGouttiereColonneCBP(kit::Control*) {
  ValideLongueur(*this, Longueur::GouttiereColonnes, &GuidesDialogue::PANMiseAjourGouttiereColonne);
}
void GuidesDialogue::PANzoneGouttiereLigneCBP(kit::Control*) {
  ValideLongueur(*this, Longueur::GouttiereLignes, &GuidesDialogue::PANMiseAjourGouttiereLigne);
}

void GuidesDialogue::PANzoneNbrColonnesCBP(kit::Control*) { ValideNombre(PANzoneNbrColonnes, NombreDeColonnes); }
void GuidesDialogue::PANzoneNbrLignesCBP(kit::Control*) { ValideNombre(PANzoneNbrLignes, NombreDeLignes); }
