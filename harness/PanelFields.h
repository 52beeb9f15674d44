// The panel's controls as the harness names them. Each outlet's name comes from the plug-in's
// one table of its controls (ControlesPanneau.h): a control renamed there is renamed here, and
// one removed there no longer builds here. The units are those the panel writes its lengths in.
#ifndef GUIDES_HARNESS_PANELFIELDS_H
#define GUIDES_HARNESS_PANELFIELDS_H

#include <string>
#include <string_view>

namespace harness::panel {

// Every outlet of the table, as a name: panel::PANzoneMargeHaut is "PANzoneMargeHaut".
#define PANNEAU_SORTIE(Type, Membre, Nom) inline constexpr std::string_view Nom = #Nom;
#include "ControlesPanneau.h"
#undef PANNEAU_SORTIE

// The eight length fields: the margins in the order of the guides' kinds (right, left, bottom,
// top), the column width and row height, then the column and row gutters.
inline constexpr std::string_view kLengthFields[] = {
    PANzoneMargeDroite,    PANzoneMargeGauche,  PANzoneMargeBas,         PANzoneMargeHaut,
    PANzoneLargeurColonne, PANzoneHauteurLigne, PANzoneGouttiereColonne, PANzoneGouttiereLigne};
inline constexpr std::string_view kCountFields[] = {PANzoneNbrColonnes, PANzoneNbrLignes};
// The field whose unit the state line and the summary show.
inline constexpr std::string_view kWorkingUnitField = PANzoneMargeHaut;

// A field's text split at the unit it ends with ("12,5 mm" -> "12,5 " and "mm"); the unit is
// empty when the text names none.
struct FieldText {
  std::string_view number;
  std::string unit;
};
inline FieldText splitFieldText(std::string_view text) {
  for (std::string_view unit : {"in", "cm", "pt", "pi", "mm"})
    if (text.ends_with(unit)) return {text.substr(0, text.size() - unit.size()), std::string(unit)};
  return {text, {}};
}

}  // namespace harness::panel

#endif
