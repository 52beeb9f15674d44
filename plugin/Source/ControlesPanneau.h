// The one table of the layout "GuidesDialogue" as the panel's controller sees it: every
// outlet, the process-wide copy of those that code outside the controller reaches, and
// every action. The controller's members and action methods, the outlet binding, the
// action table, the copies, their acquisition and their reset are all made from it, so a
// control is added or renamed here, in one line (its action's body aside).
//
// No include guard: each use defines the macros it needs, then includes this file, which
// calls them row by row and undefines them at its end. A macro left undefined does nothing.
//   PANNEAU_SORTIE(Type, Membre, Nom)  every outlet: the member that holds it, and the
//                                      outlet's name in the layout (Nom, an identifier)
//   PANNEAU_COPIE(Type, Membre, Copie) the outlets with a copy: the member and the copy,
//                                      named like the outlet with "G" in place of "PAN"
//   PANNEAU_ACTION(Methode)            every action: "Methode:" in the layout, answered by
//                                      GuidesDialogue::Methode(kit::Control* sender)
//
// Rows:
//   SORTIE(Type, Nom)                        an outlet the controller alone uses
//   SORTIE_COPIEE(Type, Nom, Copie)          an outlet with its copy
//   SORTIE_COPIEE_EN(Type, Membre, Nom, Copie)  the same, for the one outlet whose name is
//                                            its action's, which a C++ member cannot share
//                                            with a method: the member takes "BT" after it
//   ACTION(Methode)                          an action, written after its first control
#ifndef PANNEAU_SORTIE
#define PANNEAU_SORTIE(Type, Membre, Nom)
#endif
#ifndef PANNEAU_COPIE
#define PANNEAU_COPIE(Type, Membre, Copie)
#endif
#ifndef PANNEAU_ACTION
#define PANNEAU_ACTION(Methode)
#endif

#define SORTIE(Type, Nom) PANNEAU_SORTIE(Type, Nom, Nom)
#define SORTIE_COPIEE(Type, Nom, Copie) PANNEAU_SORTIE(Type, Nom, Nom) PANNEAU_COPIE(Type, Nom, Copie)
#define SORTIE_COPIEE_EN(Type, Membre, Nom, Copie) PANNEAU_SORTIE(Type, Membre, Nom) PANNEAU_COPIE(Type, Membre, Copie)
#define ACTION(Methode) PANNEAU_ACTION(Methode)

// ---- Loading: the wake-up veil, the two hidden buttons the panel clicks itself, the
// fields' keyboard delegate.
SORTIE_COPIEE(kit::View, BoutonReveilGuidesNSView, GboutonReveilGuidesNSView)
SORTIE_COPIEE_EN(kit::Button, BidonAcquisitionGuidesBT, BidonAcquisitionGuides, GbidonAcquisitionGuides) ACTION(BidonAcquisitionGuides)
SORTIE_COPIEE(kit::Button, BidonActiveOutilGuides, GbidonActiveOutilGuides) ACTION(BidonActiveOutilGuidesCBP)
SORTIE(DelegateZeroUnUnGuides, PANdelegateZones)

// ---- The panel's buttons and popups; the lock and erase buttons in their light and dark
// theme variants, which share one action.
SORTIE_COPIEE(kit::Button, PANraltoBT, GraltoBT) ACTION(PANraltoCBP)
SORTIE_COPIEE(kit::Button, PANurlBT, GurlBT) ACTION(PANurlCBP)
SORTIE_COPIEE(kit::PopUpButton, PANpopupPlansDeTravail, GpanPopupPlansDeTravail) ACTION(PANpopupPlansDeTravailCBP)
SORTIE_COPIEE(kit::PopUpButton, PANpopupSets, GpopupSets) ACTION(PANpopupSetsCBP)
SORTIE_COPIEE(kit::PopUpButton, PANpopupUniteDuSet, GpopupUniteDuSet) ACTION(PANpopupUniteDuSetCBP)
SORTIE_COPIEE(kit::TextField, PANnomSet, GnomSet)
SORTIE(kit::Button, PANokSetBT) ACTION(PANokSetCBP)
SORTIE(kit::Button, PANannulerSetBT) ACTION(PANannulerSetCBP)
SORTIE_COPIEE(kit::Button, PANeffacerBT, GeffacerBT) ACTION(PANeffacerCBP)
SORTIE_COPIEE(kit::Button, PANeffacerSombreBT, GeffacerBTSombre)
SORTIE_COPIEE(kit::Button, PANcadenas, Gcadenas) ACTION(PANcadenasCBP)
SORTIE_COPIEE(kit::Button, PANcadenasSombre, GcadenasSombre)

