// The host's own tools as `click` and `drag` use them when one of them is selected: the
// selection tool selects and moves art, the rectangle tool draws. Their clicks and drags go
// to no plug-in.
#ifndef GUIDES_HOST_SESSION_HOSTTOOLS_H
#define GUIDES_HOST_SESSION_HOSTTOOLS_H

#include "AITypes.h"
#include "session/Commands.h"

namespace host {

bool hostToolIsSelected();
// Each needs a document in front (CommandError otherwise).
void hostToolClick(CommandContext& context, AIRealPoint at, bool shift);
void hostToolDrag(CommandContext& context, AIRealPoint from, AIRealPoint to, bool shift);

}  // namespace host

#endif
