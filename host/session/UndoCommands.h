// The session commands `undo` and `redo`: the front document's last step undone or redone,
// a refusal when there is none.
#ifndef GUIDES_HOST_SESSION_UNDOCOMMANDS_H
#define GUIDES_HOST_SESSION_UNDOCOMMANDS_H

#include "session/Commands.h"

namespace host {

void undo(CommandContext& context, const Arguments& arguments);
void redo(CommandContext& context, const Arguments& arguments);

}  // namespace host

#endif
