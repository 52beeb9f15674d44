// The guide art in the document: the layer "Ralto-Guides", one parent group "Repères" per
// click, one group per kind of guide and per artboard, and the guide paths; the tracers that
// lay each kind out, the erase and the artboard cap.
//
// Art handles belong to the host and may go stale (the user deletes the art, another
// document comes in front): every use first asks the host whether the handle is still
// valid and treats a stale one as absent. Handles are not cleared after disposal.
#ifndef GUIDES_GUIDESTRACES_H
#define GUIDES_GUIDESTRACES_H

#include "AITypes.h"

// The groups of one kind are remembered for artboard indices 0 to 99 only.
constexpr int kNombreMaxDePlans = 100;

// One node of the list of the column (or row) guide paths of the last traced artboard.
struct MaillonGuide {
  MaillonGuide* suivant = nullptr;
  AIArtHandle chemin = nullptr;
};

// The parent group of the last click, and whether CreationGroupe made it during this click.
extern AIArtHandle AHGroupe;
extern bool GroupeCree;

// The kind groups, indexed by 0-based artboard; index 0 is shared by artboard 1 and by the
// object tracers.
extern AIArtHandle AHGroupeMH[kNombreMaxDePlans];
extern AIArtHandle AHGroupeMB[kNombreMaxDePlans];
extern AIArtHandle AHGroupeMG[kNombreMaxDePlans];
extern AIArtHandle AHGroupeMD[kNombreMaxDePlans];
extern AIArtHandle AHGroupeCO[kNombreMaxDePlans];
extern AIArtHandle AHGroupeLI[kNombreMaxDePlans];

// The last guide path made for each margin kind.
extern AIArtHandle AHMargeHaut;
extern AIArtHandle AHMargeBas;
extern AIArtHandle AHMargeGauche;
extern AIArtHandle AHMargeDroite;

// Heads of the column and row path lists: each list is never empty once allocated.
extern MaillonGuide* PtrPremierColonneLiee;
extern MaillonGuide* PtrPremierLigneLiee;

// Makes the head of each list that does not exist yet (a single node); the column and row
// tracers call it too, so a list exists before it is first used.
void AlloueListesDeGuides();
// Frees every node of both lists and clears the heads. The paths stay in the document.
void LibereListesDeGuides();

// Finds or makes the guides layer and makes this click's parent group in AHGroupe. A locked
// guides layer or a locked current layer shows "Tracé impossible, le calque est verrouillé."
// and answers kLayerLockedErr with no group made.
AIErr CreationGroupe();

// The dispatchers: the object tracer after a click on an object, else the artboard tracer
// for every artboard up to NbrPlans when TousLesPlans is set, else for NumeroDuPlan. Each
// returns its last tracer's result (0 when none ran).
AIErr TraceMargesDroite();
AIErr TraceMargesGauche();
AIErr TraceMargesBas();
AIErr TraceMargesHaut();
AIErr TraceColonnes();
AIErr TraceLignes();

// The tracers of one kind: on artboard n (0-based; an index outside 0..99 answers
// kBadParameterErr and changes nothing) or around RectangleEnglobant. Each removes the
// kind's previous group for that index and lays out the current set's guides in a new
// group inside AHGroupe. An artboard the document no longer has gets no guides and the
// host's error is returned; a column or row count above the geometry's limit lays out
// nothing and answers kTooManyErr; values giving non-finite coordinates lay out nothing
// and answer kNotFiniteErr. Otherwise each host call's code replaces the previous one and
// the last is returned.
AIErr TraceMargesDroitePourPlan(int n);
AIErr TraceMargesDroitePourObjet();
AIErr TraceMargesGauchePourPlan(int n);
AIErr TraceMargesGauchePourObjet();
AIErr TraceMargesBasPourPlan(int n);
AIErr TraceMargesBasPourObjet();
AIErr TraceMargesHautPourPlan(int n);
AIErr TraceMargesHautPourObjet();
AIErr TraceColonnesPourPlan(int n);
AIErr TraceColonnesPourObjet();
AIErr TraceLignesPourPlan(int n);
AIErr TraceLignesPourObjet();

// Whether the current set can be laid out where the tracers would lay it (the clicked
// object, else every artboard up to NbrPlans or NumeroDuPlan): every coordinate of every
// kind within what the document holds. A place that cannot be read counts as drawable:
// its tracer reports it.
bool DispositionTracable();
// Tells the user that the layout cannot be drawn ("Tracé impossible, les repères
// sortiraient des limites du document.") and answers kNotFiniteErr.
AIErr AlerteDispositionHorsDocument();

// Gives an existing path the two points of a straight guide (direction handles on the
// points), open, with the given guide flag. A stale handle answers 0 and changes nothing.
AIErr TraceSimpleTrait(AIPathSegment debut, AIPathSegment fin, AIArtHandle* chemin, unsigned char guide);

// Disposes the art when the handle is still valid. The handle itself is not cleared.
void DetruitTrace(AIArtHandle* art);

// Removes the kind groups of every artboard up to NbrPlans when TousLesPlans is set, else
// of NumeroDuPlan. Parent groups and the layer stay.
AIErr EffaceReperes();

// Counts the document's artboards into NbrPlans (0 when they cannot be counted); more than
// 100 shows "Il y a trop de plans de travail/rIllustrator limite ce nombre à 100." and
// keeps 100. Returns the host's code of the count.
AIErr CompteLesPlans();

#endif
