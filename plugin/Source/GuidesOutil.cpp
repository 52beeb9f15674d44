#include "GuidesOutil.h"

bool TousLesPlans = false;
bool ReperesVerrouilles = false;
bool SonDefaut = false;
bool OutilsGroupe = false;

AIToolHandle Outil = nullptr;
bool OutilSelectionne = false;
bool DoitRedessiner = false;
bool DoitEffacer = false;
AIRealPoint PosTexteAnno = {0.0f, 0.0f};

int32_t NumeroDuPlan = 0;
int32_t NbrPlans = 0;
bool CreerReperesSelonObjetClique = false;
AIRealRect RectangleEnglobant = {0.0f, 0.0f, 0.0f, 0.0f};
