#include "BoutonsChamps.h"

#include <initializer_list>

#include "PanneauGlobals.h"
#include "kit/ComboBox.h"

kit::TrackingArea* trbttxtmargehaut = nullptr;
kit::TrackingArea* trbttxtmargebas = nullptr;
kit::TrackingArea* trbttxtmargegauche = nullptr;
kit::TrackingArea* trbttxtmargedroite = nullptr;
kit::TrackingArea* trbttxtnbrcol = nullptr;
kit::TrackingArea* trbttxtnbrlignes = nullptr;
kit::TrackingArea* trbttxtlargeurcol = nullptr;
kit::TrackingArea* trbttxthauteurlignes = nullptr;
kit::TrackingArea* trbttxtgouttierecol = nullptr;
kit::TrackingArea* trbttxtlargeurlig = nullptr;

namespace {

using Chemin = std::vector<kit::Point>;
constexpr RoleTrait A = RoleTrait::Accent;
constexpr RoleTrait C = RoleTrait::Contour;
constexpr RoleTrait G = RoleTrait::Grille;

// Polylines of one colour and width, each a path of its own.
std::vector<Trait> Lignes(RoleTrait role, double largeur, std::initializer_list<Chemin> chemins) {
  std::vector<Trait> traits;
  for (const Chemin& chemin : chemins) traits.push_back({role, largeur, chemin});
  return traits;
}

// Dots of one colour and width, each a path of its own.
std::vector<Trait> Points(RoleTrait role, double largeur, std::initializer_list<kit::Point> points) {
  std::vector<Trait> traits;
  for (kit::Point point : points) traits.push_back({role, largeur, {point}});
  return traits;
}

// The strokes of a pictogram, in drawing order. Coordinates in points, origin at the
// bottom-left corner of an 18 x 18 view.
std::vector<Trait> Icone(std::initializer_list<std::vector<Trait>> groupes) {
  std::vector<Trait> traits;
  for (const auto& groupe : groupes) traits.insert(traits.end(), groupe.begin(), groupe.end());
  return traits;
}

// In the margin icons the outline is the page, the grid the three other margins and the
// accent the margin of the view, along the page's edge and inside the page.
const std::vector<Trait> kTraitsMargeHaut = Icone({
    Lignes(A, 2, {{{0, 16}, {17, 16}}}),
    Lignes(C, 1, {{{0, 14}, {0, 0}, {16, 0}, {16, 14}}}),
    Lignes(G, 2, {{{1, 4}, {16, 4}}, {{4, 1}, {4, 15}}, {{13, 1}, {13, 15}}}),
    Lignes(A, 2, {{{1, 12}, {16, 12}}}),
});

const std::vector<Trait> kTraitsMargeBas = Icone({
    Lignes(A, 2, {{{0, 1}, {17, 1}}}),
    Lignes(C, 1, {{{0, 2}, {0, 16}, {16, 16}, {16, 2}}}),
    Lignes(G, 2, {{{1, 12}, {16, 12}}, {{4, 2}, {4, 16}}, {{13, 2}, {13, 16}}}),
    Lignes(A, 2, {{{1, 5}, {16, 5}}}),
});

const std::vector<Trait> kTraitsMargeGauche = Icone({
    Lignes(A, 2, {{{1, 1}, {1, 17}}}),
    Lignes(C, 1, {{{2, 16}, {16, 16}, {16, 1}, {2, 1}}}),
    Lignes(G, 2, {{{2, 5}, {16, 5}}, {{2, 12}, {16, 12}}, {{12, 2}, {12, 16}}}),
    Lignes(A, 2, {{{5, 2}, {5, 16}}}),
});

const std::vector<Trait> kTraitsMargeDroite = Icone({
    Lignes(A, 2, {{{16, 1}, {16, 17}}}),
    Lignes(C, 1, {{{14, 16}, {0, 16}, {0, 1}, {14, 1}}}),
    Lignes(G, 2, {{{1, 5}, {15, 5}}, {{1, 12}, {15, 12}}, {{4, 2}, {4, 16}}}),
    Lignes(A, 2, {{{12, 2}, {12, 16}}}),
});

// In the column and row icons the grid is the columns or rows; the dots mark the ends of
// the measured distance.
const std::vector<Trait> kTraitsNombreColonnes = Icone({
    Lignes(A, 2, {{{2, 8}, {8, 8}}, {{5, 5}, {5, 11}}, {{11, 8}, {17, 8}}}),
    Lignes(G, 1, {{{0, 0}, {0, 16}}, {{9, 0}, {9, 16}}, {{18, 0}, {18, 16}}}),
});

const std::vector<Trait> kTraitsNombreLignes = Icone({
    Lignes(A, 2, {{{6, 13}, {12, 13}}, {{9, 16}, {9, 10}}, {{6, 5}, {12, 5}}}),
    Lignes(G, 1, {{{0, 0}, {17, 0}}, {{0, 8}, {17, 8}}, {{0, 17}, {17, 17}}}),
});

const std::vector<Trait> kTraitsLargeurColonnes = Icone({
    Lignes(A, 2, {{{1, 8}, {18, 8}}}),
    Points(A, 1, {{2, 9}, {3, 10}, {2, 6}, {3, 5}, {11, 9}, {12, 10}, {11, 6}, {12, 5},
                  {7, 9}, {6, 10}, {7, 6}, {6, 5}, {16, 9}, {15, 10}, {16, 6}, {15, 5}}),
    Lignes(G, 1, {{{0, 0}, {0, 16}}, {{9, 0}, {9, 16}}, {{18, 0}, {18, 16}}}),
});

const std::vector<Trait> kTraitsHauteurLignes = Icone({
    Lignes(A, 2, {{{9, 1}, {9, 18}}}),
    Points(A, 1, {{7, 16}, {6, 15}, {10, 16}, {11, 15}, {7, 7}, {6, 6}, {10, 7}, {11, 6},
                  {7, 11}, {6, 12}, {10, 11}, {11, 12}, {7, 2}, {6, 3}, {10, 2}, {11, 3}}),
    Lignes(G, 1, {{{0, 0}, {17, 0}}, {{0, 9}, {17, 9}}, {{0, 18}, {17, 18}}}),
});

const std::vector<Trait> kTraitsGouttiereColonnes = Icone({
    Lignes(G, 1, {{{0, 0}, {0, 16}}, {{7, 0}, {7, 16}}, {{11, 0}, {11, 16}}, {{18, 0}, {18, 16}}}),
    Lignes(A, 2, {{{6, 8}, {13, 8}}}),
    Points(A, 1, {{7, 9}, {8, 10}, {7, 6}, {8, 5}, {10, 10}, {11, 9}, {11, 6}, {10, 5}}),
});

const std::vector<Trait> kTraitsGouttiereLignes = Icone({
    Lignes(G, 1, {{{0, 0}, {17, 0}}, {{0, 7}, {17, 7}}, {{0, 11}, {17, 11}}, {{0, 18}, {17, 18}}}),
    Lignes(A, 2, {{{9, 6}, {9, 13}}}),
    Points(A, 1, {{10, 7}, {11, 8}, {7, 7}, {6, 8}, {11, 10}, {10, 11}, {7, 11}, {6, 10}}),
});

kit::TextField* ChampMargeHaut() { return GzoneMargeHaut; }
kit::TextField* ChampMargeBas() { return GzoneMargeBas; }
kit::TextField* ChampMargeGauche() { return GzoneMargeGauche; }
kit::TextField* ChampMargeDroite() { return GzoneMargeDroite; }
kit::TextField* ChampNbrColonnes() { return GzoneNbrColonnes; }
kit::TextField* ChampNbrLignes() { return GzoneNbrLignes; }
kit::TextField* ChampLargeurColonne() { return GzoneLargeurColonne; }
kit::TextField* ChampHauteurLigne() { return GzoneHauteurLigne; }
kit::TextField* ChampGouttiereColonne() { return GzoneGouttiereColonne; }
kit::TextField* ChampGouttiereLigne() { return GzoneGouttiereLigne; }

const ModeleIcone kMargeHaut{"BoutonMargeHaut", &kTraitsMargeHaut, ChampMargeHaut, &trbttxtmargehaut, false};
const ModeleIcone kMargeBas{"BoutonMargeBas", &kTraitsMargeBas, ChampMargeBas, &trbttxtmargebas, true};
const ModeleIcone kMargeGauche{"BoutonMargeGauche", &kTraitsMargeGauche, ChampMargeGauche, &trbttxtmargegauche, true};
const ModeleIcone kMargeDroite{"BoutonMargeDroite", &kTraitsMargeDroite, ChampMargeDroite, &trbttxtmargedroite, true};
const ModeleIcone kNombreColonnes{"BoutonNombreColonnes", &kTraitsNombreColonnes, ChampNbrColonnes, &trbttxtnbrcol,
                                  false};
const ModeleIcone kNombreLignes{"BoutonNombreLignes", &kTraitsNombreLignes, ChampNbrLignes, &trbttxtnbrlignes, false};
const ModeleIcone kLargeurColonnes{"BoutonLargeurColonnes", &kTraitsLargeurColonnes, ChampLargeurColonne,
                                   &trbttxtlargeurcol, false};
const ModeleIcone kHauteurLignes{"BoutonHauteurLignes", &kTraitsHauteurLignes, ChampHauteurLigne,
                                 &trbttxthauteurlignes, false};
const ModeleIcone kGouttiereColonnes{"BoutonGouttiereColonnes", &kTraitsGouttiereColonnes, ChampGouttiereColonne,
                                     &trbttxtgouttierecol, false};
const ModeleIcone kGouttiereLignes{"BoutonGouttiereLignes", &kTraitsGouttiereLignes, ChampGouttiereLigne,
                                   &trbttxtlargeurlig, false};

}  // namespace

