// The host's notifications the plug-in registers for, and what it does with them.
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"

namespace {

constexpr const char* kNomNotifieurs = "GuidesPlugIn";

bool Est(AINotifierHandle recu, AINotifierHandle enregistre) { return enregistre && recu == enregistre; }

}  // namespace

ASErr GuidesPlugIn::AddNotifier(SPInterfaceMessage*) {
  try {
    aisdk::check_ai_error(
        sAINotifier->AddNotifier(fPluginRef, kNomNotifieurs, kAIApplicationShutdownNotifier, &fShutdownNotifier));
    aisdk::check_ai_error(
        sAINotifier->AddNotifier(fPluginRef, kNomNotifieurs, kAIArtSelectionChangedNotifier, &fSelectionNotifier));
    aisdk::check_ai_error(
        sAINotifier->AddNotifier(fPluginRef, kNomNotifieurs, kAIUIBrightnessChangedNotifier, &fBrightnessNotifier));
    aisdk::check_ai_error(
        sAINotifier->AddNotifier(fPluginRef, kNomNotifieurs, kAIDocumentRulerUnitChangedNotifier, &fRulerUnitNotifier));
  } catch (const ai::Error& erreur) {
    return erreur;
  } catch (...) {
    return kCantHappenErr;
  }
  return kNoErr;
}

// A notifier that was never registered matches nothing, not even a message without one.
ASErr GuidesPlugIn::Notify(AINotifierMessage* message) {
  if (!message) return kNoErr;
  if (Est(message->notifier, fShutdownNotifier)) {
    ASErr erreur = kNoErr;
    if (fCursorManager) erreur = sAIUser->DisposeCursorResourceMgr(fCursorManager);
    fCursorManager = nullptr;
    return erreur;
  }
  return kNoErr;
}
