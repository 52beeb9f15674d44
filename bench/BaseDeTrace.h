// The baseline the tracing benchmarks compare against: the same kind groups, names and
// guide paths as the tracers make, in the same order, from segments computed once before
// timing. Like the tracers it reads each group's artboard through the artboard suite (list,
// active artboard, properties, position), which the design asks of every group; it skips
// the plug-in's own work: geometry, validity checks of its handles, the path lists.
#ifndef GUIDES_BENCH_BASEDETRACE_H
#define GUIDES_BENCH_BASEDETRACE_H

#include <string>
#include <vector>

#include "AIArt.h"
#include "GeometrieReperes.h"

struct GroupeAFaire {
  int plan;
  std::string nom;
  std::vector<SegmentDeRepere> segments;
};

// The six kinds' groups for `plans` artboards of 595 x 842 laid out as the simulated host
// does (20 apart), with the current set's values.
std::vector<GroupeAFaire> GroupesDuCas(int plans);

// Disposes of the groups made last time (`faits`) and makes `aFaire` again inside `parent`.
void TraceDirect(AIArtHandle parent, const std::vector<GroupeAFaire>& aFaire, std::vector<AIArtHandle>& faits);

#endif
