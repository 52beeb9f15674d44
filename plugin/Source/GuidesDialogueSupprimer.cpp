// Deleting user sets: one at a time (Alt held in the popup) or several through the
// delete-sets dialog, whose check box i stands for user set i.
#include <algorithm>

#include "EcritLitPrefs.h"
#include "GuidesDialogue.h"
#include "GuidesDialogueSets.h"
#include "PanneauGlobals.h"
#include "kit/Kit.h"

namespace {

// The check boxes sit 26 points apart from the top; the buttons 42 points below the last
// one shown; the window grows with the list.
constexpr double kEcartBoutons = 42;
constexpr double kHauteurParSet = 26;
constexpr double kHauteurHorsSets = 90;

struct CasesDesSets {
  kit::Button* cases[kNombreMaxSets];
};

CasesDesSets Cases(const GuidesDialogue& p) {
  return {{p.SUPsetUn, p.SUPsetDeux, p.SUPsetTrois, p.SUPsetQuatre, p.SUPsetCinq, p.SUPsetSix, p.SUPsetSept,
           p.SUPsetHuit}};
}

int NombreDeSetsDuPopup(const GuidesDialogue& p) { return p.PANpopupSets->numberOfItems() - 4; }

void PlaceBouton(kit::Button* bouton, double y) {
  kit::Rect cadre = bouton->frame();
  cadre.origin.y = y;
  bouton->setFrame(cadre);
}

}  // namespace

void OuvreSupprimerDesSets(GuidesDialogue& p, int nombreDeSets) {
  const int k = std::clamp(nombreDeSets, 1, static_cast<int>(kNombreMaxSets));
  const CasesDesSets liste = Cases(p);
  for (int i = 1; i <= kNombreMaxSets; ++i) {
    kit::Button* caseDuSet = liste.cases[i - 1];
    if (i <= k) {
      caseDuSet->setTitle(p.PANpopupSets->itemTitleAtIndex(i));
      caseDuSet->setState(kit::ControlStateOff);
    }
    if (i > 1) caseDuSet->setHidden(i > k);
  }
  const double yBoutons = liste.cases[k - 1]->frame().origin.y - kEcartBoutons;
  PlaceBouton(p.SUPokBT, yBoutons);
  PlaceBouton(p.SUPannulerBT, yBoutons);
  kit::Rect cadre = p.SUPdialogue->frame();
  cadre.size.height = kHauteurParSet * k + kHauteurHorsSets;
  p.SUPdialogue->setFrame(cadre, true, true);

  kit::Application::shared().runModalForWindow(*p.SUPdialogue);
  // A run cut short (no more events) leaves the dialog hidden too. The panel may have
  // gone during the run: only the global copy of the window is trusted now.
  if (GdialogueSUP) GdialogueSUP->orderOut();
  // Cancelled (OK has put the popup on the default set): back to the set shown before.
  if (GpopupSets && GpopupSets->indexOfSelectedItem() == GpopupSets->numberOfItems() - 1)
    RetablitSetAffiche(GpopupSets);
}

// The popup and the stored records move together; the values shown are not touched.
void GuidesDialogue::SupprimerSet(int numero) {
  if (numero < 1 || numero > NombreDeSetsDuPopup(*this)) return;
  PANpopupSets->removeItemAtIndex(numero);
  SupprimeSet(numero);
}

// From the last set down, so that the sets still to be examined keep their numbers.
void GuidesDialogue::SUPok(kit::Control*) {
  const int k = std::min(NombreDeSetsDuPopup(*this), static_cast<int>(kNombreMaxSets));
  const CasesDesSets liste = Cases(*this);
  for (int i = k; i >= 1; --i)
    if (liste.cases[i - 1]->state() == kit::ControlStateOn) SupprimerSet(i);
  PANpopupSets->selectItemAtIndex(0);
  TermineDialogue(SUPdialogue);
}

void GuidesDialogue::SUPannuler(kit::Control*) {
  CacheDialogue(SUPdialogue);
  SUPinitDialogue();
  FinDuRunModal(SUPdialogue);
}

// Ticking a set only marks it; OK deletes.
void GuidesDialogue::SUPsupprimerSetsCBP(kit::Control*) {}
