#include "GuidesAnnotations.h"

#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "GuidesTraces.h"

namespace {

constexpr const char* kTexteAide = "Cliquez pour créer les repères.";
constexpr int32_t kPoliceAnnotation = 0;

bool GroupeDuDernierClicPresent() {
  if (AHGroupe == nullptr) return false;
  AIBoolean valide = false;
  return sAIArt->ValidArt(AHGroupe, true, &valide) == kNoErr && valide;
}

// The host's own smart-guide colour settings (no section): a component that cannot be
// read is 0. The result is the last read's code.
AIErr LitCouleurDesReperesCommentes(AIRGBColor* couleur) {
  struct Composante {
    const char* cle;
    uint16_t AIRGBColor::*champ;
  };
  static constexpr Composante kComposantes[] = {{"snapomatic/Color/red", &AIRGBColor::red},
                                                {"snapomatic/Color/green", &AIRGBColor::green},
                                                {"snapomatic/Color/blue", &AIRGBColor::blue}};
  AIErr erreur = kNoErr;
  for (const Composante& composante : kComposantes) {
    double fraction = 0.0;
    erreur = sAIPreference->GetRealPreference(nullptr, composante.cle, &fraction);
    couleur->*composante.champ = ComposanteDeCouleur(erreur == kNoErr ? fraction : 0.0);
  }
  return erreur;
}

}  // namespace

// Brought within range before narrowing: a double too large for a float is no float.
uint16_t ComposanteDeCouleur(double fraction) {
  if (!(fraction > 0.0)) return 0;  // NaN as well
  if (fraction >= 1.0) return 65535;
  return static_cast<uint16_t>(static_cast<float>(fraction) * 65535.0f);
}

AIErr DessineAnnotation(const AIAnnotatorMessage& message) {
  if (GroupeDuDernierClicPresent()) return kNoErr;
  sAIAnnotatorDrawer->SetLineWidth(message.drawer, 1.0f);
  sAIAnnotatorDrawer->SetLineDashed(message.drawer, false);
  AIRGBColor couleur{0, 0, 0};
  const AIErr lecture = LitCouleurDesReperesCommentes(&couleur);
  const AIErr dessin = TraceAnnoteTexte(message, couleur);
  return dessin != kNoErr ? dessin : lecture;
}

AIErr TraceAnnoteTexte(const AIAnnotatorMessage& message, const AIRGBColor& couleur) {
  sAIAnnotatorDrawer->SetColor(message.drawer, &couleur);
  sAIAnnotatorDrawer->SetFontPreset(message.drawer, kPoliceAnnotation);
  AIPoint point{0, 0};
  const AIErr erreur = sAIDocumentView->ArtworkPointToViewPoint(message.view, &PosTexteAnno, &point);
  if (erreur != kNoErr) return erreur;
  return sAIAnnotatorDrawer->DrawTextAligned(message.drawer, kTexteAide, &point);
}

AIErr InvalideAnnotations(const AIRect& rectangle) { return sAIAnnotator->InvalAnnotationRect(nullptr, &rectangle); }

AIErr ArtworkBoundsToViewBounds(const AIRealRect& artwork, AIRect* vue) {
  const AIRealPoint hautGauche{artwork.left, artwork.top};
  const AIRealPoint basDroite{artwork.right, artwork.bottom};
  AIPoint debut{0, 0};
  AIPoint fin{0, 0};
  AIErr erreur = sAIDocumentView->ArtworkPointToViewPoint(nullptr, &hautGauche, &debut);
  if (erreur == kNoErr) erreur = sAIDocumentView->ArtworkPointToViewPoint(nullptr, &basDroite, &fin);
  if (erreur == kNoErr) *vue = AIRect{debut.h, debut.v, fin.h, fin.v};
  return erreur;
}

AIErr InvalidateRect(const AIRealRect& artwork) {
  AIRect vue{0, 0, 0, 0};
  const AIErr erreur = ArtworkBoundsToViewBounds(artwork, &vue);
  if (erreur != kNoErr) return erreur;
  return InvalideAnnotations(vue);
}
