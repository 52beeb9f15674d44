#include "GuidesTraces.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <new>
#include <string>
#include <vector>

#include "GeometrieReperes.h"
#include "GuideSet.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "IAIArtboards.h"
#include "IAIError.h"
#include "IAIUnicodeString.h"
#include "Utilitaires.h"

AIArtHandle AHGroupe = nullptr;
bool GroupeCree = false;

AIArtHandle AHGroupeMH[kNombreMaxDePlans] = {};
AIArtHandle AHGroupeMB[kNombreMaxDePlans] = {};
AIArtHandle AHGroupeMG[kNombreMaxDePlans] = {};
AIArtHandle AHGroupeMD[kNombreMaxDePlans] = {};
AIArtHandle AHGroupeCO[kNombreMaxDePlans] = {};
AIArtHandle AHGroupeLI[kNombreMaxDePlans] = {};

AIArtHandle AHMargeHaut = nullptr;
AIArtHandle AHMargeBas = nullptr;
AIArtHandle AHMargeGauche = nullptr;
AIArtHandle AHMargeDroite = nullptr;

MaillonGuide* PtrPremierColonneLiee = nullptr;
MaillonGuide* PtrPremierLigneLiee = nullptr;

namespace {

constexpr const char* kNomCalqueReperes = "Ralto-Guides";
constexpr const char* kNomGroupeParent = "Repères";
constexpr const char* kTexteCalqueVerrouille = "Tracé impossible, le calque est verrouillé.";
constexpr const char* kTexteHorsDocument = "Tracé impossible, les repères sortiraient des limites du document.";
// "/r" is the alert's own text, not a line break.
constexpr const char* kTexteTropDePlans = "Il y a trop de plans de travail/rIllustrator limite ce nombre à 100.";

bool ArtValide(AIArtHandle art) {
  if (art == nullptr) return false;
  AIBoolean valide = false;
  return sAIArt->ValidArt(art, true, &valide) == kNoErr && valide;
}

AIErr Alerte(const char* texte) { return sAIUser->MessageAlert(ai::UnicodeString(texte).ref()); }

// ---------------------------------------------------------------------------------------
// What one kind of guide needs: its name, its group array, and its margin path or its list.

struct Sorte {
  SorteDeRepere sorte;
  const char* nom;
  AIArtHandle* groupes;
  AIArtHandle* cheminDeMarge;    // margin kinds
  MaillonGuide** listeDeChemins;  // columns and rows
};

const Sorte kMargeDroite = {SorteDeRepere::MargeDroite, "Marges droite", AHGroupeMD, &AHMargeDroite, nullptr};
const Sorte kMargeGauche = {SorteDeRepere::MargeGauche, "Marges gauche", AHGroupeMG, &AHMargeGauche, nullptr};
const Sorte kMargeBas = {SorteDeRepere::MargeBas, "Marges bas", AHGroupeMB, &AHMargeBas, nullptr};
const Sorte kMargeHaut = {SorteDeRepere::MargeHaut, "Marges haut", AHGroupeMH, &AHMargeHaut, nullptr};
const Sorte kColonnes = {SorteDeRepere::Colonnes, "Colonnes", AHGroupeCO, nullptr, &PtrPremierColonneLiee};
const Sorte kLignes = {SorteDeRepere::Lignes, "Lignes", AHGroupeLI, nullptr, &PtrPremierLigneLiee};

double MargeDeLaSorte(SorteDeRepere sorte, const ValeursDuSet& v) {
  switch (sorte) {
    case SorteDeRepere::MargeDroite: return v.margeDroite;
    case SorteDeRepere::MargeGauche: return v.margeGauche;
    case SorteDeRepere::MargeBas: return v.margeBas;
    default: return v.margeHaut;
  }
}

// Where a tracer lays its guides: artboard `plan`, or the clicked object's bounds.
struct Reference {
  bool objet;
  int plan;  // 0 for the object, which shares the artboard 1 entries

  // The group name: the kind's name, followed by the artboard number for an artboard.
  std::string NomDeGroupe(const char* nomDeSorte) const {
    std::string nom = nomDeSorte;
    if (!objet) nom += NumeroDePlan(plan);
    return nom;
  }

