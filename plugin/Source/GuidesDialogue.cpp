// Loading the panel's layout: outlets, actions, the global copies of the outlets.
#include "GuidesDialogue.h"

#include <string>

#include "ClassesVues.h"
#include "Curseurs.h"
#include "DelegateZeroUnUnGuides.h"
#include "GuideSet.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "GuidesTraces.h"
#include "PanneauGlobals.h"
#include "kit/Kit.h"

namespace {

template <class T>
void Sortie(kit::LayoutBindings& liaisons, const std::string& nom, T*& membre) {
  liaisons.outlet(nom, &membre);
  // A layout without one of them is damaged: it is refused as a whole.
  liaisons.requireOutlet(nom);
}

using Methode = void (GuidesDialogue::*)(kit::Control*);

struct LiaisonAction {
  const char* nom;
  Methode methode;
};

// Every action the layout names, by the name it gives.
constexpr LiaisonAction kActions[] = {
    {"BidonAcquisitionGuides:", &GuidesDialogue::BidonAcquisitionGuides},
    {"BidonActiveOutilGuidesCBP:", &GuidesDialogue::BidonActiveOutilGuidesCBP},
    {"PANpopupPlansDeTravailCBP:", &GuidesDialogue::PANpopupPlansDeTravailCBP},
    {"PANeffacerCBP:", &GuidesDialogue::PANeffacerCBP},
    {"PANraltoCBP:", &GuidesDialogue::PANraltoCBP},
    {"PANurlCBP:", &GuidesDialogue::PANurlCBP},
    {"PANaideAvant:", &GuidesDialogue::PANaideAvant},
    {"PANaideApres:", &GuidesDialogue::PANaideApres},
    {"PANzoneMargeHautCBP:", &GuidesDialogue::PANzoneMargeHautCBP},
    {"PANzoneMargeBasCBP:", &GuidesDialogue::PANzoneMargeBasCBP},
    {"PANzoneMargeGaucheCBP:", &GuidesDialogue::PANzoneMargeGaucheCBP},
    {"PANzoneMargeDroiteCBP:", &GuidesDialogue::PANzoneMargeDroiteCBP},
    {"PANzoneNbrColonnesCBP:", &GuidesDialogue::PANzoneNbrColonnesCBP},
    {"PANzoneNbrLignesCBP:", &GuidesDialogue::PANzoneNbrLignesCBP},
    {"PANzoneLargeurColonneCBP:", &GuidesDialogue::PANzoneLargeurColonneCBP},
    {"PANzoneHauteurLigneCBP:", &GuidesDialogue::PANzoneHauteurLigneCBP},
    {"PANzoneGouttiereColonneCBP:", &GuidesDialogue::PANzoneGouttiereColonneCBP},
    {"PANzoneGouttiereLigneCBP:", &GuidesDialogue::PANzoneGouttiereLigneCBP},
    {"PANstepPlusMargeHautCBP:", &GuidesDialogue::PANstepPlusMargeHautCBP},
    {"PANstepMoinsMargeHautCBP:", &GuidesDialogue::PANstepMoinsMargeHautCBP},
    {"PANstepPlusMargeBasCBP:", &GuidesDialogue::PANstepPlusMargeBasCBP},
    {"PANstepMoinsMargeBasCBP:", &GuidesDialogue::PANstepMoinsMargeBasCBP},
    {"PANstepPlusMargeGaucheCBP:", &GuidesDialogue::PANstepPlusMargeGaucheCBP},
    {"PANstepMoinsMargeGaucheCBP:", &GuidesDialogue::PANstepMoinsMargeGaucheCBP},
    {"PANstepPlusMargeDroiteCBP:", &GuidesDialogue::PANstepPlusMargeDroiteCBP},
    {"PANstepMoinsMargeDroiteCBP:", &GuidesDialogue::PANstepMoinsMargeDroiteCBP},
    {"PANstepPlusNbrColonnesCBP:", &GuidesDialogue::PANstepPlusNbrColonnesCBP},
    {"PANstepMoinsNbrColonnesCBP:", &GuidesDialogue::PANstepMoinsNbrColonnesCBP},
    {"PANstepPlusNbrLignesCBP:", &GuidesDialogue::PANstepPlusNbrLignesCBP},
    {"PANstepMoinsNbrLignesCBP:", &GuidesDialogue::PANstepMoinsNbrLignesCBP},
    {"PANstepPlusLargeurColonneCBP:", &GuidesDialogue::PANstepPlusLargeurColonneCBP},
    {"PANstepMoinsLargeurColonneCBP:", &GuidesDialogue::PANstepMoinsLargeurColonneCBP},
    {"PANstepPlusHauteurLigneCBP:", &GuidesDialogue::PANstepPlusHauteurLigneCBP},
    {"PANstepMoinsHauteurLigneCBP:", &GuidesDialogue::PANstepMoinsHauteurLigneCBP},
    {"PANstepPlusGouttiereColonneCBP:", &GuidesDialogue::PANstepPlusGouttiereColonneCBP},
    {"PANstepMoinsGouttiereColonneCBP:", &GuidesDialogue::PANstepMoinsGouttiereColonneCBP},
    {"PANstepPlusGouttiereLigneCBP:", &GuidesDialogue::PANstepPlusGouttiereLigneCBP},
    {"PANstepMoinsGouttiereLigneCBP:", &GuidesDialogue::PANstepMoinsGouttiereLigneCBP},
    {"PANcadenasCBP:", &GuidesDialogue::PANcadenasCBP},
    {"PANpopupUniteDuSetCBP:", &GuidesDialogue::PANpopupUniteDuSetCBP},
    {"PANpopupSetsCBP:", &GuidesDialogue::PANpopupSetsCBP},
    {"PANokSetCBP:", &GuidesDialogue::PANokSetCBP},
    {"PANannulerSetCBP:", &GuidesDialogue::PANannulerSetCBP},
    {"SUPok:", &GuidesDialogue::SUPok},
    {"SUPannuler:", &GuidesDialogue::SUPannuler},
    {"SUPsupprimerSetsCBP:", &GuidesDialogue::SUPsupprimerSetsCBP},
    {"PREsonCBP:", &GuidesDialogue::PREsonCBP},
    {"PREtousLesPlansCBP:", &GuidesDialogue::PREtousLesPlansCBP},
    {"PREverrouilleCBP:", &GuidesDialogue::PREverrouilleCBP},
    {"PREoutilGroupeCBP:", &GuidesDialogue::PREoutilGroupeCBP},
    {"PREdefaut:", &GuidesDialogue::PREdefaut},
    {"PREannuler:", &GuidesDialogue::PREannuler},
    {"PREok:", &GuidesDialogue::PREok},
    {"ABOok:", &GuidesDialogue::ABOok},
};

}  // namespace

