// The tool's messages and the annotator's: what GuidesPlugIn does with them.
#include "EcritLitPrefs.h"
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"

// Registration: the stored options are read first, the tool itself comes next.
ASErr GuidesPlugIn::AddTools(SPInterfaceMessage*) {
  LitPrefs();
  return kNoErr;
}

ASErr GuidesPlugIn::AddAnnotator(SPInterfaceMessage*) { return kNoErr; }

ASErr GuidesPlugIn::toolAnnotate(AIAnnotatorMessage*) { return kUnhandledMsgErr; }
ASErr GuidesPlugIn::InvalAnnotator(AIAnnotatorMessage*) { return kUnhandledMsgErr; }

ASErr GuidesPlugIn::EditTool(AIToolMessage* message) { return Plugin::EditTool(message); }
ASErr GuidesPlugIn::TrackToolCursor(AIToolMessage* message) { return Plugin::TrackToolCursor(message); }
ASErr GuidesPlugIn::ToolMouseDown(AIToolMessage* message) { return Plugin::ToolMouseDown(message); }
ASErr GuidesPlugIn::ToolMouseDrag(AIToolMessage* message) { return Plugin::ToolMouseDrag(message); }
ASErr GuidesPlugIn::ToolMouseUp(AIToolMessage* message) { return Plugin::ToolMouseUp(message); }
ASErr GuidesPlugIn::SelectTool(AIToolMessage* message) { return Plugin::SelectTool(message); }
ASErr GuidesPlugIn::DeselectTool(AIToolMessage* message) { return Plugin::DeselectTool(message); }
