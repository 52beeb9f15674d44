// The host's own tools as `click` and `drag` use them when one of them is selected: the
// selection tool selects and moves art, the rectangle tool draws. Their clicks and drags go
// to no plug-in.
#ifndef GUIDES_HOST_SESSION_HOSTTOOLS_H
#define GUIDES_HOST_SESSION_HOSTTOOLS_H

#include <string>
#include <vector>

#include "AITypes.h"
#include "model/Ref.h"
#include "session/Commands.h"

namespace host {

bool hostToolIsSelected();
// Each needs a document in front (CommandError otherwise).
void hostToolClick(CommandContext& context, AIRealPoint at, bool shift);
void hostToolDrag(CommandContext& context, AIRealPoint from, AIRealPoint to, bool shift);

// The selection's edits the selection tool shares with the `selection` commands
// (SelectionCommands.cpp). `wanted` becomes the selection, notified when it changed or when
// art was deleted; the selection moves by dx, dy, all of it or, refused as `what`, nothing.
void changeSelection(CommandContext& context, const std::vector<Ref>& wanted, bool deleted = false);
void moveSelection(CommandContext& context, const std::string& what, AIReal dx, AIReal dy);

}  // namespace host

#endif
