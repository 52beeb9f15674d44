#include "GuidesPlugIn.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <utility>

#include "GuidesDialogue.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "GuidesTraces.h"
#include "IAIUnicodeString.h"
#include "Panneau.h"
#include "PanneauGlobals.h"
#include "Theme.h"
#include "VerifieRessources.h"
#include "kit/View.h"

namespace {

// The panel's controller, made once the application has started, and the plug-in object
// that built the panel: only that object's end takes the panel away (a reload moves the
// object through a temporary whose end must leave the panel alone).
std::unique_ptr<GuidesDialogue> gControleurPanneau;
const GuidesPlugIn* gProprietairePanneau = nullptr;

// The controls go, and every global copy of their outlets with them.
void OublieControleur() {
  gControleurPanneau.reset();
  OublierGlobalesPanneau();
}

// At the plug-in's end the controls go before the module can be unloaded; the host keeps
// the panel itself, which a new start replaces.
void FermePanneau() {
  OublieControleur();
  LibereListesDeGuides();
  PanneauRef = nullptr;
  MenuLocal = nullptr;
  gProprietairePanneau = nullptr;
}

}  // namespace

Plugin* AllocatePlugin(SPPluginRef pluginRef) { return new (std::nothrow) GuidesPlugIn(pluginRef); }

Plugin* FixupReload(Plugin* plugin) { return GuidesPlugIn::FixupVTable(static_cast<GuidesPlugIn*>(plugin)); }

GuidesPlugIn::GuidesPlugIn(SPPluginRef pluginRef) : Plugin(pluginRef) {
  std::strncpy(fName, "Guides", sizeof fName - 1);
}

GuidesPlugIn::~GuidesPlugIn() {
  if (this == gProprietairePanneau) FermePanneau();
}

// The data is moved out to a local object first, so the new object is built from values
// that the old one no longer holds (suites, lock); building a new object in the storage
// ends the old one's life without running its destructor, which would release them.
GuidesPlugIn* GuidesPlugIn::FixupVTable(GuidesPlugIn* plugin) {
  GuidesPlugIn data(std::move(*plugin));
  return ::new (static_cast<void*>(plugin)) GuidesPlugIn(std::move(data));
}

// ---- Start-up -----------------------------------------------------------------------------

ASErr GuidesPlugIn::StartupPlugin(SPInterfaceMessage* message) {
  ASErr error = Plugin::StartupPlugin(message);
  if (error == kNoErr) error = KeepPluginOptions(fPluginRef);
  if (error == kNoErr) error = AddTools(message);
  if (error == kNoErr) error = AddAnnotator(message);
  if (error == kNoErr) error = AddMenus(message);
  if (error == kNoErr) error = AddNotifier(message);
  return error;
}

// The options the host keeps for the plug-in are read and written back unchanged.
ASErr GuidesPlugIn::KeepPluginOptions(SPPluginRef pluginRef) {
  int32_t options = 0;
  ASErr error = sAIPlugin->GetPluginOptions(pluginRef, &options);
  if (error == kNoErr) error = sAIPlugin->SetPluginOptions(pluginRef, options);
  return error;
}

// ---- The panel, once the application has started ----------------------------------------

