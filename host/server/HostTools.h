// The host's own tools over the document, as the page uses them: the selection tool selects
// the art under a click (Shift adds it to the selection or takes it out), the rectangle tool
// draws a closed rectangular path by dragging, and Delete removes the selected art. Changes
// of the selection are notified to the plug-ins as the `select` command notifies them.
#ifndef GUIDES_HOST_SERVER_HOSTTOOLS_H
#define GUIDES_HOST_SERVER_HOSTTOOLS_H

#include "AITypes.h"
#include "session/Commands.h"

namespace host {

inline constexpr const char* kRectangleToolName = "Rectangle Tool";

// Registers the rectangle tool in a toolbox group of its own, before the plug-ins start.
void addRectangleTool();

bool selectionToolIsSelected();
bool rectangleToolIsSelected();

// The topmost art under the point becomes the selection (extend: added, or taken out when
// it was selected); a click on nothing selects nothing, unless it extends.
void selectAt(CommandContext& context, AIRealPoint at, double tolerance, bool extend);
// A rectangle with corners at both points; nothing when it has no width or no height.
void drawRectangle(CommandContext& context, AIRealPoint from, AIRealPoint to);
// Disposes of the selected art that the user could reach; a refusal names what stayed.
void deleteSelection(CommandContext& context);

}  // namespace host

#endif