  // "1" to "100", written once: a live redraw names six groups per artboard.
  static const char* NumeroDePlan(int n) {
    static const auto numeros = [] {
      std::array<std::array<char, 8>, kNombreMaxDePlans> textes{};
      for (int k = 0; k < kNombreMaxDePlans; ++k)
        NombreEnChaine(static_cast<float>(k + 1), 0, textes[k].data(), textes[k].size());
      return textes;
    }();
    return numeros[n].data();
  }

  // The rectangle alone, the active artboard left as it is.
  AIErr LitPosition(AIRealRect& rectangle) const {
    if (objet) {
      rectangle = RectangleEnglobant;
      return kNoErr;
    }
    return ai::ArtboardList().position(plan, rectangle);
  }

  // The artboard is made active first (visible: after all artboards, the last is active).
  AIErr LitRectangle(AIRealRect& rectangle) const {
    if (objet) {
      rectangle = RectangleEnglobant;
      return kNoErr;
    }
    const ai::ArtboardList plans;
    const AIErr activation = plans.setActive(plan);
    if (activation != kNoErr) return activation;
    return plans.position(plan, rectangle);
  }
};

Reference PourPlan(int n) { return {false, n}; }
Reference PourObjet() { return {true, 0}; }
bool PlanConnu(int n) { return n >= 0 && n < kNombreMaxDePlans; }

// Makes art inside `parent`, on top. The handle is written only when the art is made: a
// failed creation must not leave an older handle in place that guides would then go into.
bool NouvelArt(int16_t type, AIArtHandle parent, AIArtHandle* art, AIErr& resultat) {
  AIArtHandle nouveau = nullptr;
  resultat = sAIArt->NewArt(type, kPlaceInsideOnTop, parent, &nouveau);
  if (resultat != kNoErr || nouveau == nullptr) return false;
  *art = nouveau;
  return true;
}

AIErr Nomme(AIArtHandle art, const std::string& nom) {
  return sAIArt->SetArtName(art, ai::UnicodeString(nom.c_str()).ref());
}

AIErr VerrouilleSelonOption(AIArtHandle chemin) {
  return sAIArt->SetArtUserAttr(chemin, kArtLocked, ReperesVerrouilles ? kArtLocked : 0);
}

// The kind's previous group at this place goes. The handle held names it unless the user
// undid the layout that made it: the undo brought back an earlier group of this kind, which
// the handle does not name, so the group of the kind's name in the parent group goes instead.
AIErr DetruitGroupeDeLaSorte(const Sorte& sorte, const Reference& reference) {
  AIArtHandle& groupe = sorte.groupes[reference.plan];
  if (ArtValide(groupe)) return sAIArt->DisposeArt(groupe);
  if (!ArtValide(AHGroupe)) return kNoErr;
  const ai::UnicodeString nom(reference.NomDeGroupe(sorte.nom).c_str());
  AIArtHandle enfant = nullptr;
  for (AIErr lecture = sAIArt->GetArtFirstChild(AHGroupe, &enfant); lecture == kNoErr && enfant != nullptr;
       lecture = sAIArt->GetArtSibling(enfant, &enfant)) {
    ai::UnicodeString nomDeLEnfant;
    if (sAIArt->GetArtName(enfant, nomDeLEnfant.slot(), nullptr) == kNoErr && nomDeLEnfant.compare(nom) == 0)
      return sAIArt->DisposeArt(enfant);
  }
  return kNoErr;
}

AIPathSegment SegmentDeChemin(AIRealPoint point) { return {point, point, point, true}; }

// TraceSimpleTrait for a path this tracer has just made, whose handle needs no check.
AIErr TraceCheminNeuf(const SegmentDeRepere& segment, AIArtHandle chemin) {
  const AIPathSegment points[2] = {SegmentDeChemin(segment.debut), SegmentDeChemin(segment.fin)};
  sAIPath->SetPathSegmentCount(chemin, 2);
  sAIPath->SetPathClosed(chemin, false);
  sAIPath->SetPathIsGuide(chemin, true);
  sAIPath->SetPathSegments(chemin, 0, 1, &points[0]);
  return sAIPath->SetPathSegments(chemin, 1, 1, &points[1]);
}

// One buffer for the segments of every trace: a live redraw re-traces on each panel change.
std::vector<SegmentDeRepere>& SegmentsEnCours() {
  static std::vector<SegmentDeRepere> segments;
  return segments;
}

// The reference rectangle and the kind's segments; the host's error when the artboard
// cannot be read, kTooManyErr or kNotFiniteErr when the set cannot be laid out.
AIErr CalculeSegments(const Sorte& sorte, const Reference& reference, const ValeursDuSet& valeurs,
                      std::vector<SegmentDeRepere>& segments) {
  AIRealRect rectangle = {0, 0, 0, 0};
  const AIErr lecture = reference.LitRectangle(rectangle);
  if (lecture != kNoErr) return lecture;
  const ModeDeTrace mode = reference.objet ? ModeDeTrace::PourObjet : ModeDeTrace::PourPlan;
  if (!SegmentsDuRepere(sorte.sorte, rectangle, valeurs, mode, segments)) return kTooManyErr;
  return SegmentsFinis(segments) ? kNoErr : kNotFiniteErr;
}

// ---------------------------------------------------------------------------------------
// The margin tracer: the previous group goes first, then one guide unless the margin is 0.

AIErr TraceMarge(const Sorte& sorte, const Reference& reference) {
  if (!PlanConnu(reference.plan)) return kBadParameterErr;
  AIArtHandle& groupe = sorte.groupes[reference.plan];
  DetruitGroupeDeLaSorte(sorte, reference);
  const ValeursDuSet valeurs = ValeursDuSetCourant();
  if (MargeDeLaSorte(sorte.sorte, valeurs) == 0.0) return kNoErr;
  if (!ArtValide(AHGroupe)) return kNoErr;
  // The rectangle is read before the group is made, so that an artboard the document no
  // longer has leaves no empty group behind.
  std::vector<SegmentDeRepere>& segments = SegmentsEnCours();
  AIErr resultat = CalculeSegments(sorte, reference, valeurs, segments);
  if (resultat != kNoErr || segments.empty()) return resultat;
  if (!NouvelArt(kGroupArt, AHGroupe, &groupe, resultat)) return resultat;
  resultat = Nomme(groupe, reference.NomDeGroupe(sorte.nom));
  if (!NouvelArt(kPathArt, groupe, sorte.cheminDeMarge, resultat)) return resultat;
  resultat = VerrouilleSelonOption(*sorte.cheminDeMarge);
  return TraceCheminNeuf(segments.front(), *sorte.cheminDeMarge);
}

// Nodes freed from a list wait here for the next trace instead of going back to the heap:
// a live redraw frees and makes the same number of nodes on every panel change.
MaillonGuide* MaillonsLibres = nullptr;

MaillonGuide* NouveauMaillon() {
  if (MaillonsLibres == nullptr) return new MaillonGuide;
  MaillonGuide* maillon = MaillonsLibres;
  MaillonsLibres = maillon->suivant;
  *maillon = MaillonGuide{};
  return maillon;
}

void LibereMaillon(MaillonGuide* maillon) {
  maillon->suivant = MaillonsLibres;
  MaillonsLibres = maillon;
}

void DetruitChaine(MaillonGuide*& tete) {
  while (tete != nullptr) {
    MaillonGuide* suivant = tete->suivant;
    delete tete;
    tete = suivant;
  }
}

// The list keeps only its last node: the paths of the freed nodes stay in the document.
void RaccourcitListe(MaillonGuide*& tete) {
  while (tete->suivant != nullptr) {
    MaillonGuide* ancienne = tete;
    tete = tete->suivant;
    LibereMaillon(ancienne);
  }
}

// The column and row tracer: nothing at all without a parent group; then the previous
// group goes, and a new one gets one path per segment, each remembered in the list.
AIErr TraceDivisions(const Sorte& sorte, const Reference& reference) {
  if (!PlanConnu(reference.plan)) return kBadParameterErr;
  if (!ArtValide(AHGroupe)) return kNoErr;
  AlloueListesDeGuides();
  MaillonGuide*& tete = *sorte.listeDeChemins;
  RaccourcitListe(tete);
  AIArtHandle& groupe = sorte.groupes[reference.plan];
  AIErr resultat = DetruitGroupeDeLaSorte(sorte, reference);
  const ValeursDuSet valeurs = ValeursDuSetCourant();
  const int32_t nombre = sorte.sorte == SorteDeRepere::Colonnes ? valeurs.nombreDeColonnes : valeurs.nombreDeLignes;
  if (nombre <= 1) return resultat;
  std::vector<SegmentDeRepere>& segments = SegmentsEnCours();
  resultat = CalculeSegments(sorte, reference, valeurs, segments);
  if (resultat != kNoErr) return resultat;
  if (!NouvelArt(kGroupArt, AHGroupe, &groupe, resultat)) return resultat;
  resultat = Nomme(groupe, reference.NomDeGroupe(sorte.nom));
  MaillonGuide* courant = tete;
  for (const SegmentDeRepere& segment : segments) {
    if (courant->suivant == nullptr) {
      courant->suivant = NouveauMaillon();
      if (!NouvelArt(kPathArt, groupe, &courant->chemin, resultat)) return resultat;
      resultat = VerrouilleSelonOption(courant->chemin);
      resultat = TraceCheminNeuf(segment, courant->chemin);
    } else {
      resultat = TraceSimpleTrait(SegmentDeChemin(segment.debut), SegmentDeChemin(segment.fin), &courant->chemin, 1);
    }
    courant = courant->suivant;
  }
  return resultat;
}

AIErr TraceSorte(const Sorte& sorte, const Reference& reference) {
  return CallGuarded([&] {
    return sorte.listeDeChemins != nullptr ? TraceDivisions(sorte, reference) : TraceMarge(sorte, reference);
  });
}

// The object tracer after a click on an object, else every artboard or the chosen one.
AIErr Repartit(AIErr (*pourPlan)(int), AIErr (*pourObjet)()) {
  if (CreerReperesSelonObjetClique) return pourObjet();
  if (!TousLesPlans) return pourPlan(NumeroDuPlan);
  AIErr resultat = kNoErr;
  const int nombre = std::clamp<int>(NbrPlans, 0, kNombreMaxDePlans);
  for (int n = 0; n < nombre; ++n) resultat = pourPlan(n);
  return resultat;
}

// Whether the kind's guides at this place fit the document's coordinates. A place that
// cannot be read, a margin of 0, a single column or row and a count beyond the geometry's
// limit are left to the tracers, which lay nothing out for them.
bool SorteTracable(const Sorte& sorte, const Reference& reference, const AIRealRect& rectangle,
                   const ValeursDuSet& valeurs) {
  if (sorte.listeDeChemins == nullptr && MargeDeLaSorte(sorte.sorte, valeurs) == 0.0) return true;
  const int32_t nombre = sorte.sorte == SorteDeRepere::Colonnes ? valeurs.nombreDeColonnes : valeurs.nombreDeLignes;
  if (sorte.listeDeChemins != nullptr && nombre <= 1) return true;
  const ModeDeTrace mode = reference.objet ? ModeDeTrace::PourObjet : ModeDeTrace::PourPlan;
  std::vector<SegmentDeRepere>& segments = SegmentsEnCours();
  return !SegmentsDuRepere(sorte.sorte, rectangle, valeurs, mode, segments) || SegmentsFinis(segments);
}

// The place is read once for its six kinds.
bool ReferenceTracable(const Reference& reference, const ValeursDuSet& valeurs) {
  AIRealRect rectangle = {0, 0, 0, 0};
  if (!PlanConnu(reference.plan) || reference.LitPosition(rectangle) != kNoErr) return true;
  for (const Sorte* sorte : {&kMargeDroite, &kMargeGauche, &kMargeBas, &kMargeHaut, &kColonnes, &kLignes})
    if (!SorteTracable(*sorte, reference, rectangle, valeurs)) return false;
  return true;
}

// ---------------------------------------------------------------------------------------
// The parent group.

// A layer that cannot be edited shows the alert; the click makes no parent group.
AIErr RefusCalqueVerrouille() {
  Alerte(kTexteCalqueVerrouille);
  return kLayerLockedErr;
}

AIErr EstModifiable(AILayerHandle calque, bool& modifiable) {
  AIBoolean editable = false;
  const AIErr resultat = sAILayer->GetLayerEditable(calque, &editable);
  modifiable = resultat == kNoErr && editable;
  return resultat;
}

// The first layer titled "Ralto-Guides", or null.
AIErr TrouveCalqueReperes(const ai::UnicodeString& nom, AILayerHandle& calque) {
  calque = nullptr;
  int32_t nombre = 0;
  AIErr resultat = sAILayer->CountLayers(&nombre);
  for (int32_t i = 0; i < nombre; ++i) {
    AILayerHandle candidat = nullptr;
    resultat = sAILayer->GetNthLayer(i, &candidat);
    if (resultat != kNoErr) continue;
    ai::UnicodeString titre;
    resultat = sAILayer->GetLayerTitle(candidat, titre.slot());
    if (resultat == kNoErr && titre.compare(nom) == 0) {
      calque = candidat;
      break;
    }
  }
  return resultat;
}

AIErr CreeCalqueReperes(const ai::UnicodeString& nom, AILayerHandle& calque) {
  AILayerHandle courant = nullptr;
  AIErr resultat = sAILayer->GetCurrentLayer(&courant);
  if (resultat != kNoErr) return resultat;
  resultat = sAILayer->InsertLayer(courant, kPlaceAboveAll, &calque);
  if (resultat != kNoErr) return resultat;
  return sAILayer->SetLayerTitle(calque, nom.ref());
}

// The previous parent group goes only when nothing was put in it.
void EffaceGroupeParentVide() {
  if (!ArtValide(AHGroupe)) return;
  AIArtHandle enfant = nullptr;
  if (sAIArt->GetArtFirstChild(AHGroupe, &enfant) == kNoErr && enfant == nullptr) sAIArt->DisposeArt(AHGroupe);
}

AIErr CreationGroupeDuClic() {
  if (GroupeCree) return kNoErr;
  const ai::UnicodeString nomDuCalque(kNomCalqueReperes);
  AILayerHandle calque = nullptr;
  AIErr resultat = TrouveCalqueReperes(nomDuCalque, calque);
  bool modifiable = false;
  if (calque != nullptr) {
    resultat = EstModifiable(calque, modifiable);
    if (resultat != kNoErr) return resultat;
    if (!modifiable) return RefusCalqueVerrouille();
  } else {
    resultat = CreeCalqueReperes(nomDuCalque, calque);
    if (resultat != kNoErr || calque == nullptr) return resultat;
  }
  // The guides layer may be editable and the click still refused: the user's layer is locked.
  AILayerHandle courant = nullptr;
  resultat = sAILayer->GetCurrentLayer(&courant);
  if (resultat != kNoErr) return resultat;
  resultat = EstModifiable(courant, modifiable);
  if (resultat != kNoErr) return resultat;
  if (!modifiable) return RefusCalqueVerrouille();
  // A null reference with "inside" would mean the current layer: never make the group there.
  AIArtHandle groupeDuCalque = nullptr;
  resultat = sAILayer->GetFirstArtOfLayer(calque, &groupeDuCalque);
  if (resultat != kNoErr || groupeDuCalque == nullptr) return resultat != kNoErr ? resultat : kCantHappenErr;
  EffaceGroupeParentVide();
  AIArtHandle nouveau = nullptr;
  resultat = sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, groupeDuCalque, &nouveau);
  if (resultat != kNoErr) return resultat;
  AHGroupe = nouveau;
  GroupeCree = true;
  return sAIArt->SetArtName(AHGroupe, ai::UnicodeString(kNomGroupeParent).ref());
}

}  // namespace