GuidesDialogue::GuidesDialogue(std::optional<kit::Bundle> bundle)
    : kit::ViewController("GuidesDialogue", std::move(bundle)) {}

GuidesDialogue::~GuidesDialogue() { OublierGlobalesPanneau(); }

void GuidesDialogue::bindLayout(kit::LayoutBindings& liaisons) {
  kit::ViewController::bindLayout(liaisons);
  DeclarerClassesVues(liaisons);
  LierSorties(liaisons);
  LierActions(liaisons);
}

void GuidesDialogue::LierActions(kit::LayoutBindings& liaisons) {
  for (const LiaisonAction& action : kActions)
    liaisons.action(action.nom,
                    [this, methode = action.methode](kit::Control* envoyeur) { (this->*methode)(envoyeur); });
}

void GuidesDialogue::LierSorties(kit::LayoutBindings& liaisons) {
  Sortie(liaisons, "BoutonReveilGuidesNSView", BoutonReveilGuidesNSView);
  Sortie(liaisons, "BidonAcquisitionGuides", BidonAcquisitionGuidesBT);
  Sortie(liaisons, "BidonActiveOutilGuides", BidonActiveOutilGuides);
  Sortie(liaisons, "PANdelegateZones", PANdelegateZones);

  Sortie(liaisons, "PANraltoBT", PANraltoBT);
  Sortie(liaisons, "PANurlBT", PANurlBT);
  Sortie(liaisons, "PANpopupPlansDeTravail", PANpopupPlansDeTravail);
  Sortie(liaisons, "PANpopupSets", PANpopupSets);
  Sortie(liaisons, "PANpopupUniteDuSet", PANpopupUniteDuSet);
  Sortie(liaisons, "PANnomSet", PANnomSet);
  Sortie(liaisons, "PANokSetBT", PANokSetBT);
  Sortie(liaisons, "PANannulerSetBT", PANannulerSetBT);
  Sortie(liaisons, "PANeffacerBT", PANeffacerBT);
  Sortie(liaisons, "PANeffacerSombreBT", PANeffacerSombreBT);
  Sortie(liaisons, "PANcadenas", PANcadenas);
  Sortie(liaisons, "PANcadenasSombre", PANcadenasSombre);

  Sortie(liaisons, "PANmargeHautNSView", PANmargeHautNSView);
  Sortie(liaisons, "PANmargeBasNSView", PANmargeBasNSView);
  Sortie(liaisons, "PANmargeGaucheNSView", PANmargeGaucheNSView);
  Sortie(liaisons, "PANmargeDroiteNSView", PANmargeDroiteNSView);
  Sortie(liaisons, "PANnombreColonnesNSView", PANnombreColonnesNSView);
  Sortie(liaisons, "PANnombreLignesNSView", PANnombreLignesNSView);
  Sortie(liaisons, "PANlargeurColonnesNSView", PANlargeurColonnesNSView);
  Sortie(liaisons, "PANhauteurLignesNSView", PANhauteurLignesNSView);
  Sortie(liaisons, "PANgouttiereColonnesNSView", PANgouttiereColonnesNSView);
  Sortie(liaisons, "PANgouttiereLignesNSView", PANgouttiereLignesNSView);

  Sortie(liaisons, "PANzoneMargeHaut", PANzoneMargeHaut);
  Sortie(liaisons, "PANzoneMargeBas", PANzoneMargeBas);
  Sortie(liaisons, "PANzoneMargeGauche", PANzoneMargeGauche);
  Sortie(liaisons, "PANzoneMargeDroite", PANzoneMargeDroite);
  Sortie(liaisons, "PANzoneNbrColonnes", PANzoneNbrColonnes);
  Sortie(liaisons, "PANzoneNbrLignes", PANzoneNbrLignes);
  Sortie(liaisons, "PANzoneLargeurColonne", PANzoneLargeurColonne);
  Sortie(liaisons, "PANzoneHauteurLigne", PANzoneHauteurLigne);
  Sortie(liaisons, "PANzoneGouttiereColonne", PANzoneGouttiereColonne);
  Sortie(liaisons, "PANzoneGouttiereLigne", PANzoneGouttiereLigne);

  Sortie(liaisons, "PANstepPlusMargeHaut", PANstepPlusMargeHaut);
  Sortie(liaisons, "PANstepMoinsMargeHaut", PANstepMoinsMargeHaut);
  Sortie(liaisons, "PANstepPlusMargeBas", PANstepPlusMargeBas);
  Sortie(liaisons, "PANstepMoinsMargeBas", PANstepMoinsMargeBas);
  Sortie(liaisons, "PANstepPlusMargeGauche", PANstepPlusMargeGauche);
  Sortie(liaisons, "PANstepMoinsMargeGauche", PANstepMoinsMargeGauche);
  Sortie(liaisons, "PANstepPlusMargeDroite", PANstepPlusMargeDroite);
  Sortie(liaisons, "PANstepMoinsMargeDroite", PANstepMoinsMargeDroite);
  Sortie(liaisons, "PANstepPlusNbrColonnes", PANstepPlusNbrColonnes);
  Sortie(liaisons, "PANstepMoinsNbrColonnes", PANstepMoinsNbrColonnes);
  Sortie(liaisons, "PANstepPlusNbrLignes", PANstepPlusNbrLignes);
  Sortie(liaisons, "PANstepMoinsNbrLignes", PANstepMoinsNbrLignes);
  Sortie(liaisons, "PANstepPlusLargeurColonne", PANstepPlusLargeurColonne);
  Sortie(liaisons, "PANstepMoinsLargeurColonne", PANstepMoinsLargeurColonne);
  Sortie(liaisons, "PANstepPlusHauteurLigne", PANstepPlusHauteurLigne);
  Sortie(liaisons, "PANstepMoinsHauteurLigne", PANstepMoinsHauteurLigne);
  Sortie(liaisons, "PANstepPlusGouttiereColonne", PANstepPlusGouttiereColonne);
  Sortie(liaisons, "PANstepMoinsGouttiereColonne", PANstepMoinsGouttiereColonne);
  Sortie(liaisons, "PANstepPlusGouttiereLigne", PANstepPlusGouttiereLigne);
  Sortie(liaisons, "PANstepMoinsGouttiereLigne", PANstepMoinsGouttiereLigne);

  Sortie(liaisons, "PANaideScrollView", PANaideScrollView);
  Sortie(liaisons, "PANaide", PANaide);
  Sortie(liaisons, "PANaidePageAvant", PANaidePageAvant);
  Sortie(liaisons, "PANaidePageApres", PANaidePageApres);
  Sortie(liaisons, "PANnumeroPage", PANnumeroPage);

  Sortie(liaisons, "PREdialogue", PREdialogue);
  Sortie(liaisons, "PREson", PREson);
  Sortie(liaisons, "PREtousLesPlans", PREtousLesPlans);
  Sortie(liaisons, "PREverrouille", PREverrouille);
  Sortie(liaisons, "PREoutilGroupe", PREoutilGroupe);
  Sortie(liaisons, "PREprochainLancement", PREprochainLancement);
  Sortie(liaisons, "PREannulerBT", PREannulerBT);
  Sortie(liaisons, "PREdefautBT", PREdefautBT);
  Sortie(liaisons, "PREokBT", PREokBT);

  Sortie(liaisons, "SUPdialogue", SUPdialogue);
  Sortie(liaisons, "SUPsetUn", SUPsetUn);
  Sortie(liaisons, "SUPsetDeux", SUPsetDeux);
  Sortie(liaisons, "SUPsetTrois", SUPsetTrois);
  Sortie(liaisons, "SUPsetQuatre", SUPsetQuatre);
  Sortie(liaisons, "SUPsetCinq", SUPsetCinq);
  Sortie(liaisons, "SUPsetSix", SUPsetSix);
  Sortie(liaisons, "SUPsetSept", SUPsetSept);
  Sortie(liaisons, "SUPsetHuit", SUPsetHuit);
  Sortie(liaisons, "SUPannulerBT", SUPannulerBT);
  Sortie(liaisons, "SUPokBT", SUPokBT);

  Sortie(liaisons, "ABOdialogue", ABOdialogue);
  Sortie(liaisons, "ABOversion", ABOversion);
  Sortie(liaisons, "ABOadresse", ABOadresse);
  Sortie(liaisons, "ABOokBT", ABOokBT);
}

