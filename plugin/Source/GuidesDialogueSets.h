// What the files of the popup of sets share: the naming of a new set, the delete-sets
// dialog, the panel's height and the end of the panel's modal dialogs.
#ifndef GUIDES_GUIDESDIALOGUESETS_H
#define GUIDES_GUIDESDIALOGUESETS_H

#include <string_view>

#include "AITypes.h"

class GuidesDialogue;
namespace kit {
class PopUpButton;
class Window;
}

// The panel's height with the popup of sets showing, and while a new set is named.
inline constexpr AIReal kHauteurPanneauNormal = 158;
inline constexpr AIReal kHauteurPanneauNommage = 184;

// The characters of a UTF-8 text: each well-formed sequence counts one, and so does each
// byte that belongs to none, so that no text of 80 characters is longer than 320 bytes.
int NombreDeCaracteres(std::string_view texte);

// A command of the popup of sets that was refused or cancelled: the popup shows again the
// set it showed before the user picked the command, not the command's title.
void RetablitSetAffiche(kit::PopUpButton* popupSets);

// Shows a message in the host's alert and returns once it is dismissed.
void AlerteSets(const char* texte);

// The panel keeps its width and takes this height.
void ChangeHauteurPanneau(AIReal hauteur);

// The new-set command: the popup gives way to the name field and the set's unit, and the
// fields show the values the new set will hold, in the panel's unit.
void EntreDansLeNommage(GuidesDialogue& panneau, int numeroDuNouveauSet);

// The delete-sets command with 1 to 8 user sets: the dialog lists them, unticked, and runs
// until its OK or Cancel ends it.
void OuvreSupprimerDesSets(GuidesDialogue& panneau, int nombreDeSets);

// Ending a dialog of the panel: the window is hidden and the host application comes to
// the front, then the dialog's modal run ends (a run of another window is left alone).
void CacheDialogue(kit::Window* dialogue);
void FinDuRunModal(kit::Window* dialogue);
void TermineDialogue(kit::Window* dialogue);

#endif
