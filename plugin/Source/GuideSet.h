// The current set of guide parameters and the measurement units.
// Every length of the set is held in points, whatever unit the panel shows.
#ifndef GUIDES_GUIDESET_H
#define GUIDES_GUIDESET_H

#include <cstddef>
#include <cstdint>

using CodeUnite = int16_t;
enum : CodeUnite {
  kUniteAucune = 0,
  kUnitePouces = 1,
  kUniteCentimetres = 2,
  kUnitePoints = 3,
  kUnitePicas = 4,
  kUniteMillimetres = 5
};

// A title holds up to 80 characters of up to four UTF-8 bytes each, plus the terminator.
constexpr size_t kLongueurMaxTitre = 80;
constexpr size_t kTailleTitreSet = kLongueurMaxTitre * 4 + 1;

extern char TitreSet[kTailleTitreSet];
extern CodeUnite UniteDuSet;
extern double MargeHaut;
extern double MargeBas;
extern double MargeGauche;
extern double MargeDroite;
extern int32_t NombreDeColonnes;
extern int32_t NombreDeLignes;
extern double LargeurDeColonnes;
extern double HauteurDeLignes;
extern double GouttiereColonnes;
extern double GouttiereLignes;
extern bool CadenasMarges;

// Panel state that goes with the set but is not stored with it.
extern CodeUnite Unite;
extern bool SetEnCours;
extern char VirguleOuPoint;

// Points in one unit; 0 for a code outside 1 to 5.
double PointsParUnite(CodeUnite code);

#endif
