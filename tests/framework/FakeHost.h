// A small stand-in for the host, enough to start the plug-in: a basic suite that hands out
// tables by name and counts acquires and releases, the few suites start-up calls, and an
// in-memory preference store. Every other suite is a table that is never called.
#ifndef GUIDES_TESTS_FAKEHOST_H
#define GUIDES_TESTS_FAKEHOST_H

#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "AIPreference.h"
#include "SPBasic.h"

namespace fakehost {

using PrefValue = std::variant<bool, int32_t, double, std::string>;

struct State {
  // Suites.
  std::vector<std::string> acquired;  // names, in order of the calls
  std::vector<std::string> released;
  std::string refusedSuite;           // acquiring this one fails with refusal
  AIErr refusal = kNoErr;

  // SP Access: the lock.
  int locks = 0;
  int unlocks = 0;
  SPAccessRef releasedAccess = nullptr;

  std::string pluginName;
  std::vector<std::string> tools;  // names of the tools added
  std::vector<std::pair<std::string, std::string>> notifiers;  // registration name, type

  // AI Plugin options.
  int32_t pluginOptions = 0x5a;
  std::vector<int32_t> optionsWritten;
  AIErr optionsError = kNoErr;

  int contextPushes = 0;
  int contextPops = 0;

  // Preferences, keyed "section/key"; puts in order.
  std::map<std::string, PrefValue> prefs;
  std::vector<std::string> puts;
};

State& state();
// A new host: counters, refusals and preferences emptied.
void reset();

SPBasicSuite* basic();
const AIPreferenceSuite* preferences();
// The access reference the lock hands out.
SPAccessRef accessRef();

// Reads a stored value of type T under the plug-in's section; false when absent.
template <class T>
bool pref(const std::string& key, T& value) {
  auto found = state().prefs.find("RaltoGuides/" + key);
  if (found == state().prefs.end() || !std::holds_alternative<T>(found->second)) return false;
  value = std::get<T>(found->second);
  return true;
}
void setPref(const std::string& key, PrefValue value);

}  // namespace fakehost

#endif
