// The default set in points, written out rather than converted: margins 3 mm, two columns
// and two rows shared equally, gutters 2 mm.
#ifndef GUIDES_TESTS_SETPARDEFAUT_H
#define GUIDES_TESTS_SETPARDEFAUT_H

#include "GeometrieReperes.h"
#include "GuideSet.h"

inline ValeursDuSet SetParDefaut() {
  ValeursDuSet v;
  v.margeHaut = v.margeBas = v.margeGauche = v.margeDroite = 8.503937244415283;
  v.nombreDeColonnes = v.nombreDeLignes = 2;
  v.gouttiereColonnes = v.gouttiereLignes = 5.6692914962768555;
  return v;
}

// The default set made the current one.
inline void MetSetParDefaut() {
  const ValeursDuSet v = SetParDefaut();
  MargeHaut = v.margeHaut, MargeBas = v.margeBas, MargeGauche = v.margeGauche, MargeDroite = v.margeDroite;
  NombreDeColonnes = v.nombreDeColonnes, NombreDeLignes = v.nombreDeLignes;
  LargeurDeColonnes = HauteurDeLignes = 0;
  GouttiereColonnes = v.gouttiereColonnes, GouttiereLignes = v.gouttiereLignes;
}

#endif
