// The panel's controller loaded from the real layout file: its bindings, its buttons, its
// help pages and the options its dialogs start from, where the sessions' printouts do not
// reach. The preferences and the flyout menu are the simulated host's.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "BoutonReveilGuides.h"
#include "BoutonsChamps.h"
#include "CopiesDuPanneau.h"
#include "DelegateZeroUnUnGuides.h"
#include "GuideSet.h"
#include "GuidesDialogue.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "GuidesTraces.h"
#include "IAIUnicodeString.h"
#include "Panneau.h"
#include "PanneauGlobals.h"
#include "PanneauDeTest.h"
#include "TempFolder.h"
#include "TextesAide.h"
#include "Theme.h"
#include "kit/Kit.h"

namespace {


class ControleurPanneau : public testhost::PanneauDeTest {
 protected:
  void SetUp() override {
    PanneauDeTest::SetUp();
    kit::Workspace::sharedWorkspace().clearOpenedURLs();
    TousLesPlans = false;
    ReperesVerrouilles = true;
    DoitEffacer = DoitRedessiner = false;
    NumeroDuPlan = 0;
  }

  void TearDown() override {
    PanneauDeTest::TearDown();
    LibereListesDeGuides();
    OutilSelectionne = false;
    MenuLocal = nullptr;
  }

