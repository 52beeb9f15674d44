#include "model/PluginRegistry.h"

#include <algorithm>

namespace host {

Ref PluginRegistry::add(PluginRecord record) { return plugins_.insert(std::move(record)); }

void PluginRegistry::remove(Ref plugin) {
  forgetAccess(plugin);
  forgetNotifiers(plugin);
  plugins_.erase(plugin);
}

AIErr PluginRegistry::acquireAccess(Ref plugin, Ref* access) {
  if (!access || !plugins_.isLive(plugin)) return kBadParameterErr;
  const Ref made = access_.insert(plugin);
  if (made.isNull()) return kTooManyErr;
  *access = made;
  return kNoErr;
}

AIErr PluginRegistry::releaseAccess(Ref access) {
  if (!access_.isLive(access)) return kBadParameterErr;
  access_.erase(access);
  return kNoErr;
}

// Linear in the locks taken, a handful at most.
int32_t PluginRegistry::accessCount(Ref plugin) const {
  int32_t count = 0;
  for (uint32_t slot = 0; slot < access_.slotCount(); ++slot) {
    const Ref ref = access_.refAt(slot);
    if (access_.isLive(ref) && access_.at(slot) == plugin) ++count;
  }
  return count;
}

void PluginRegistry::forgetAccess(Ref plugin) {
  for (uint32_t slot = 0; slot < access_.slotCount(); ++slot) {
    const Ref ref = access_.refAt(slot);
    if (access_.isLive(ref) && access_.at(slot) == plugin) access_.erase(ref);
  }
}

AIErr PluginRegistry::addNotifier(Ref plugin, std::string name, std::string type, Ref* made) {
  if (!made || !plugins_.isLive(plugin)) return kBadParameterErr;
  const Ref notifier =
      notifiers_.insert(NotifierRecord{plugin, std::move(name), std::move(type), true});
  if (notifier.isNull()) return kTooManyErr;
  notifierOrder_.push_back(notifier);
  *made = notifier;
  return kNoErr;
}

std::vector<Ref> PluginRegistry::notifiersOf(Ref plugin, std::string_view type) const {
  std::vector<Ref> found;
  for (Ref ref : notifierOrder_) {
    const NotifierRecord& record = *notifiers_.find(ref);
    if (record.plugin == plugin && record.active && record.type == type) found.push_back(ref);
  }
  return found;
}

void PluginRegistry::forgetNotifiers(Ref plugin) {
  std::erase_if(notifierOrder_, [&](Ref ref) {
    if (notifiers_.find(ref)->plugin != plugin) return false;
    notifiers_.erase(ref);
    return true;
  });
}

AIErr PluginRegistry::pushContext(Ref plugin, Ref* context) {
  if (!context || !plugins_.isLive(plugin)) return kBadParameterErr;
  const Ref made{static_cast<uint32_t>(contexts_.size()), nextGeneration()};
  contexts_.push_back(made);
  *context = made;
  return kNoErr;
}

AIErr PluginRegistry::popContext(Ref context) {
  if (contexts_.empty() || contexts_.back() != context) return kBadParameterErr;
  contexts_.pop_back();
  return kNoErr;
}

void PluginRegistry::truncateContexts(size_t depth) {
  if (contexts_.size() > depth) contexts_.resize(depth);
}

}  // namespace host
