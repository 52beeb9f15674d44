// The tool's registration with the host: its texts, icons, place in the toolbox and
// information variables.
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "IAIUnicodeString.h"
#include "OutilGuides.h"

namespace {

constexpr const char* kNomOutil = "Outil Guides";
constexpr const char* kBulleOutil = "Outil Guides 1.4";
constexpr int32_t kIconeOutil = 16051;
constexpr int32_t kIconeOutilSombre = 16052;

// Tools that plug-ins of the same family register; the first found gives the group.
constexpr const char* kOutilsCompagnons[] = {"Outil Zervane", "Outil\tBrisolde", "Outil Calvorne"};

// The host's meaning; the tool only declares them and never supplies a value.
constexpr int32_t InfoVars[] = {15, 16, 23, kInfoEndOfList};

// With the eyedropper: in its own flyout (same group and same toolset).
AIErr PlaceAvecLaPipette(AIAddToolData& donnees) {
  int16_t numero = kNoTool;
  const AIErr erreur = sAITool->GetToolNumberFromName(kEyedropperToolName, &numero);
  if (erreur == kNoErr) donnees.sameGroupAs = donnees.sameToolsetAs = numero;
  return erreur;
}

// With a companion: a toolset of its own in the companion's group.
AIErr PlaceAvecUnCompagnon(AIAddToolData& donnees) {
  AIErr erreur = kNoErr;
  for (const char* compagnon : kOutilsCompagnons) {
    int16_t numero = kNoTool;
    erreur = sAITool->GetToolNumberFromName(compagnon, &numero);
    if (erreur == kNoErr) {
      donnees.sameGroupAs = numero;
      break;
    }
  }
  return erreur;
}

}  // namespace

AIErr EnregistreOutil(SPPluginRef plugin) {
  const ai::UnicodeString titre(kNomOutil);
  const ai::UnicodeString bulle(kBulleOutil);
  AIAddToolData donnees{titre.ref(), bulle.ref(), kIconeOutil, kIconeOutilSombre, kNoTool, kNoTool};
  if (OutilsGroupe) {
    PlaceAvecLaPipette(donnees);
  } else {
    PlaceAvecUnCompagnon(donnees);
  }
  AIErr erreur = sAITool->AddTool(plugin, kNomOutil, &donnees, kToolWantsToTrackCursorOption, &Outil);
  if (erreur == kNoErr) erreur = sAITool->SetToolInfoVars(Outil, InfoVars);
  return erreur;
}
