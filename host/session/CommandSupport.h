// What the event commands share: the modifier words they take, and the way a refused
// event is reported (a line on the session's output, kept in the host's log too), since a
// refusal is something that happens in a session, not a fault of the script.
#ifndef GUIDES_HOST_SESSION_COMMANDSUPPORT_H
#define GUIDES_HOST_SESSION_COMMANDSUPPORT_H

#include <cstdint>
#include <string>
#include <string_view>

#include "kit/Event.h"
#include "session/Commands.h"

namespace host {

struct Document;

// The document in front; CommandError when none is open.
Document& frontDocument();

struct Modifiers {
  bool alt = false;
  bool shift = false;
  bool cmd = false;

  uint16_t eventBits() const;           // the host's tool-event modifiers
  kit::ModifierFlags toolkitFlags() const;  // the toolkit's modifier flags
};

// Reads the words "alt" and "shift" (in any order) from arguments[first] on; "cmd" too
// when it is allowed.
Modifiers modifierArguments(const Arguments& arguments, size_t first, bool cmdAllowed = false);

// A whole number from 0 up (an item index).
int32_t indexArgument(std::string_view text);

// Writes "<what> refused: <reason>" on the session's output and in the host's log.
void reportRefusal(CommandContext& context, const std::string& what, std::string_view reason);

// While a dialog runs modally the document and the host's menus take no events: the
// refusal is reported and true returned.
bool refusedWhileModal(CommandContext& context, const std::string& what);

}  // namespace host

#endif
