#include "GuidesOutil.h"

#include "GuidesTraces.h"
#include "OutilGuides.h"

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

// The tool's order: right, left, bottom and top margins, then columns and rows.
AIErr TraceLesSixSortes() {
  TraceMargesDroite();
  TraceMargesGauche();
  TraceMargesBas();
  TraceMargesHaut();
  TraceColonnes();
  return TraceLignes();
}

bool AltEnfonce(const AIToolMessage& message) {
  return message.event != nullptr && (message.event->modifiers & aiEventModifiers_optionKey) != 0;
}