void GuidesDialogue::awakeFromNib() {
  BidonAcquisitionGuidesBT->performClick();
  CalculerCurseurs();
  VirguleOuPoint = ',';
  ABOinitDialogue();
  PANinit();
  PREinitDialogue();
  SUPinitDialogue();
  ActiverZones(false);
}

// The guide lists' heads exist before the first click; the outlets become reachable from
// the tool, the notifications and the icon views.
void GuidesDialogue::BidonAcquisitionGuides(kit::Control*) {
  AlloueListesDeGuides();
  GraltoBT = PANraltoBT;
  GurlBT = PANurlBT;
  GeffacerBT = PANeffacerBT;
  GeffacerBTSombre = PANeffacerSombreBT;
  GpanPopupPlansDeTravail = PANpopupPlansDeTravail;
  GboutonReveilGuidesNSView = BoutonReveilGuidesNSView;
  GbidonAcquisitionGuides = BidonAcquisitionGuidesBT;
  GbidonActiveOutilGuides = BidonActiveOutilGuides;
  GnumeroPage = PANnumeroPage;
  GpopupSets = PANpopupSets;
  GpopupUniteDuSet = PANpopupUniteDuSet;

  GzoneMargeHaut = PANzoneMargeHaut;
  GzoneMargeBas = PANzoneMargeBas;
  GzoneMargeGauche = PANzoneMargeGauche;
  GzoneMargeDroite = PANzoneMargeDroite;
  GzoneNbrColonnes = PANzoneNbrColonnes;
  GzoneNbrLignes = PANzoneNbrLignes;
  GzoneLargeurColonne = PANzoneLargeurColonne;
  GzoneHauteurLigne = PANzoneHauteurLigne;
  GzoneGouttiereColonne = PANzoneGouttiereColonne;
  GzoneGouttiereLigne = PANzoneGouttiereLigne;

  GstepPlusMargeHaut = PANstepPlusMargeHaut;
  GstepMoinsMargeHaut = PANstepMoinsMargeHaut;
  GstepPlusMargeBas = PANstepPlusMargeBas;
  GstepMoinsMargeBas = PANstepMoinsMargeBas;
  GstepPlusMargeGauche = PANstepPlusMargeGauche;
  GstepMoinsMargeGauche = PANstepMoinsMargeGauche;
  GstepPlusMargeDroite = PANstepPlusMargeDroite;
  GstepMoinsMargeDroite = PANstepMoinsMargeDroite;
  GstepPlusNbrColonnes = PANstepPlusNbrColonnes;
  GstepMoinsNbrColonnes = PANstepMoinsNbrColonnes;
  GstepPlusNbrLignes = PANstepPlusNbrLignes;
  GstepMoinsNbrLignes = PANstepMoinsNbrLignes;
  GstepPlusLargeurColonne = PANstepPlusLargeurColonne;
  GstepMoinsLargeurColonne = PANstepMoinsLargeurColonne;
  GstepPlusHauteurLigne = PANstepPlusHauteurLigne;
  GstepMoinsHauteurLigne = PANstepMoinsHauteurLigne;
  GstepPlusGouttiereColonne = PANstepPlusGouttiereColonne;
  GstepMoinsGouttiereColonne = PANstepMoinsGouttiereColonne;
  GstepPlusGouttiereLigne = PANstepPlusGouttiereLigne;
  GstepMoinsGouttiereLigne = PANstepMoinsGouttiereLigne;

  Gcadenas = PANcadenas;
  GcadenasSombre = PANcadenasSombre;
  GnomSet = PANnomSet;
  GdialogueABO = ABOdialogue;
  GdialoguePRE = PREdialogue;
  GdialogueSUP = SUPdialogue;
  // The panel is the host's own window, not one of this layout: GdialoguePAN stays null.

  GmargeHautNSView = PANmargeHautNSView;
  GmargeBasNSView = PANmargeBasNSView;
  GmargeGaucheNSView = PANmargeGaucheNSView;
  GmargeDroiteNSView = PANmargeDroiteNSView;
  GnombreColonnesNSView = PANnombreColonnesNSView;
  GnombreLignesNSView = PANnombreLignesNSView;
  GlargeurColonnesNSView = PANlargeurColonnesNSView;
  GhauteurLignesNSView = PANhauteurLignesNSView;
  GgouttiereColonnesNSView = PANgouttiereColonnesNSView;
  GgouttiereLignesNSView = PANgouttiereLignesNSView;
}

// The wake-up view clicks this button: the host makes the plug-in's tool the selected one.
void GuidesDialogue::BidonActiveOutilGuidesCBP(kit::Control*) {
  if (Outil && sAITool) sAITool->SetSelectedTool(Outil);
}
