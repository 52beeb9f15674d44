// The hint annotator: while the tool is selected and the last click's guides are not in
// the document in front, "Cliquez pour créer les repères." is drawn beside the cursor in
// the colour of the host's smart guides.
#ifndef GUIDES_GUIDESANNOTATIONS_H
#define GUIDES_GUIDESANNOTATIONS_H

#include <cstdint>

#include "AIAnnotator.h"

// The draw message: nothing once the last click's parent group exists; else the hint in
// the smart-guide colour. Returns the code of the last colour read, or the drawing's
// failure.
AIErr DessineAnnotation(const AIAnnotatorMessage& message);

// Draws the hint at PosTexteAnno in the message's view, with the colour and the drawer's
// font preset 0. Returns the drawing's code, or the failing conversion's.
AIErr TraceAnnoteTexte(const AIAnnotatorMessage& message, const AIRGBColor& couleur);

// Asks the host to redraw the annotations over a view rectangle, in every view.
AIErr InvalideAnnotations(const AIRect& rectangle);

// The view rectangle of an artwork rectangle in the current view: (left, top) and (right,
// bottom) converted. A failing conversion answers its code and leaves *vue untouched.
AIErr ArtworkBoundsToViewBounds(const AIRealRect& artwork, AIRect* vue);
// Asks the host to redraw the annotations over an artwork rectangle, in every view.
AIErr InvalidateRect(const AIRealRect& artwork);

// One component of the hint's colour from a stored fraction of full intensity: the
// fraction in single precision times 65535, truncated. Fractions outside 0 to 1 are
// brought back to that range; NaN counts as 0.
uint16_t ComposanteDeCouleur(double fraction);

#endif
