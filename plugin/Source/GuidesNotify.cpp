// The host's notifications the plug-in registers for, and what it does with them.
#include <initializer_list>

#include "GuideSet.h"
#include "GuidesAnnotations.h"
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"
#include "IAIError.h"
#include "PanneauGlobals.h"
#include "ReexpressionUnites.h"
#include "Theme.h"
#include "kit/Kit.h"

namespace {

constexpr const char* kNomNotifieurs = "GuidesPlugIn";

bool Est(AINotifierHandle recu, AINotifierHandle enregistre) { return enregistre && recu == enregistre; }

void Montre(kit::View* vue, bool visible) {
  if (vue != nullptr) vue->setHidden(!visible);
}

// The panel's controls, where it is loaded, take the theme's colours and buttons.
void AppliqueLeTheme() {
  const kit::Color fond =
      kit::Color::colorWithCalibratedRed(RougeFondTheme, VertFondTheme, BleuFondTheme, AlphaFondTheme);
  for (kit::TextField* zone :
       {GzoneMargeHaut, GzoneMargeBas, GzoneMargeGauche, GzoneMargeDroite,
        static_cast<kit::TextField*>(GzoneNbrColonnes), static_cast<kit::TextField*>(GzoneNbrLignes),
        GzoneLargeurColonne, GzoneHauteurLigne, GzoneGouttiereColonne, GzoneGouttiereLigne})
    if (zone != nullptr) zone->setBackgroundColor(fond);
  if (GnumeroPage != nullptr)
    GnumeroPage->setTextColor(
        kit::Color::colorWithCalibratedRed(RougeTexteTheme, VertTexteTheme, BleuTexteTheme, AlphaTexteTheme));
  Montre(Gcadenas, !InterfaceSombre);
  Montre(GcadenasSombre, InterfaceSombre);
  Montre(GeffacerBT, !InterfaceSombre);
  Montre(GeffacerBTSombre, InterfaceSombre);
}

// The panel's unit for a ruler unit of the host: pixels count as points; a unit the panel
// has no code for gives none.
CodeUnite UniteDuPanneauPourLaRegle(int16_t uniteHote) {
  if (uniteHote >= kInchesUnits && uniteHote <= kMillimetersUnits) return uniteHote;
  if (uniteHote == kPixelsUnits) return kUnitePoints;
  return kUniteAucune;
}

AIErr SuitLaRegle() {
  int16_t uniteHote = 0;
  const AIErr erreur = sAIDocument->GetDocumentRulerUnits(&uniteHote);
  if (erreur != kNoErr) return erreur;
  const CodeUnite unite = UniteDuPanneauPourLaRegle(uniteHote);
  if (unite == kUniteAucune) return kNoErr;
  Unite = unite;
  ReexprimeLongueurs(unite);
  return kNoErr;
}

// The hint follows the cursor over the whole view: all of it is drawn again.
void RedessineLesAnnotations() {
  AIRealRect vue{0, 0, 0, 0};
  aisdk::check_ai_error(sAIDocumentView->GetDocumentViewBounds(nullptr, &vue));
  aisdk::check_ai_error(InvalidateRect(vue));
}

}  // namespace

ASErr GuidesPlugIn::AddNotifier(SPInterfaceMessage*) {
  return CallGuarded([&] {
    aisdk::check_ai_error(
        sAINotifier->AddNotifier(fPluginRef, kNomNotifieurs, kAIApplicationShutdownNotifier, &fShutdownNotifier));
    aisdk::check_ai_error(
        sAINotifier->AddNotifier(fPluginRef, kNomNotifieurs, kAIArtSelectionChangedNotifier, &fSelectionNotifier));
    aisdk::check_ai_error(
        sAINotifier->AddNotifier(fPluginRef, kNomNotifieurs, kAIUIBrightnessChangedNotifier, &fBrightnessNotifier));
    aisdk::check_ai_error(
        sAINotifier->AddNotifier(fPluginRef, kNomNotifieurs, kAIDocumentRulerUnitChangedNotifier, &fRulerUnitNotifier));
  });
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
  if (Est(message->notifier, fRulerUnitNotifier)) return SuitLaRegle();
  if (Est(message->notifier, fSelectionNotifier)) {
    RedessineLesAnnotations();
    return kNoErr;
  }
  if (Est(message->notifier, fBrightnessNotifier)) {
    const AIErr erreur = LitLeTheme();
    AppliqueLeTheme();
    return erreur;
  }
  return kNoErr;
}
