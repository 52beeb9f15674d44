#include "Survol.h"

#include <cmath>
#include <limits>

#include "Curseurs.h"
#include "GuidesSuites.h"
#include "kit/Cursor.h"

namespace {

// The hover test asks the host for what a fill would hit, within the tolerance.
constexpr int32_t kRequeteSurvol = kFillHitRequest;

kit::Cursor* CurseurDe(CurseurOutil curseur) {
  switch (curseur) {
    case CurseurOutil::GuidesObjet:
      return CurseurGuidesObjet;
    case CurseurOutil::Pointille:
      return CurseurPointille;
    case CurseurOutil::Generique:
      break;
  }
  return CurseurGenerique;
}

}  // namespace

AIReal ToleranceDeSurvol(AIReal zoom) {
  if (!(zoom > 0.0f) || !std::isfinite(zoom)) zoom = 1.0f;
  AIReal tolerance = 4.0f / zoom;
  // A zoom too small for single precision: everything is within reach.
  if (!std::isfinite(tolerance)) tolerance = std::numeric_limits<AIReal>::max();
  return tolerance < 1.0f ? 1.0f : tolerance;
}

AIErr RappelleLeZoom(AIReal* zoom) {
  AIDocumentViewHandle vue = nullptr;
  AIReal lu = 0.0f;
  AIErr erreur = sAIDocumentView->GetNthDocumentView(0, &vue);
  if (erreur == kNoErr) erreur = sAIDocumentView->GetDocumentViewZoom(vue, &lu);
  if (erreur == kNoErr) {
    *zoom = lu;
    erreur = sAIDocumentView->SetDocumentViewZoom(vue, lu);
  }
  return erreur;
}

void MontreCurseur(CurseurOutil curseur) {
  if (CurseurGenerique == nullptr) CalculerCurseurs();
  if (kit::Cursor* choisi = CurseurDe(curseur)) choisi->set();
}

AIErr Survol(const AIToolMessage& message) {
  AIReal zoom = 1.0f;
  RappelleLeZoom(&zoom);
  const AIReal tolerance = ToleranceDeSurvol(zoom);

  AIHitRef touche = nullptr;
  AIErr erreur = sAIHitTest->HitTestEx(nullptr, &message.cursor, kRequeteSurvol, tolerance, &touche);
  AIToolHitData donnees{};
  if (erreur == kNoErr) {
    erreur = sAIHitTest->GetHitData(touche, &donnees);
    sAIHitTest->Release(touche);
  }
  const bool surUnObjet = erreur == kNoErr && donnees.hit && donnees.object != nullptr;
  MontreCurseur(surUnObjet ? CurseurOutil::GuidesObjet : CurseurOutil::Generique);
  return erreur;
}
