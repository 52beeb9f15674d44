// The hover test: while the tool is selected, its cursor says what a click would do.
#ifndef GUIDES_SURVOL_H
#define GUIDES_SURVOL_H

#include "AITool.h"

// The hit tolerance of the hover test, in artwork units, for a view zoom factor: about four
// screen pixels (4 / zoom, in single precision), never less than one artwork unit. A zoom
// that is not a positive finite number counts as 100 %.
AIReal ToleranceDeSurvol(AIReal zoom);

// Tests what lies under the message's cursor in the first view and shows the object cursor
// over an object, the generic cursor elsewhere (and when the test fails). Returns the
// host's code of reading the hit, or of the first call that failed.
AIErr Survol(const AIToolMessage& message);

// Reads the zoom of the first view of the document in front into *zoom (left as it was
// when it cannot be read) and sets that same zoom back.
AIErr RappelleLeZoom(AIReal* zoom);

enum class CurseurOutil { Generique, GuidesObjet, Pointille };
// Makes one of the tool's cursors current, building the three first if the panel has not
// built them yet.
void MontreCurseur(CurseurOutil curseur);

#endif