namespace {

constexpr const char* kIdentifiantPanneau = "PanneauEssai";
constexpr const char* kTitrePanneau = "Guides 1.4";
constexpr int32_t kNombreEtatsPanneau = 3;
constexpr AISize kTailleMinimalePanneau{240, 158};
constexpr AIPoint kTaillesPreferees{300, 300};

constexpr int32_t kTypeIcone = ai_fourcc("PNGI");
constexpr const char* kNomIcone = "IconePanneauReduit";
constexpr size_t kTailleMorceauIcone = 1024;
// An icon is a small image: reading stops well before a runaway resource fills memory.
constexpr size_t kTailleMaxIcone = 4u << 20;

// Only the menu's creation is checked: an item that fails to be added, even by an
// exception, does not stop the next one.
ASErr CreeMenuLocal() {
  MenuLocal = nullptr;
  ASErr erreur = sAIPanelFlyoutMenu->Create(&MenuLocal);
  if (erreur != kNoErr) return erreur;
  CallGuarded([] {
    const AIPanelFlyoutMenuSuite& menu = *sAIPanelFlyoutMenu;
    menu.AppendItem(MenuLocal, kMenuReperesVerrouilles, ai::UnicodeString("Repères verrouillés").ref());
    if (ReperesVerrouilles) menu.SetItemMark(MenuLocal, kMenuReperesVerrouilles, kAIPanelFlyoutMenuItemMark_CHECK);
    menu.AppendSeparator(MenuLocal, kMenuSeparateur1);
    menu.AppendItem(MenuLocal, kMenuPreferences, ai::UnicodeString("Préférences…").ref());
    menu.AppendSeparator(MenuLocal, kMenuSeparateur2);
    menu.AppendItem(MenuLocal, kMenuAide, ai::UnicodeString("Afficher l'aide").ref());
  });
  // Enabled while the guides tool is selected.
  for (int32_t id = kMenuReperesVerrouilles; id <= kMenuAide; ++id)
    sAIPanelFlyoutMenu->SetItemEnabled(MenuLocal, id, false);
  return kNoErr;
}

void AlerteChargementPanneau(const std::string& raison) {
  const std::string texte = "Le panneau de Ralto-Guides n'a pas pu être chargé.\r" + raison;
  CallGuarded([&] { sAIUser->MessageAlert(ai::UnicodeString(texte.c_str()).ref()); });
}

// The panel's content: the controller's view, loaded from the layout beside this module.
// A layout that cannot be loaded is reported and the panel stays empty; the exception's
// text is the alert's reason, which a result code would lose.
ASErr AddWidgets() {
  void* vue = nullptr;
  const ASErr erreur = sAIPanel->GetPlatformWindow(PanneauRef, &vue);
  if (erreur != kNoErr || !vue) return erreur;
  auto* vuePanneau = static_cast<kit::View*>(vue);

  auto paquet = kit::Bundle::bundleContainingAddress(reinterpret_cast<const void*>(&MenuCBP));
  if (!paquet) {
    AlerteChargementPanneau("Le dossier du module est introuvable.");
    return erreur;
  }
  // The fields and the page label take the theme's colours as the layout is loaded, not
  // only at the first change of the theme.
  LitLeTheme();
  gControleurPanneau = std::make_unique<GuidesDialogue>(std::move(paquet));
  try {
    kit::View* contenu = gControleurPanneau->view();
    vuePanneau->setFrame(contenu->frame());
    vuePanneau->addSubview(*contenu);
  } catch (const std::exception& probleme) {
    OublieControleur();
    AlerteChargementPanneau(probleme.what());
  }
  return erreur;
}

// The icon the host shows while the panel is collapsed, read from the plug-in's resources.
ASErr SetIconePanneauReduit(SPPluginRef plugin) {
  const void* suite = nullptr;
  ASErr erreur = sSPBasic->AcquireSuite(kAIDataFilterSuite, kAIDataFilterSuiteVersion, &suite);
  if (erreur != kNoErr) return erreur;
  const auto* filtres = static_cast<const AIDataFilterSuite*>(suite);

  AIDataFilter* filtre = nullptr;
  erreur = filtres->NewResourceDataFilter(plugin, kTypeIcone, 0, kNomIcone, &filtre);
  if (erreur == kNoErr && filtre) {
    erreur = filtres->LinkDataFilter(nullptr, filtre);
    std::string octets;
    while (erreur == kNoErr) {
      char morceau[kTailleMorceauIcone];
      size_t lus = sizeof morceau;
      erreur = filtres->ReadDataFilter(filtre, morceau, &lus);
      if (erreur != kNoErr) break;
      octets.append(morceau, std::min(lus, sizeof morceau));
      if (lus < sizeof morceau) break;
      if (octets.size() > kTailleMaxIcone) erreur = kBadParameterErr;
    }
    if (erreur == kNoErr)
      erreur =
          sAIPanel->SetIcon(PanneauRef, reinterpret_cast<const uint8_t*>(octets.data()), octets.size(), nullptr, 0);
  }
  if (filtre) {
    const ASErr fin = filtres->UnlinkDataFilter(filtre, nullptr);
    if (erreur == kNoErr) erreur = fin;
  }
  sSPBasic->ReleaseSuite(kAIDataFilterSuite, kAIDataFilterSuiteVersion);
  return erreur;
}

}  // namespace

// A second announcement of the application's start finds the panel built and changes
// nothing. Once the flyout menu is made, a step that fails, even by an exception, does not
// stop the next one.
ASErr GuidesPlugIn::PostStartupPlugin() {
  if (PanneauRef) return kNoErr;
  gProprietairePanneau = this;
  if (!fCursorManager) sAIUser->CreateCursorResourceMgr(fPluginRef, &fCursorManager);
  ASErr erreur = CreeMenuLocal();
  if (erreur != kNoErr) return erreur;

  CallGuarded([&] {
    sAIPanel->Create(fPluginRef, ai::UnicodeString(kIdentifiantPanneau).ref(), ai::UnicodeString(kTitrePanneau).ref(),
                     kNombreEtatsPanneau, &kTailleMinimalePanneau, false, MenuLocal, this, &PanneauRef);
  });
  sAIPanel->Show(PanneauRef, true);
  sAIPanel->SetPreferredSizes(PanneauRef, kTaillesPreferees);
  sAIPanel->SetFlyoutMenuProc(PanneauRef, MenuCBP);
  SetIconePanneauReduit(fPluginRef);
  PreferencesAffichees = false;
  AddWidgets();
  SignaleRessourcesAbimees();
  return sAITool->SetSelectedToolByName(kSelectToolName);
}

// ---- Messages -----------------------------------------------------------------------------

// No exception leaves a message; a failure is reported here and returned to the host.
ASErr GuidesPlugIn::Message(const char* caller, const char* selector, void* message) {
  ASErr result = CallGuarded([&] { return Plugin::Message(caller, selector, message); });
  if (result == kNoErr) return kNoErr;
  if (result != kUnhandledMsgErr) {
    ReportError(result, caller, selector, message);
    return result;
  }
  if (std::strcmp(caller, kCallerAIAnnotation) == 0)
    return CallGuarded([&] { return AnnotationMessage(selector, static_cast<AIAnnotatorMessage*>(message)); });
  return kUnhandledMsgErr;
}

ASErr GuidesPlugIn::AnnotationMessage(const char* selector, AIAnnotatorMessage* message) {
  if (std::strcmp(selector, kSelectorAIDrawAnnotation) == 0) return toolAnnotate(message);
  if (std::strcmp(selector, kSelectorAIInvalAnnotation) == 0) return InvalAnnotator(message);
  return kUnhandledMsgErr;
}
