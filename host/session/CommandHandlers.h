// What each session command does. Each one throws CommandError when it cannot run.
#ifndef GUIDES_HOST_SESSION_COMMANDHANDLERS_H
#define GUIDES_HOST_SESSION_COMMANDHANDLERS_H

#include "session/Commands.h"

namespace host {

// Documents and artboards.
void documentNew(CommandContext& context, const Arguments& arguments);
void documentSwitch(CommandContext& context, const Arguments& arguments);
void documentClose(CommandContext& context, const Arguments& arguments);
void documentOpen(CommandContext& context, const Arguments& arguments);
void documentSave(CommandContext& context, const Arguments& arguments);
void artboardAdd(CommandContext& context, const Arguments& arguments);
void artboardRemove(CommandContext& context, const Arguments& arguments);

// Art and layers.
void rect(CommandContext& context, const Arguments& arguments);
void layerNew(CommandContext& context, const Arguments& arguments);
void layerLock(CommandContext& context, const Arguments& arguments);
void layerUnlock(CommandContext& context, const Arguments& arguments);
void layerCurrent(CommandContext& context, const Arguments& arguments);
void deleteArt(CommandContext& context, const Arguments& arguments);

// Events over the document.
void selectTool(CommandContext& context, const Arguments& arguments);
void move(CommandContext& context, const Arguments& arguments);
void click(CommandContext& context, const Arguments& arguments);
void drag(CommandContext& context, const Arguments& arguments);
void key(CommandContext& context, const Arguments& arguments);
void zoom(CommandContext& context, const Arguments& arguments);

// The selection and the view, as the page edits them.
void selectionMove(CommandContext& context, const Arguments& arguments);
void selectionDelete(CommandContext& context, const Arguments& arguments);
void selectionResize(CommandContext& context, const Arguments& arguments);
void pan(CommandContext& context, const Arguments& arguments);
void fit(CommandContext& context, const Arguments& arguments);
void printView(CommandContext& context, const Arguments& arguments);

// The front document's last step undone or redone; a refusal when there is none.
void undo(CommandContext& context, const Arguments& arguments);
void redo(CommandContext& context, const Arguments& arguments);

// Menus, flyout menus, theme.
void menu(CommandContext& context, const Arguments& arguments);
void flyout(CommandContext& context, const Arguments& arguments);
void theme(CommandContext& context, const Arguments& arguments);

// Changes the plug-ins are notified of: the ruler unit and the selection.
void rulerUnit(CommandContext& context, const Arguments& arguments);
void select(CommandContext& context, const Arguments& arguments);

// Controls of the panel and windows.
void uiClick(CommandContext& context, const Arguments& arguments);
void uiType(CommandContext& context, const Arguments& arguments);
void uiCommand(CommandContext& context, const Arguments& arguments);
void uiChoose(CommandContext& context, const Arguments& arguments);
void uiHover(CommandContext& context, const Arguments& arguments);
void uiLeave(CommandContext& context, const Arguments& arguments);

// Printouts and files.
void printDocument(CommandContext& context, const Arguments& arguments);
void printBounds(CommandContext& context, const Arguments& arguments);
void printGuides(CommandContext& context, const Arguments& arguments);
void printPrefs(CommandContext& context, const Arguments& arguments);
void printLog(CommandContext& context, const Arguments& arguments);
void saveJson(CommandContext& context, const Arguments& arguments);
void saveSvg(CommandContext& context, const Arguments& arguments);
void printTools(CommandContext& context, const Arguments& arguments);
void printMenus(CommandContext& context, const Arguments& arguments);
void printOverlay(CommandContext& context, const Arguments& arguments);
void printCursor(CommandContext& context, const Arguments& arguments);
void printSounds(CommandContext& context, const Arguments& arguments);
void printUrls(CommandContext& context, const Arguments& arguments);
void printPanel(CommandContext& context, const Arguments& arguments);
void savePanelJson(CommandContext& context, const Arguments& arguments);
void savePanelSvg(CommandContext& context, const Arguments& arguments);

// Narration for sessions that tell a story.
void say(CommandContext& context, const Arguments& arguments);
void printSummary(CommandContext& context, const Arguments& arguments);

// The plug-ins' run.
void restart(CommandContext& context, const Arguments& arguments);
void quit(CommandContext& context, const Arguments& arguments);
void purge(CommandContext& context, const Arguments& arguments);
void unload(CommandContext& context, const Arguments& arguments);

}  // namespace host

#endif
