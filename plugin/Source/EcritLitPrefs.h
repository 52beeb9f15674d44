// The options and the user sets kept in the host's preferences, section "RaltoGuides".
// A user set k (1 to 8) is a record of thirteen keys: two letters and the digit of k.
#ifndef GUIDES_ECRITLITPREFS_H
#define GUIDES_ECRITLITPREFS_H

#include <cstdint>
#include <string>
#include <vector>

#include "AITypes.h"

inline constexpr const char* kSectionPrefs = "RaltoGuides";
inline constexpr int32_t kNombreMaxSets = 8;

// First launch: the option globals take their default values, which are written with the
// set count 0 and the panel's two visibility keys.
void EcritPrefs();
// Start-up: reads the four options; without "TousPlans" it is a first launch.
void LitPrefs();

// The stored number of user sets, 0 to 8; where the stored count cannot be trusted, the
// number of complete set records from set 1 up.
int32_t LitNombreDeSets();
// The titles of sets 1 to the stored count, in order.
std::vector<std::string> LitTitresDesSets();
// Loads the values of set k into the current set, all but the title and the margin lock.
AIErr LitSet(int32_t k);
// Loads the margin lock of set k, once the set's values are shown.
AIErr LitCadenasDuSet(int32_t k);
// Stores the current set as set k, the new count of sets.
AIErr AjouteSet(int32_t k);
// Removes set s: the sets after it move down one number, the count drops by one.
AIErr SupprimeSet(int32_t s);

#endif