// -----------------------------------------------------------------------------------------

void AlloueListesDeGuides() {
  if (PtrPremierColonneLiee == nullptr) PtrPremierColonneLiee = new MaillonGuide;
  if (PtrPremierLigneLiee == nullptr) PtrPremierLigneLiee = new MaillonGuide;
}

void LibereListesDeGuides() {
  DetruitChaine(PtrPremierColonneLiee);
  DetruitChaine(PtrPremierLigneLiee);
  DetruitChaine(MaillonsLibres);
}

AIErr CreationGroupe() { return CallGuarded(CreationGroupeDuClic); }

AIErr TraceMargesDroitePourPlan(int n) { return TraceSorte(kMargeDroite, PourPlan(n)); }
AIErr TraceMargesDroitePourObjet() { return TraceSorte(kMargeDroite, PourObjet()); }
AIErr TraceMargesGauchePourPlan(int n) { return TraceSorte(kMargeGauche, PourPlan(n)); }
AIErr TraceMargesGauchePourObjet() { return TraceSorte(kMargeGauche, PourObjet()); }
AIErr TraceMargesBasPourPlan(int n) { return TraceSorte(kMargeBas, PourPlan(n)); }
AIErr TraceMargesBasPourObjet() { return TraceSorte(kMargeBas, PourObjet()); }
AIErr TraceMargesHautPourPlan(int n) { return TraceSorte(kMargeHaut, PourPlan(n)); }
AIErr TraceMargesHautPourObjet() { return TraceSorte(kMargeHaut, PourObjet()); }
AIErr TraceColonnesPourPlan(int n) { return TraceSorte(kColonnes, PourPlan(n)); }
AIErr TraceColonnesPourObjet() { return TraceSorte(kColonnes, PourObjet()); }
AIErr TraceLignesPourPlan(int n) { return TraceSorte(kLignes, PourPlan(n)); }
AIErr TraceLignesPourObjet() { return TraceSorte(kLignes, PourObjet()); }

