#include "ZonesLongueur.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>

#include "PanneauGlobals.h"
#include "Utilitaires.h"
#include "kit/TextField.h"

ZoneLongueur ZoneDe(Longueur longueur) {
  switch (longueur) {
    case Longueur::MargeHaut: return {GzoneMargeHaut, MargeHaut, GenreLongueur::Marge};
    case Longueur::MargeBas: return {GzoneMargeBas, MargeBas, GenreLongueur::Marge};
    case Longueur::MargeGauche: return {GzoneMargeGauche, MargeGauche, GenreLongueur::Marge};
    case Longueur::MargeDroite: return {GzoneMargeDroite, MargeDroite, GenreLongueur::Marge};
    case Longueur::LargeurColonnes: return {GzoneLargeurColonne, LargeurDeColonnes, GenreLongueur::Taille};
    case Longueur::HauteurLignes: return {GzoneHauteurLigne, HauteurDeLignes, GenreLongueur::Taille};
    case Longueur::GouttiereColonnes: return {GzoneGouttiereColonne, GouttiereColonnes, GenreLongueur::Gouttiere};
    case Longueur::GouttiereLignes: break;
  }
  return {GzoneGouttiereLigne, GouttiereLignes, GenreLongueur::Gouttiere};
}

std::optional<Longueur> LongueurDeLaZone(const kit::Control* controle) {
  if (controle == nullptr) return std::nullopt;
  for (Longueur longueur : kToutesLesLongueurs)
    if (ZoneDe(longueur).zone == controle) return longueur;
  return std::nullopt;
}

bool LongueurTenable(double points) {
  return std::isfinite(points) && std::fabs(points) <= std::numeric_limits<float>::max();
}

bool EstUnite(CodeUnite code) { return code >= kUnitePouces && code <= kUniteMillimetres; }

CodeUnite UniteAffichee() { return SetEnCours ? UniteDuSet : Unite; }

void MargesSuiventLaMargeHaut() {
  if (!CadenasMarges) return;
  MargeBas = MargeGauche = MargeDroite = MargeHaut;
  if (GzoneMargeHaut == nullptr) return;
  for (kit::TextField* suiveur : {GzoneMargeBas, GzoneMargeGauche, GzoneMargeDroite})
    if (suiveur != nullptr) suiveur->setStringValue(GzoneMargeHaut->stringValue());
}

void MontreValeurTenue(const ZoneLongueur& zone, CodeUnite unite) {
  if (zone.zone == nullptr) return;
  if (!EstUnite(unite)) unite = UniteAffichee();
  const double affichee = EstUnite(unite) ? zone.valeur / PointsParUnite(unite) : zone.valeur;
  const bool automatique = zone.genre == GenreLongueur::Taille && zone.valeur == 0;
  zone.zone->setStringValue(automatique ? std::string() : TexteDeValeur(affichee, unite));
}
