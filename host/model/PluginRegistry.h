// The plug-ins the host has loaded, as the suites see them: each one's record (name, options,
// Resources folder), the access locks it holds, the notifiers it registered, and the stack
// of application contexts pushed around its work. Plug-ins, locks, notifiers and contexts
// are addressed by (slot, generation) references, so a handle kept past its life is refused.
#ifndef GUIDES_HOST_MODEL_PLUGINREGISTRY_H
#define GUIDES_HOST_MODEL_PLUGINREGISTRY_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "AITypes.h"
#include "model/SlotTable.h"

namespace host {

struct PluginRecord {
  std::string fileName;         // the module's file name, as the log shows it
  std::string name;             // the name the plug-in gave itself
  std::string resourcesFolder;  // the Resources folder beside the module
  int32_t options = 0;
};

struct NotifierRecord {
  Ref plugin;
  std::string name;
  std::string type;
  bool active = true;
};

class PluginRegistry {
 public:
  Ref add(PluginRecord record);
  // Forgets the plug-in with its locks, notifiers and contexts.
  void remove(Ref plugin);
  PluginRecord* find(Ref plugin) { return plugins_.find(plugin); }
  const PluginRecord* find(Ref plugin) const { return plugins_.find(plugin); }

  // Access locks: a plug-in with at least one is never unloaded.
  AIErr acquireAccess(Ref plugin, Ref* access);
  AIErr releaseAccess(Ref access);
  int32_t accessCount(Ref plugin) const;
  // The locks die with the plug-in instance that took them (at its shutdown).
  void forgetAccess(Ref plugin);

  AIErr addNotifier(Ref plugin, std::string name, std::string type, Ref* made);
  NotifierRecord* notifier(Ref notifier) { return notifiers_.find(notifier); }
  // The active notifiers of a plug-in for a type, in order of registration.
  std::vector<Ref> notifiersOf(Ref plugin, std::string_view type) const;
  int32_t notifierCount() const { return static_cast<int32_t>(notifierOrder_.size()); }
  void forgetNotifiers(Ref plugin);

  // Contexts are pushed and popped like a stack; only the top one may be popped.
  AIErr pushContext(Ref plugin, Ref* context);
  AIErr popContext(Ref context);
  size_t contextDepth() const { return contexts_.size(); }
  // Drops the contexts pushed above a depth (those a plug-in left behind).
  void truncateContexts(size_t depth);

 private:
  SlotTable<PluginRecord> plugins_;
  SlotTable<Ref> access_;  // the plug-in each lock belongs to
  SlotTable<NotifierRecord> notifiers_;
  std::vector<Ref> notifierOrder_;
  std::vector<Ref> contexts_;
};

}  // namespace host

#endif
