// The life of a plug-in in the host: loaded -> started -> application started -> shut
// down (and started again by a restart). Messages that do not fit the state are out of
// order: the host logs them, and still sends them, since a plug-in must survive them.
#ifndef GUIDES_HOST_APP_LIFECYCLE_H
#define GUIDES_HOST_APP_LIFECYCLE_H

#include <string_view>

#include "AITypes.h"

namespace host {

enum class PluginState { Loaded, Started, ApplicationStarted, ShutDown };

enum class MessageKind { Startup, ApplicationStarted, Shutdown, Other };

MessageKind classify(std::string_view caller, std::string_view selector,
                     std::string_view notifierType);

// Why a message is out of order in a state ("before start-up"), or null when it fits.
const char* outOfOrder(PluginState state, MessageKind kind);

// The state after a message answered with result: a start-up that failed leaves the
// plug-in loaded; other results do not change the step reached.
PluginState stateAfter(PluginState state, MessageKind kind, AIErr result);

const char* stateName(PluginState state);

}  // namespace host

#endif