AIErr TraceMargesDroite() { return Repartit(TraceMargesDroitePourPlan, TraceMargesDroitePourObjet); }
AIErr TraceMargesGauche() { return Repartit(TraceMargesGauchePourPlan, TraceMargesGauchePourObjet); }
AIErr TraceMargesBas() { return Repartit(TraceMargesBasPourPlan, TraceMargesBasPourObjet); }
AIErr TraceMargesHaut() { return Repartit(TraceMargesHautPourPlan, TraceMargesHautPourObjet); }
AIErr TraceColonnes() { return Repartit(TraceColonnesPourPlan, TraceColonnesPourObjet); }
AIErr TraceLignes() { return Repartit(TraceLignesPourPlan, TraceLignesPourObjet); }

bool DispositionTracable() {
  return CallGuarded([] {
           const ValeursDuSet valeurs = ValeursDuSetCourant();
           if (CreerReperesSelonObjetClique) return ReferenceTracable(PourObjet(), valeurs) ? kNoErr : kNotFiniteErr;
           if (!TousLesPlans) return ReferenceTracable(PourPlan(NumeroDuPlan), valeurs) ? kNoErr : kNotFiniteErr;
           const int nombre = std::clamp<int>(NbrPlans, 0, kNombreMaxDePlans);
           for (int n = 0; n < nombre; ++n)
             if (!ReferenceTracable(PourPlan(n), valeurs)) return kNotFiniteErr;
           return kNoErr;
         }) != kNotFiniteErr;
}

