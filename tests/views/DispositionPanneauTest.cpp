// The panel's layout file, loaded the way the panel's controller loads it: every outlet
// and action it names must be one the controller has, and every one the controller has
// must be there.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BoutonReveilGuides.h"
#include "BoutonsChamps.h"
#include "ClassesVues.h"
#include "DelegateZeroUnUnGuides.h"
#include "kit/Kit.h"

namespace {

const std::vector<std::string> kQuantites{"MargeHaut",      "MargeBas",     "MargeGauche",      "MargeDroite",
                                          "NbrColonnes",    "NbrLignes",    "LargeurColonne",   "HauteurLigne",
                                          "GouttiereColonne", "GouttiereLigne"};
template <class Classe>
bool Est(kit::View* vue) {
  return dynamic_cast<Classe*>(vue) != nullptr;
}

// The icon views in the order of kQuantites. The table of the panel's controls gives them
// as plain views; each must be of the class that draws its own pictogram.
const std::pair<std::string, bool (*)(kit::View*)> kIcones[] = {
    {"PANmargeHautNSView", Est<BoutonMargeHaut>},
    {"PANmargeBasNSView", Est<BoutonMargeBas>},
    {"PANmargeGaucheNSView", Est<BoutonMargeGauche>},
    {"PANmargeDroiteNSView", Est<BoutonMargeDroite>},
    {"PANnombreColonnesNSView", Est<BoutonNombreColonnes>},
    {"PANnombreLignesNSView", Est<BoutonNombreLignes>},
    {"PANlargeurColonnesNSView", Est<BoutonLargeurColonnes>},
    {"PANhauteurLignesNSView", Est<BoutonHauteurLignes>},
    {"PANgouttiereColonnesNSView", Est<BoutonGouttiereColonnes>},
    {"PANgouttiereLignesNSView", Est<BoutonGouttiereLignes>},
};
const std::vector<std::string> kCasesSup{"SUPsetUn",  "SUPsetDeux", "SUPsetTrois", "SUPsetQuatre",
                                         "SUPsetCinq", "SUPsetSix", "SUPsetSept",  "SUPsetHuit"};

// The actions of the table of the panel's controls, by the names the layout gives them.
std::set<std::string> ActionsAttendues() {
  return {
#define PANNEAU_ACTION(Methode) #Methode ":",
#include "ControlesPanneau.h"
  };
}

// The controller's side of the layout, from the same table as the panel's controller: a
// typed slot for every outlet, a recorder for every action, and the plug-in's own classes.
class Controleur : public kit::ViewController {
 public:
  Controleur()
      : kit::ViewController("GuidesDialogue",
                            kit::Bundle::bundleContainingAddress(reinterpret_cast<const void*>(&DeclarerClassesVues))) {}

  template <class T>
  T* sortie(const std::string& nom) const {
    auto it = sorties_.find(nom);
    return it == sorties_.end() ? nullptr : dynamic_cast<T*>(it->second->objet());
  }
  std::vector<std::string> actionsRecues;

 protected:
  void bindLayout(kit::LayoutBindings& liaisons) override {
    kit::ViewController::bindLayout(liaisons);
    DeclarerClassesVues(liaisons);
#define PANNEAU_SORTIE(Type, Membre, Nom) Lier<Type>(liaisons, #Nom);
#include "ControlesPanneau.h"
    for (const auto& action : ActionsAttendues())
      liaisons.action(action, [this, action](kit::Control*) { actionsRecues.push_back(action); });
  }

