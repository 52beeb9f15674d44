#include "GuideSet.h"

// The current set: plain values, zero at load; the panel puts the default set in place.
char TitreSet[kTailleTitreSet] = {};
CodeUnite UniteDuSet = kUniteAucune;
double MargeHaut = 0.0;
double MargeBas = 0.0;
double MargeGauche = 0.0;
double MargeDroite = 0.0;
int32_t NombreDeColonnes = 0;
int32_t NombreDeLignes = 0;
double LargeurDeColonnes = 0.0;
double HauteurDeLignes = 0.0;
double GouttiereColonnes = 0.0;
double GouttiereLignes = 0.0;
bool CadenasMarges = false;

CodeUnite Unite = kUniteAucune;
bool SetEnCours = false;
char VirguleOuPoint = '\0';