AIErr AlerteDispositionHorsDocument() {
  Alerte(kTexteHorsDocument);
  return kNotFiniteErr;
}

AIErr TraceSimpleTrait(AIPathSegment debut, AIPathSegment fin, AIArtHandle* chemin, unsigned char guide) {
  if (chemin == nullptr || !ArtValide(*chemin)) return kNoErr;
  debut.in = debut.out = debut.p;
  fin.in = fin.out = fin.p;
  // Each call's code replaces the previous one: the last is the result.
  sAIPath->SetPathSegmentCount(*chemin, 2);
  sAIPath->SetPathClosed(*chemin, false);
  sAIPath->SetPathIsGuide(*chemin, guide);
  sAIPath->SetPathSegments(*chemin, 0, 1, &debut);
  return sAIPath->SetPathSegments(*chemin, 1, 1, &fin);
}

void DetruitTrace(AIArtHandle* art) {
  if (art != nullptr && ArtValide(*art)) sAIArt->DisposeArt(*art);
}

AIErr EffaceReperes() {
  int premier = NumeroDuPlan, dernier = NumeroDuPlan;
  if (TousLesPlans) {
    premier = 0;
    dernier = std::min<int>(NbrPlans, kNombreMaxDePlans) - 1;
  }
  for (int n = std::max(premier, 0); n <= dernier && n < kNombreMaxDePlans; ++n)
    for (const Sorte* sorte : {&kMargeHaut, &kMargeBas, &kMargeGauche, &kMargeDroite, &kColonnes, &kLignes})
      DetruitGroupeDeLaSorte(*sorte, CreerReperesSelonObjetClique && n == 0 ? PourObjet() : PourPlan(n));
  return kNoErr;
}

AIErr CompteLesPlans() {
  return CallGuarded([] {
    const ai::ArtboardList plans;
    int32_t nombre = 0;
    const AIErr resultat = plans.count(nombre);
    NbrPlans = resultat == kNoErr ? std::max(nombre, 0) : 0;
    if (NbrPlans > kNombreMaxDePlans) {
      Alerte(kTexteTropDePlans);
      NbrPlans = kNombreMaxDePlans;
    }
    return resultat;
  });
}