// ---- The ten values: icon view, field (the two counts are combo boxes), plus and minus.
SORTIE_COPIEE(kit::View, PANmargeHautNSView, GmargeHautNSView)
SORTIE_COPIEE(kit::TextField, PANzoneMargeHaut, GzoneMargeHaut) ACTION(PANzoneMargeHautCBP)
SORTIE_COPIEE(kit::Button, PANstepPlusMargeHaut, GstepPlusMargeHaut) ACTION(PANstepPlusMargeHautCBP)
SORTIE_COPIEE(kit::Button, PANstepMoinsMargeHaut, GstepMoinsMargeHaut) ACTION(PANstepMoinsMargeHautCBP)

SORTIE_COPIEE(kit::View, PANmargeBasNSView, GmargeBasNSView)
SORTIE_COPIEE(kit::TextField, PANzoneMargeBas, GzoneMargeBas) ACTION(PANzoneMargeBasCBP)
SORTIE_COPIEE(kit::Button, PANstepPlusMargeBas, GstepPlusMargeBas) ACTION(PANstepPlusMargeBasCBP)
SORTIE_COPIEE(kit::Button, PANstepMoinsMargeBas, GstepMoinsMargeBas) ACTION(PANstepMoinsMargeBasCBP)

SORTIE_COPIEE(kit::View, PANmargeGaucheNSView, GmargeGaucheNSView)
SORTIE_COPIEE(kit::TextField, PANzoneMargeGauche, GzoneMargeGauche) ACTION(PANzoneMargeGaucheCBP)
SORTIE_COPIEE(kit::Button, PANstepPlusMargeGauche, GstepPlusMargeGauche) ACTION(PANstepPlusMargeGaucheCBP)
SORTIE_COPIEE(kit::Button, PANstepMoinsMargeGauche, GstepMoinsMargeGauche) ACTION(PANstepMoinsMargeGaucheCBP)

SORTIE_COPIEE(kit::View, PANmargeDroiteNSView, GmargeDroiteNSView)
SORTIE_COPIEE(kit::TextField, PANzoneMargeDroite, GzoneMargeDroite) ACTION(PANzoneMargeDroiteCBP)
SORTIE_COPIEE(kit::Button, PANstepPlusMargeDroite, GstepPlusMargeDroite) ACTION(PANstepPlusMargeDroiteCBP)
SORTIE_COPIEE(kit::Button, PANstepMoinsMargeDroite, GstepMoinsMargeDroite) ACTION(PANstepMoinsMargeDroiteCBP)

SORTIE_COPIEE(kit::View, PANnombreColonnesNSView, GnombreColonnesNSView)
SORTIE_COPIEE(kit::ComboBox, PANzoneNbrColonnes, GzoneNbrColonnes) ACTION(PANzoneNbrColonnesCBP)
SORTIE_COPIEE(kit::Button, PANstepPlusNbrColonnes, GstepPlusNbrColonnes) ACTION(PANstepPlusNbrColonnesCBP)
SORTIE_COPIEE(kit::Button, PANstepMoinsNbrColonnes, GstepMoinsNbrColonnes) ACTION(PANstepMoinsNbrColonnesCBP)

SORTIE_COPIEE(kit::View, PANnombreLignesNSView, GnombreLignesNSView)
SORTIE_COPIEE(kit::ComboBox, PANzoneNbrLignes, GzoneNbrLignes) ACTION(PANzoneNbrLignesCBP)
SORTIE_COPIEE(kit::Button, PANstepPlusNbrLignes, GstepPlusNbrLignes) ACTION(PANstepPlusNbrLignesCBP)
SORTIE_COPIEE(kit::Button, PANstepMoinsNbrLignes, GstepMoinsNbrLignes) ACTION(PANstepMoinsNbrLignesCBP)

SORTIE_COPIEE(kit::View, PANlargeurColonnesNSView, GlargeurColonnesNSView)
SORTIE_COPIEE(kit::TextField, PANzoneLargeurColonne, GzoneLargeurColonne) ACTION(PANzoneLargeurColonneCBP)
SORTIE_COPIEE(kit::Button, PANstepPlusLargeurColonne, GstepPlusLargeurColonne) ACTION(PANstepPlusLargeurColonneCBP)
SORTIE_COPIEE(kit::Button, PANstepMoinsLargeurColonne, GstepMoinsLargeurColonne) ACTION(PANstepMoinsLargeurColonneCBP)

