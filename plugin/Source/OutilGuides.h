// What the guides tool does with each of its host messages. The plug-in object's handlers
// (GuidesPluginOutil.cpp) call these; each returns the host code the message answers.
#ifndef GUIDES_OUTILGUIDES_H
#define GUIDES_OUTILGUIDES_H

#include <cstdint>
#include <string>

#include "AIAnnotator.h"
#include "AITool.h"
#include "GuideSet.h"

// Registers "Outil Guides" into Outil, placed with the eyedropper when OutilsGroupe is set,
// else in the group of the first companion tool found; then declares its information
// variables. The stored options must have been read.
AIErr EnregistreOutil(SPPluginRef plugin);

// The tool becomes the selected one: panel controls on, artboard popup rebuilt from the
// document, hint annotator on, working unit from the document's rulers.
AIErr SelectionneOutil(AIAnnotatorHandle annotateur);
// Another tool is selected: panel controls off, hint annotator off.
AIErr DeselectionneOutil(AIAnnotatorHandle annotateur);
// Return with the tool selected: the preferences dialog, modally, when the panel has it.
AIErr EditeOptionsOutil();

// A click: Alt shows or hides the panel; otherwise the set is laid out around the clicked
// object, or on the chosen artboard (or all of them), and the click sound plays.
AIErr CliqueOutil(const AIToolMessage& message);
// The cursor moved, or a panel change asked for a redraw: serves a pending redraw or
// erase, else shows the cursor that says what a click would do.
AIErr SuitCurseur(const AIToolMessage& message);

// The six kinds of guide laid out again in the tool's order; the rows' result.
AIErr TraceLesSixSortes();

// Alt (option) held in the message's event; false when the message carries no event.
bool AltEnfonce(const AIToolMessage& message);

// The working unit for a ruler unit of the host: inches to millimetres keep their code,
// pixels count as points, any other unit as millimetres.
CodeUnite UniteDeLaRegle(int16_t uniteHote);

// The title of item `index` (from 0) of the artboard popup: "Plan 1", "Plan 2"...
std::string TitrePlan(int32_t index);

// The name of the sound file Sonorise plays for a code, without its ".aiff" type.
const char* NomDuSon(int16_t code);

#endif