BoutonMargeHaut::BoutonMargeHaut(const kit::Rect& frame) : IconeChamp(frame, kMargeHaut) {}
BoutonMargeBas::BoutonMargeBas(const kit::Rect& frame) : IconeChamp(frame, kMargeBas) {}
BoutonMargeGauche::BoutonMargeGauche(const kit::Rect& frame) : IconeChamp(frame, kMargeGauche) {}
BoutonMargeDroite::BoutonMargeDroite(const kit::Rect& frame) : IconeChamp(frame, kMargeDroite) {}
BoutonNombreColonnes::BoutonNombreColonnes(const kit::Rect& frame) : IconeChamp(frame, kNombreColonnes) {}
BoutonNombreLignes::BoutonNombreLignes(const kit::Rect& frame) : IconeChamp(frame, kNombreLignes) {}
BoutonLargeurColonnes::BoutonLargeurColonnes(const kit::Rect& frame) : IconeChamp(frame, kLargeurColonnes) {}
BoutonHauteurLignes::BoutonHauteurLignes(const kit::Rect& frame) : IconeChamp(frame, kHauteurLignes) {}
BoutonGouttiereColonnes::BoutonGouttiereColonnes(const kit::Rect& frame) : IconeChamp(frame, kGouttiereColonnes) {}
BoutonGouttiereLignes::BoutonGouttiereLignes(const kit::Rect& frame) : IconeChamp(frame, kGouttiereLignes) {}
