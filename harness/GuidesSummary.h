// What `print summary` tells of the guides plug-in, between the last click and the hints:
// the guides of each "Repères" group, and the set and unit of the panel.
#ifndef GUIDES_HARNESS_GUIDESSUMMARY_H
#define GUIDES_HARNESS_GUIDESSUMMARY_H

#include <string>

namespace harness {

// " | guides 8: Repères 8 | set "Set par défaut" | unit mm":
//   - "guides N" counts every guide of the front document, then each "Repères" group's
//     guides in document order ("guides 24: Repères 8, Repères 16"), an emptied one as 0;
//     "no document" when none is open;
//   - "set TITLE | unit UNIT", the item chosen in the panel's popup of sets and the unit
//     its top margin is shown in ("?" for none), left out with no panel.
std::string summaryParts();

}  // namespace harness

#endif