SORTIE_COPIEE(kit::View, PANhauteurLignesNSView, GhauteurLignesNSView)
SORTIE_COPIEE(kit::TextField, PANzoneHauteurLigne, GzoneHauteurLigne) ACTION(PANzoneHauteurLigneCBP)
SORTIE_COPIEE(kit::Button, PANstepPlusHauteurLigne, GstepPlusHauteurLigne) ACTION(PANstepPlusHauteurLigneCBP)
SORTIE_COPIEE(kit::Button, PANstepMoinsHauteurLigne, GstepMoinsHauteurLigne) ACTION(PANstepMoinsHauteurLigneCBP)

SORTIE_COPIEE(kit::View, PANgouttiereColonnesNSView, GgouttiereColonnesNSView)
SORTIE_COPIEE(kit::TextField, PANzoneGouttiereColonne, GzoneGouttiereColonne) ACTION(PANzoneGouttiereColonneCBP)
SORTIE_COPIEE(kit::Button, PANstepPlusGouttiereColonne, GstepPlusGouttiereColonne) ACTION(PANstepPlusGouttiereColonneCBP)
SORTIE_COPIEE(kit::Button, PANstepMoinsGouttiereColonne, GstepMoinsGouttiereColonne) ACTION(PANstepMoinsGouttiereColonneCBP)

SORTIE_COPIEE(kit::View, PANgouttiereLignesNSView, GgouttiereLignesNSView)
SORTIE_COPIEE(kit::TextField, PANzoneGouttiereLigne, GzoneGouttiereLigne) ACTION(PANzoneGouttiereLigneCBP)
SORTIE_COPIEE(kit::Button, PANstepPlusGouttiereLigne, GstepPlusGouttiereLigne) ACTION(PANstepPlusGouttiereLigneCBP)
SORTIE_COPIEE(kit::Button, PANstepMoinsGouttiereLigne, GstepMoinsGouttiereLigne) ACTION(PANstepMoinsGouttiereLigneCBP)

// ---- The paged help.
SORTIE(kit::ScrollView, PANaideScrollView)
SORTIE(kit::TextView, PANaide)
SORTIE(kit::Button, PANaidePageAvant) ACTION(PANaideAvant)
SORTIE(kit::Button, PANaidePageApres) ACTION(PANaideApres)
SORTIE_COPIEE(kit::TextField, PANnumeroPage, GnumeroPage)

// ---- The Preferences dialog.
SORTIE_COPIEE(kit::Window, PREdialogue, GdialoguePRE)
SORTIE(kit::Button, PREson) ACTION(PREsonCBP)
SORTIE(kit::Button, PREtousLesPlans) ACTION(PREtousLesPlansCBP)
SORTIE(kit::Button, PREverrouille) ACTION(PREverrouilleCBP)
SORTIE(kit::Button, PREoutilGroupe) ACTION(PREoutilGroupeCBP)
SORTIE(kit::TextField, PREprochainLancement)
SORTIE(kit::Button, PREannulerBT) ACTION(PREannuler)
SORTIE(kit::Button, PREdefautBT) ACTION(PREdefaut)
SORTIE(kit::Button, PREokBT) ACTION(PREok)

// ---- The delete-sets dialog: box i stands for user set i; the eight share one action.
SORTIE_COPIEE(kit::Window, SUPdialogue, GdialogueSUP)
SORTIE(kit::Button, SUPsetUn) ACTION(SUPsupprimerSetsCBP)
SORTIE(kit::Button, SUPsetDeux)
SORTIE(kit::Button, SUPsetTrois)
SORTIE(kit::Button, SUPsetQuatre)
SORTIE(kit::Button, SUPsetCinq)
SORTIE(kit::Button, SUPsetSix)
SORTIE(kit::Button, SUPsetSept)
SORTIE(kit::Button, SUPsetHuit)
SORTIE(kit::Button, SUPannulerBT) ACTION(SUPannuler)
SORTIE(kit::Button, SUPokBT) ACTION(SUPok)

// ---- The About dialog; its address button opens the web page as PANurlBT does.
SORTIE_COPIEE(kit::Window, ABOdialogue, GdialogueABO)
SORTIE(kit::TextField, ABOversion)
SORTIE(kit::Button, ABOadresse)
SORTIE(kit::Button, ABOokBT) ACTION(ABOok)

#undef SORTIE
#undef SORTIE_COPIEE
#undef SORTIE_COPIEE_EN
#undef ACTION
#undef PANNEAU_SORTIE
#undef PANNEAU_COPIE
#undef PANNEAU_ACTION
