// What the user is told about the preferences file: an alert and one line on standard error
// when a store could not be saved (once per store, not once per value), and when a run
// starts that will save nothing (the file is in use by another host, or unreadable).
#ifndef GUIDES_HOST_MODEL_PREFERENCESAVING_H
#define GUIDES_HOST_MODEL_PREFERENCESAVING_H

#include "model/PreferenceStore.h"

namespace host {

// Saves what was put since the last save; false when it could not be saved.
bool savePreferences();

// Reports what opening or reloading the file found.
void reportPreferencesOpened(const PreferenceStore::Report& report);

}  // namespace host

#endif
