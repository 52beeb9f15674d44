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

// Enables or disables the panel's controls (controls not loaded yet are skipped); always 0.
AIErr ActiverZones(unsigned char on);
// Plays a feedback sound: 9000 "Pop.aiff", 9002 "Bruit.aiff", any other "Tink.aiff".
void Sonorise(int16_t code);

#endif