  static void MetPref(const char* cle, int32_t valeur) {
    sAIPreference->PutIntegerPreference("RaltoGuides", cle, valeur);
  }
  static void MetPref(const char* cle, const char* valeur) {
    sAIPreference->PutStringPreference("RaltoGuides", cle, valeur);
  }
};

// What the panel shows once loaded (the default set, the margins locked, the naming controls
// hidden) is printed whole by road_restart after a restart, the veil by panel_wake.

// Every outlet the layout file names, wherever it sits (panel, dialogs, objects).
void SortiesDuFichier(const nlohmann::json& element, std::set<std::string>& noms) {
  if (element.is_object() && element.contains("outlet") && element["outlet"].is_string())
    noms.insert(element["outlet"].get<std::string>());
  if (element.is_structured())
    for (const auto& enfant : element) SortiesDuFichier(enfant, noms);
}

TEST_F(ControleurPanneau, EveryOutletOfTheLayoutFileIsBoundAndEveryCopyGoesWithTheController) {
  GuidesDialogue& c = Charge();
  ASSERT_NE(c.layout(), nullptr);
  EXPECT_EQ(c.view(), c.layout()->objectNamed("view"));
  std::set<std::string> dansLeFichier;
  SortiesDuFichier(nlohmann::json::parse(std::ifstream(c.layoutPath())), dansLeFichier);
  dansLeFichier.erase("view");  // the controller's own view, bound by its base

  std::set<std::string> liees;
#define PANNEAU_SORTIE(Type, Membre, Nom) \
  liees.insert(#Nom);                     \
  EXPECT_TRUE(c.Membre != nullptr && c.layout()->objectNamed(#Nom) == c.Membre) << #Nom;
#define PANNEAU_COPIE(Type, Membre, Copie) EXPECT_EQ(Copie, c.Membre) << #Copie;
#include "ControlesPanneau.h"
  EXPECT_EQ(liees, dansLeFichier);
  // The guide lists exist before the first click.
  EXPECT_NE(PtrPremierColonneLiee, nullptr);
  EXPECT_NE(PtrPremierLigneLiee, nullptr);

  controleur_.reset();
  for (const auto& [nom, copie] : CopiesDuPanneau()) EXPECT_EQ(copie, nullptr) << nom;
}

// The tips are the layout file's texts, printed with each control by the sessions (the
// erase buttons' tip for all artboards by road_restart); the theme's colours on loading are
// DemarragePanneau's, taken from the host.

// The stored sets in the popup, in order after the default set, are printed by the sets
// sessions from their seeded preferences.

TEST_F(ControleurPanneau, HelpPagesTurnUntilEitherEndWhichDisablesItsButton) {
  GuidesDialogue& c = Charge();
  // The page number, then whether the previous and next buttons are enabled.
  auto etat = [&] {
    return std::tuple(c.PANnumeroPage->stringValue(), c.PANaidePageAvant->isEnabled(), c.PANaidePageApres->isEnabled());
  };
  EXPECT_EQ(etat(), std::tuple("1/11", false, true));
  EXPECT_EQ(c.PANaide->string(), TexteDePageAide(1));
  EXPECT_FALSE(c.PANaide->string().empty());

  for (int page = 2; page <= 10; ++page) ASSERT_EQ(c.PANaidePageApres->userClick(), kit::Delivery::Delivered);
  EXPECT_EQ(etat(), std::tuple("10/11", true, true));
  EXPECT_EQ(c.PANaidePageAvant->toolTip(), "Page précédente de l'aide.");

  c.PANaidePageApres->userClick();
  EXPECT_EQ(etat(), std::tuple("11/11", true, false));
  EXPECT_EQ(c.PANaide->string(), TexteDePageAide(11));
  EXPECT_EQ(c.PANaide->lastScrolledRange(), (kit::Range{0, 0}));
  EXPECT_EQ(c.PANaidePageApres->toolTip(), "Dernière page de l'aide.");
  EXPECT_EQ(c.PANaidePageApres->userClick(), kit::Delivery::RefusedDisabled);

  for (int page = 10; page >= 2; --page) c.PANaidePageAvant->userClick();
  EXPECT_EQ(etat(), std::tuple("2/11", true, true));
  c.PANaidePageAvant->userClick();
  EXPECT_EQ(etat(), std::tuple("1/11", false, true));
  EXPECT_EQ(c.PANaide->string(), TexteDePageAide(1));
  EXPECT_EQ(c.PANaidePageAvant->toolTip(), "Première page de l'aide.");
}

TEST_F(ControleurPanneau, EraseAndArtboardChoiceAreLeftForTheToolsNextCursorTracking) {
  GuidesDialogue& c = Charge();
  Redessins();
  ASSERT_EQ(c.PANeffacerBT->userClick(), kit::Delivery::Delivered);
  EXPECT_TRUE(DoitEffacer);
  EXPECT_TRUE(DoitRedessiner);
  EXPECT_EQ(Redessins(), 1u);

  ActiverZones(true);  // as when the tool is selected
  c.PANpopupPlansDeTravail->removeAllItems();
  c.PANpopupPlansDeTravail->addItemsWithTitles({"Plan 1", "Plan 2", "Plan 3"});
  ASSERT_EQ(c.PANpopupPlansDeTravail->userChooseItem(2), kit::Delivery::Delivered);
  EXPECT_EQ(NumeroDuPlan, 2);
  c.PANpopupPlansDeTravail->removeAllItems();  // nothing selected: the choice stays
  c.PANpopupPlansDeTravail->sendAction();
  EXPECT_EQ(NumeroDuPlan, 2);
}

TEST_F(ControleurPanneau, LogoBringsBackTheDefaultSetAndTheLockedGuidesMark) {
  MetPref("NbrSets", 1);
  MetPref("TI1", "Affiche A3");
  GuidesDialogue& c = Charge();
  ASSERT_EQ(sAIPanelFlyoutMenu->Create(&MenuLocal), kNoErr);
  ASSERT_EQ(sAIPanelFlyoutMenu->AppendItem(MenuLocal, kMenuReperesVerrouilles,
                                           ai::UnicodeString("Repères verrouillés").ref()),
            kNoErr);
  ActiverZones(true);

  // A user set on the panel, with values of its own.
  c.PANpopupSets->selectItemAtIndex(1);
  MargeHaut = MargeBas = 10;
  NombreDeColonnes = 7;
  LargeurDeColonnes = 40;
  CadenasMarges = false;
  SetEnCours = false;
  c.PANzoneMargeHaut->setStringValue("0,35 in");
  c.PANzoneLargeurColonne->setStringValue("1,41 cm");
  c.PANzoneNbrColonnes->setStringValue("7");
  Redessins();

  ASSERT_EQ(c.PANraltoBT->userClick(), kit::Delivery::Delivered);
  EXPECT_EQ(c.PANpopupSets->indexOfSelectedItem(), 0);
  EXPECT_EQ(Textes({c.PANzoneMargeHaut, c.PANzoneLargeurColonne, c.PANzoneNbrColonnes}),
            (std::vector<std::string>{"3 mm", "", "2"}));
  EXPECT_EQ((std::vector{MargeHaut, MargeBas, LargeurDeColonnes}), (std::vector{8.503937244415283, 8.503937244415283, 0.0}));
  EXPECT_EQ(std::tuple(NombreDeColonnes, CadenasMarges, SetEnCours), std::tuple(2, true, true));
  EXPECT_EQ(Redessins(), 1u);
  int32_t marque = -1;
  sAIPanelFlyoutMenu->GetItemMark(MenuLocal, kMenuReperesVerrouilles, &marque);
  EXPECT_EQ(marque, kAIPanelFlyoutMenuItemMark_CHECK);

  ReperesVerrouilles = false;
  c.PANraltoBT->userClick();
  sAIPanelFlyoutMenu->GetItemMark(MenuLocal, kMenuReperesVerrouilles, &marque);
  EXPECT_EQ(marque, kAIPanelFlyoutMenuItemMark_NONE);
}

// Naming a new set and leaving it, with the erase buttons hidden and shown again, is printed
// whole by sets_first_set.

// ---- The layout file as the controller loads it.

// The actions of the table of the panel's controls, by the names the layout gives them.
std::set<std::string> ActionsDuTableau() {
  return {
#define PANNEAU_ACTION(Methode) #Methode ":",
#include "ControlesPanneau.h"
  };
}

void ActionsDe(kit::View* vue, std::multiset<std::string>& actions) {
  if (auto* controle = dynamic_cast<kit::Control*>(vue); controle && controle->hasAction())
    actions.insert(controle->actionName());
  if (auto* defilement = dynamic_cast<kit::ScrollView*>(vue); defilement && defilement->documentView())
    ActionsDe(defilement->documentView(), actions);
  for (kit::View* sous : vue->subviews()) ActionsDe(sous, actions);
}

template <class Classe>
bool Est(kit::View* vue) {
  return dynamic_cast<Classe*>(vue) != nullptr;
}

TEST_F(ControleurPanneau, EveryActionOfTheTableIsConnectedAndNoOther) {
  GuidesDialogue& c = Charge();
  std::multiset<std::string> utilisees;
  ActionsDe(c.view(), utilisees);
  for (kit::Window* fenetre : {c.PREdialogue, c.SUPdialogue, c.ABOdialogue}) ActionsDe(fenetre->contentView(), utilisees);
  EXPECT_EQ(std::set<std::string>(utilisees.begin(), utilisees.end()), ActionsDuTableau());
  EXPECT_EQ(utilisees.count("PANcadenasCBP:"), 2u);
  EXPECT_EQ(utilisees.count("PANeffacerCBP:"), 2u);
  EXPECT_EQ(utilisees.count("SUPsupprimerSetsCBP:"), 8u);
}

// Each of the ten values: its field shares the keyboard delegate and sends its own action,
// its icon view draws its own pictogram (where each sits is the layout file's, printed by
// the sessions).
TEST_F(ControleurPanneau, TheTenFieldsShareTheKeyboardDelegateEachWithItsOwnIcon) {
  GuidesDialogue& c = Charge();
  const struct {
    kit::TextField* zone;
    kit::View* icone;
    bool (*estDeSaClasse)(kit::View*);
  } valeurs[] = {
      {c.PANzoneMargeHaut, c.PANmargeHautNSView, Est<BoutonMargeHaut>},
      {c.PANzoneMargeBas, c.PANmargeBasNSView, Est<BoutonMargeBas>},
      {c.PANzoneMargeGauche, c.PANmargeGaucheNSView, Est<BoutonMargeGauche>},
      {c.PANzoneMargeDroite, c.PANmargeDroiteNSView, Est<BoutonMargeDroite>},
      {c.PANzoneNbrColonnes, c.PANnombreColonnesNSView, Est<BoutonNombreColonnes>},
      {c.PANzoneNbrLignes, c.PANnombreLignesNSView, Est<BoutonNombreLignes>},
      {c.PANzoneLargeurColonne, c.PANlargeurColonnesNSView, Est<BoutonLargeurColonnes>},
      {c.PANzoneHauteurLigne, c.PANhauteurLignesNSView, Est<BoutonHauteurLignes>},
      {c.PANzoneGouttiereColonne, c.PANgouttiereColonnesNSView, Est<BoutonGouttiereColonnes>},
      {c.PANzoneGouttiereLigne, c.PANgouttiereLignesNSView, Est<BoutonGouttiereLignes>},
  };
  for (const auto& v : valeurs) {
    SCOPED_TRACE(v.zone->identifier());
    EXPECT_EQ(v.zone->delegate(), c.PANdelegateZones);
    EXPECT_EQ(v.zone->actionName(), v.zone->identifier() + "CBP:");  // each its own action
    EXPECT_TRUE(v.estDeSaClasse(v.icone));
  }
  EXPECT_EQ(c.PANaideScrollView->documentView(), c.PANaide);
  EXPECT_TRUE(Est<BoutonReveilGuides>(c.BoutonReveilGuidesNSView));
  EXPECT_EQ(c.view()->subviews().back(), c.BoutonReveilGuidesNSView);
}

// Return and Escape in the dialogs, their check boxes and the rows of the delete-sets
// dialog are driven and printed by the sets sessions, Cmd-D by the browser road; the key
// equivalents are the layout file's, which the kit's round trip of every layout checks.

// A layout that cannot be read leaves nothing behind: no control, no global.
TEST_F(ControleurPanneau, ADamagedOrMissingLayoutIsRefusedWhole) {
  const testhost::TempFolder dossier;
  for (const char* contenu : {"", "{\"views\": [", "{\"views\": [{\"class\": \"View\", \"outlet\": \"view\"}]}"}) {
    SCOPED_TRACE(contenu);
    dossier.resource("GuidesDialogue.json", contenu);
    GuidesDialogue endommage{kit::Bundle(dossier.path.string())};
    EXPECT_THROW(endommage.view(), kit::LayoutError);
    EXPECT_FALSE(endommage.isViewLoaded());
    EXPECT_EQ(GzoneMargeHaut, nullptr);
    EXPECT_EQ(GdialoguePRE, nullptr);
  }
  std::filesystem::remove(dossier.path / "Resources" / "GuidesDialogue.json");
  GuidesDialogue absent{kit::Bundle(dossier.path.string())};
  EXPECT_THROW(absent.view(), kit::LayoutError);
}

}  // namespace