 private:
  struct Emplacement {
    virtual ~Emplacement() = default;
    virtual kit::Object* objet() const = 0;
  };
  template <class T>
  struct EmplacementDe : Emplacement {
    T* pointeur = nullptr;
    kit::Object* objet() const override { return pointeur; }
  };
  template <class T>
  void Lier(kit::LayoutBindings& liaisons, const std::string& nom) {
    auto emplacement = std::make_unique<EmplacementDe<T>>();
    liaisons.outlet(nom, &emplacement->pointeur);
    liaisons.requireOutlet(nom);
    sorties_[nom] = std::move(emplacement);
  }
  std::map<std::string, std::unique_ptr<Emplacement>> sorties_;
};

void ActionsDe(kit::View* vue, std::multiset<std::string>& actions) {
  if (auto* controle = dynamic_cast<kit::Control*>(vue); controle && controle->hasAction())
    actions.insert(controle->actionName());
  if (auto* defilement = dynamic_cast<kit::ScrollView*>(vue); defilement && defilement->documentView())
    ActionsDe(defilement->documentView(), actions);
  for (kit::View* sous : vue->subviews()) ActionsDe(sous, actions);
}

class DispositionPanneau : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_THROW(panneau_ = controleur_.view()) << controleur_.layoutPath(); }
  template <class T>
  T* Sortie(const std::string& nom) const {
    T* objet = controleur_.sortie<T>(nom);
    EXPECT_NE(objet, nullptr) << nom;
    return objet;
  }
  Controleur controleur_;
  kit::View* panneau_ = nullptr;
};

TEST_F(DispositionPanneau, EveryOutletAndEveryActionIsConnectedExactlyAsNamed) {
  ASSERT_NE(panneau_, nullptr);
  std::multiset<std::string> utilisees;
  ActionsDe(panneau_, utilisees);
  for (const char* fenetre : {"PREdialogue", "SUPdialogue", "ABOdialogue"})
    ActionsDe(Sortie<kit::Window>(fenetre)->contentView(), utilisees);

  const std::set<std::string> attendues = ActionsAttendues();
  EXPECT_EQ(std::set<std::string>(utilisees.begin(), utilisees.end()), attendues);
  EXPECT_EQ(utilisees.count("PANcadenasCBP:"), 2u);
  EXPECT_EQ(utilisees.count("PANeffacerCBP:"), 2u);
  EXPECT_EQ(utilisees.count("SUPsupprimerSetsCBP:"), 8u);
}

TEST_F(DispositionPanneau, TheTenFieldsShareTheKeyboardDelegateWhichLeavesReturnToTheField) {
  auto* delegue = Sortie<DelegateZeroUnUnGuides>("PANdelegateZones");
  for (const auto& q : kQuantites) {
    auto* champ = Sortie<kit::TextField>("PANzone" + q);
    ASSERT_NE(champ, nullptr);
    EXPECT_EQ(champ->delegate(), delegue) << q;
    EXPECT_EQ(champ->actionName(), "PANzone" + q + "CBP:");
  }
  EXPECT_GE(Sortie<kit::ComboBox>("PANzoneNbrColonnes")->numberOfItems(), 1);

  controleur_.actionsRecues.clear();
  EXPECT_EQ(Sortie<kit::TextField>("PANzoneMargeBas")->userTypeText("4 mm"), kit::Delivery::Delivered);
  EXPECT_EQ(controleur_.actionsRecues, std::vector<std::string>{"PANzoneMargeBasCBP:"});
}

TEST_F(DispositionPanneau, EachIconViewIsOfTheClassOfItsPictogram) {
  for (const auto& [nom, estDeSaClasse] : kIcones) EXPECT_TRUE(estDeSaClasse(Sortie<kit::View>(nom))) << nom;
  EXPECT_TRUE(Est<BoutonReveilGuides>(Sortie<kit::View>("BoutonReveilGuidesNSView")));
}

TEST_F(DispositionPanneau, NamingControlsHiddenButtonsAndDarkVariantsStartHidden) {
  for (const char* nom : {"PANnomSet", "PANpopupUniteDuSet", "PANokSetBT", "PANannulerSetBT", "BidonAcquisitionGuides",
                          "BidonActiveOutilGuides", "PANcadenasSombre", "PANeffacerSombreBT"})
    EXPECT_TRUE(Sortie<kit::View>(nom)->isHidden()) << nom;
  for (const char* nom : {"PANpopupSets", "PANpopupPlansDeTravail", "PANcadenas", "PANeffacerBT", "PANzoneMargeHaut"})
    EXPECT_FALSE(Sortie<kit::View>(nom)->isHidden()) << nom;
}

