// Loading the panel's layout: outlets, actions, the global copies of the outlets, each
// made from the table of the panel's controls (ControlesPanneau.h).
#include "GuidesDialogue.h"

#include <string>

#include "ClassesVues.h"
#include "Curseurs.h"
#include "DelegateZeroUnUnGuides.h"
#include "GuideSet.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "GuidesTraces.h"
#include "IAIError.h"
#include "PanneauGlobals.h"
#include "kit/Kit.h"

namespace {

template <class T>
void Sortie(kit::LayoutBindings& liaisons, const std::string& nom, T*& membre) {
  liaisons.outlet(nom, &membre);
  liaisons.requireOutlet(nom);
}

using Methode = void (GuidesDialogue::*)(kit::Control*);

struct LiaisonAction {
  const char* nom;
  Methode methode;
};

// Every action the layout names, by the name it gives.
constexpr LiaisonAction kActions[] = {
#define PANNEAU_ACTION(Methode) {#Methode ":", &GuidesDialogue::Methode},
#include "ControlesPanneau.h"
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

// An action answers nobody: what it throws ends in the guard, not in the toolkit's loop.
void GuidesDialogue::LierActions(kit::LayoutBindings& liaisons) {
  for (const LiaisonAction& action : kActions)
    liaisons.action(action.nom, [this, methode = action.methode](kit::Control* envoyeur) {
      CallGuarded([&] { (this->*methode)(envoyeur); });
    });
}

// A layout without one of the outlets is damaged: it is refused as a whole.
void GuidesDialogue::LierSorties(kit::LayoutBindings& liaisons) {
#define PANNEAU_SORTIE(Type, Membre, Nom) Sortie(liaisons, #Nom, Membre);
#include "ControlesPanneau.h"
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
#define PANNEAU_COPIE(Type, Membre, Copie) Copie = Membre;
#include "ControlesPanneau.h"
}

// The wake-up view clicks this button: the host makes the plug-in's tool the selected one.
void GuidesDialogue::BidonActiveOutilGuidesCBP(kit::Control*) {
  if (Outil && sAITool) sAITool->SetSelectedTool(Outil);
}
