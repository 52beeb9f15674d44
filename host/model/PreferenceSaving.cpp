#include "model/PreferenceSaving.h"

#include "model/Model.h"
#include "model/Shell.h"

namespace host {

bool savePreferences() {
  PreferenceStore& store = shell().preferences;
  if (store.save() != PreferenceStore::Saving::Failed) return true;
  const std::string& readOnly = store.readOnlyReason();
  if (!readOnly.empty()) {
    model().alert("Preferences not saved: " + readOnly + ".");
    shell().log.error("preferences not saved: " + readOnly, store.target().string());
  } else {
    model().alert("Preferences not saved (" + store.saveError() +
                  "); they are kept and will be saved with the next change.");
    shell().log.error("preferences not saved: " + store.saveError(), store.target().string());
  }
  return false;
}

void reportPreferencesOpened(const PreferenceStore::Report& report) {
  if (report.problem.empty()) return;
  shell().log.error(report.problem, report.detail);
  const std::string& readOnly = shell().preferences.readOnlyReason();
  if (!readOnly.empty()) model().alert("Preferences will not be saved in this session: " + readOnly + ".");
}

}  // namespace host
