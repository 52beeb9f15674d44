// Process-wide copies of the panel's outlets, so that the tool, the notifications and the
// icon views reach the controls without the panel's controller. Each is named like its
// outlet with "G" in place of "PAN". All are null until the panel is loaded; none owns
// its control (the panel's layout does).
#ifndef GUIDES_PANNEAUGLOBALS_H
#define GUIDES_PANNEAUGLOBALS_H

namespace kit {
class Button;
class ComboBox;
class PopUpButton;
class TextField;
class View;
class Window;
}  // namespace kit

// The ten value fields (the two counts are combo boxes) and their steppers.
extern kit::TextField* GzoneMargeHaut;
extern kit::TextField* GzoneMargeBas;
extern kit::TextField* GzoneMargeGauche;
extern kit::TextField* GzoneMargeDroite;
extern kit::ComboBox* GzoneNbrColonnes;
extern kit::ComboBox* GzoneNbrLignes;
extern kit::TextField* GzoneLargeurColonne;
extern kit::TextField* GzoneHauteurLigne;
extern kit::TextField* GzoneGouttiereColonne;
extern kit::TextField* GzoneGouttiereLigne;

extern kit::Button* GstepPlusMargeHaut;
extern kit::Button* GstepMoinsMargeHaut;
extern kit::Button* GstepPlusMargeBas;
extern kit::Button* GstepMoinsMargeBas;
extern kit::Button* GstepPlusMargeGauche;
extern kit::Button* GstepMoinsMargeGauche;
extern kit::Button* GstepPlusMargeDroite;
extern kit::Button* GstepMoinsMargeDroite;
extern kit::Button* GstepPlusNbrColonnes;
extern kit::Button* GstepMoinsNbrColonnes;
extern kit::Button* GstepPlusNbrLignes;
extern kit::Button* GstepMoinsNbrLignes;
extern kit::Button* GstepPlusLargeurColonne;
extern kit::Button* GstepMoinsLargeurColonne;
extern kit::Button* GstepPlusHauteurLigne;
extern kit::Button* GstepMoinsHauteurLigne;
extern kit::Button* GstepPlusGouttiereColonne;
extern kit::Button* GstepMoinsGouttiereColonne;
extern kit::Button* GstepPlusGouttiereLigne;
extern kit::Button* GstepMoinsGouttiereLigne;

// The margin lock and the erase button, each in its light and dark theme variant.
extern kit::Button* Gcadenas;
extern kit::Button* GcadenasSombre;
extern kit::Button* GeffacerBT;
extern kit::Button* GeffacerBTSombre;

// Popups, the set's name field, the logo and web-page buttons, the help page label.
extern kit::PopUpButton* GpanPopupPlansDeTravail;
extern kit::PopUpButton* GpopupSets;
extern kit::PopUpButton* GpopupUniteDuSet;
extern kit::TextField* GnomSet;
extern kit::Button* GraltoBT;
extern kit::Button* GurlBT;
extern kit::TextField* GnumeroPage;

// The two hidden buttons whose actions the panel clicks itself.
extern kit::Button* GbidonAcquisitionGuides;
extern kit::Button* GbidonActiveOutilGuides;

// The dialog windows.
extern kit::Window* GdialogueABO;
extern kit::Window* GdialoguePAN;
extern kit::Window* GdialoguePRE;
extern kit::Window* GdialogueSUP;

// The wake-up view and the ten field icon views.
extern kit::View* GboutonReveilGuidesNSView;
extern kit::View* GmargeHautNSView;
extern kit::View* GmargeBasNSView;
extern kit::View* GmargeGaucheNSView;
extern kit::View* GmargeDroiteNSView;
extern kit::View* GnombreColonnesNSView;
extern kit::View* GnombreLignesNSView;
extern kit::View* GlargeurColonnesNSView;
extern kit::View* GhauteurLignesNSView;
extern kit::View* GgouttiereColonnesNSView;
extern kit::View* GgouttiereLignesNSView;

// Sets every copy above back to null, for when the panel's controls go away.
void OublierGlobalesPanneau();

#endif