TEST_F(DispositionPanneau, IconsSitBesideTheirFieldsTheHelpFillsTheRightHalfAndTheVeilCoversAll) {
  EXPECT_EQ(panneau_->frame(), kit::makeRect(0, 0, 240, 158));
  for (std::size_t i = 0; i < kQuantites.size(); ++i) {
    SCOPED_TRACE(kIcones[i].first);
    const kit::Rect icone = Sortie<kit::View>(kIcones[i].first)->frame();
    const kit::Rect champ = Sortie<kit::View>("PANzone" + kQuantites[i])->frame();
    EXPECT_EQ(icone.size, (kit::Size{18, 18}));
    EXPECT_LE(icone.maxX(), champ.minX());
    EXPECT_LT(icone.minY(), champ.maxY());
    EXPECT_GT(icone.maxY(), champ.minY());
    EXPECT_GE(icone.minX(), 0);
    EXPECT_LE(champ.maxX(), 240);
  }
  for (const char* nom : {"PANaideScrollView", "PANaidePageAvant", "PANaidePageApres", "PANnumeroPage"}) {
    const kit::Rect cadre = Sortie<kit::View>(nom)->frame();
    EXPECT_GE(cadre.minX(), 240) << nom;
    EXPECT_LE(cadre.maxX(), 480) << nom;
  }
  EXPECT_EQ(Sortie<kit::ScrollView>("PANaideScrollView")->documentView(), Sortie<kit::View>("PANaide"));
  EXPECT_EQ(Sortie<kit::TextField>("PANnumeroPage")->stringValue(), "1/11");

  // The wake-up veil is drawn last, over the whole width.
  auto* reveil = Sortie<BoutonReveilGuides>("BoutonReveilGuidesNSView");
  EXPECT_EQ(panneau_->subviews().back(), reveil);
  EXPECT_EQ(reveil->frame().size.width, 480);
}

TEST_F(DispositionPanneau, DialogButtonsAnswerEscapeReturnAndCommandD) {
  struct Cas {
    const char* fenetre;
    std::string touche;
    kit::ModifierFlags modificateurs;
    const char* action;
  };
  for (const Cas& cas : {Cas{"PREdialogue", "\x1b", 0, "PREannuler:"}, Cas{"PREdialogue", "\r", 0, "PREok:"},
                         Cas{"PREdialogue", "d", kit::EventModifierFlagCommand, "PREdefaut:"},
                         Cas{"SUPdialogue", "\x1b", 0, "SUPannuler:"}, Cas{"SUPdialogue", "\r", 0, "SUPok:"},
                         Cas{"ABOdialogue", "\r", 0, "ABOok:"}}) {
    SCOPED_TRACE(std::string(cas.fenetre) + " " + cas.action);
    controleur_.actionsRecues.clear();
    EXPECT_EQ(Sortie<kit::Window>(cas.fenetre)->userKeyEquivalent(cas.touche, cas.modificateurs),
              kit::Delivery::Delivered);
    EXPECT_EQ(controleur_.actionsRecues, std::vector<std::string>{cas.action});
  }
  controleur_.actionsRecues.clear();
  EXPECT_EQ(Sortie<kit::Window>("PREdialogue")->userKeyEquivalent("d"), kit::Delivery::RefusedNoSuchItem);
}

TEST_F(DispositionPanneau, TheOptionAndDeleteSetBoxesAreCheckBoxesAndTheDialogsStartHidden) {
  for (const char* nom : {"PREson", "PREtousLesPlans", "PREverrouille", "PREoutilGroupe"})
    EXPECT_TRUE(Sortie<kit::Button>(nom)->isCheckBox()) << nom;
  double yPrecedent = 1e9;
  for (const auto& nom : kCasesSup) {
    auto* caseACocher = Sortie<kit::Button>(nom);
    EXPECT_TRUE(caseACocher->isCheckBox()) << nom;
    EXPECT_LT(caseACocher->frame().minY(), yPrecedent) << nom << " lies below the box before it";
    yPrecedent = caseACocher->frame().minY();
  }
  for (const char* fenetre : {"PREdialogue", "SUPdialogue", "ABOdialogue"})
    EXPECT_FALSE(Sortie<kit::Window>(fenetre)->isVisible()) << fenetre;
}

}  // namespace
