#include "Theme.h"

#include "GuidesSuites.h"

bool InterfaceSombre = false;

float RougeTheme = 0.0f;
float VertTheme = 0.0f;
float BleuTheme = 0.0f;
float AlphaTheme = 0.0f;

float RougeTexteTheme = 0.0f;
float VertTexteTheme = 0.0f;
float BleuTexteTheme = 0.0f;
float AlphaTexteTheme = 0.0f;

float RougeFondTheme = 0.0f;
float VertFondTheme = 0.0f;
float BleuFondTheme = 0.0f;
float AlphaFondTheme = 0.0f;

namespace {

// The theme's colours, component by component. One record serves every query, so a query
// that fails leaves the previous component's colour in it.
struct CouleurTheme {
  float& rouge;
  float& vert;
  float& bleu;
  float& alpha;
};

AIErr LitCouleur(int32_t composante, AIUIThemeColor& couleur, const CouleurTheme& cible) {
  const AIErr erreur = sAIUITheme->GetUIThemeColor(kAIUIThemeSelectorPanel, composante, &couleur);
  cible.rouge = couleur.red;
  cible.vert = couleur.green;
  cible.bleu = couleur.blue;
  cible.alpha = couleur.alpha;
  return erreur;
}

}  // namespace

AIErr LitLeTheme() {
  if (sAIUITheme == nullptr) return kNoErr;
  AIBoolean sombre = false;
  sAIUITheme->IsDarkTheme(&sombre);
  InterfaceSombre = sombre != 0;
  AIUIThemeColor couleur{1, 0, 0, 0};
  LitCouleur(kAIUIComponentBackground, couleur, {RougeTheme, VertTheme, BleuTheme, AlphaTheme});
  LitCouleur(kAIUIComponentText, couleur, {RougeTexteTheme, VertTexteTheme, BleuTexteTheme, AlphaTexteTheme});
  LitCouleur(kAIUIComponentFieldBackground, couleur, {RougeFondTheme, VertFondTheme, BleuFondTheme, AlphaFondTheme});
  // The highlight colour is asked for but not used.
  float rouge = 0, vert = 0, bleu = 0, alpha = 0;
  return LitCouleur(kAIUIComponentHighlight, couleur, {rouge, vert, bleu, alpha});
}
