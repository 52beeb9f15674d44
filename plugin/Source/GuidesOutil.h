// Process-wide state of the guides tool and the stored options.
#ifndef GUIDES_GUIDESOUTIL_H
#define GUIDES_GUIDESOUTIL_H

#include <cstdint>

#include "AITool.h"

// Stored options (see EcritLitPrefs).
extern bool TousLesPlans;
extern bool ReperesVerrouilles;
extern bool SonDefaut;
extern bool OutilsGroupe;

// The tool.
extern AIToolHandle Outil;
extern bool OutilSelectionne;
extern bool DoitRedessiner;
extern bool DoitEffacer;
extern AIRealPoint PosTexteAnno;

// What the last click left for the tracers and the live redraws.
extern int32_t NumeroDuPlan;
extern int32_t NbrPlans;
extern bool CreerReperesSelonObjetClique;
extern AIRealRect RectangleEnglobant;

#endif
