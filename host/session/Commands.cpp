#include "session/Commands.h"

#include <algorithm>

#include "app/Application.h"
#include "session/CommandHandlers.h"

namespace host {

namespace {

// Commands that change something are events: the event loop settles after them (tools
// told, posted keys served, overlay redrawn). Printouts and files are not.
constexpr bool kEvent = true;
constexpr bool kOutput = false;

const Command kCommands[] = {
    // Documents, art and layers.
    {"document new", "W H [artboards N] [unit in|cm|pt|pi|mm|px|ft|yd|m|q]",
     "a new document in front; artboard k at left k*(W+20), bottom 0, top H", 2, 4, false, kEvent,
     documentNew},
    {"document switch", "N", "brings document N (1-based, in order of creation) in front", 1, 0,
     false, kEvent, documentSwitch},
    {"document close", "", "closes the document in front", 0, 0, false, kEvent, documentClose},
    {"document open", "PATH",
     "opens an SVG file as a new document in front: its pages, layers, objects and guides", 1, 0,
     true, kEvent, documentOpen},
    {"document save", "[PATH]",
     "saves the document in front as SVG: to PATH, or back to the file it was opened from or last "
     "saved to; the file keeps every byte but the host's guides and layers",
     0, 1, true, kOutput, documentSave},
    {"artboard add", "L T R B", "adds an artboard to the document in front", 4, 0, false, kEvent,
     artboardAdd},
    {"artboard remove", "N", "removes artboard N (1-based)", 1, 0, false, kEvent, artboardRemove},
    {"rect", "L T R B [NAME]", "a closed rectangular path on top of the current layer", 4, 1, true,
     kEvent, rect},
    {"layer new", "NAME", "a new layer above all others; it becomes the current layer", 1, 0, true,
     kEvent, layerNew},
    {"layer lock", "NAME", "makes a layer not editable", 1, 0, true, kEvent, layerLock},
    {"layer unlock", "NAME", "makes a layer editable", 1, 0, true, kEvent, layerUnlock},
    {"layer current", "NAME", "makes a layer the current one", 1, 0, true, kEvent, layerCurrent},
    {"delete", "PATH",
     "deletes the first art named PATH, or found by a path of names from a layer title; a layer "
     "title alone deletes the layer",
     1, 0, true, kEvent, deleteArt},
    {"undo", "", "undoes the last change to the document in front (art, layers, artboards, selection)",
     0, 0, false, kEvent, undo},
    {"redo", "", "redoes the last change undone in the document in front", 0, 0, false, kEvent, redo},

    // Events over the document (refused while a dialog runs modally, but for keys).
    {"tool", "NAME",
     "selects a tool by name; the plug-in tools losing and gaining the selection are told", 1, 0,
     true, kEvent, selectTool},
    {"move", "X Y [alt] [shift]",
     "the cursor moves to an artwork point; the selected plug-in tool tracks it if it asked to", 2,
     2, false, kEvent, move},
    {"click", "X Y [alt] [shift]",
     "mouse down then up at an artwork point; with the host's selection tool, the art under it "
     "is selected (shift: added, or taken out)",
     2, 2, false, kEvent, click},
    {"drag", "X1 Y1 X2 Y2 [alt] [shift]",
     "mouse down at the first point, drag to the second, up; with the host's selection tool, the "
     "art under the first point is selected and moved, with its rectangle tool a rectangle is drawn",
     4, 2, false, kEvent, drag},
    {"key", "return|escape|CHAR [cmd] [alt] [shift]",
     "a key: Return over the document makes the selected plug-in tool edit its options; in a "
     "dialog running modally, the key presses the button it is the key equivalent of",
     1, 3, false, kEvent, key},
    {"zoom", "Z", "sets the zoom of the front document's first view (1/64 to 64)", 1, 0, false,
     kEvent, zoom},

    // The selection and the view, as the page edits them.
    {"selection move", "DX DY",
     "moves the selected art by DX DY points; refused, moving nothing, when part of it is "
     "locked or hidden or in a locked or hidden layer",
     2, 0, false, kEvent, selectionMove},
    {"selection resize", "nw|n|ne|e|se|s|sw|w DX DY [shift]",
     "drags a handle of the selection's bounds by DX DY points, the opposite edges staying, and "
     "scales the selected art into the new bounds (shift: a corner keeps the proportions); "
     "refused as a move is, and when a size would be zero or less",
     3, 1, false, kEvent, selectionResize},
    {"selection delete", "",
     "deletes the selected art; what is locked or hidden, or in a locked or hidden layer, stays",
     0, 0, false, kEvent, selectionDelete},
    {"pan", "DX DY", "moves the front document's view over the artwork by DX DY points, as a hand drag",
     2, 0, false, kEvent, pan},
    {"fit", "", "centres the front document's view on its artboards, zoomed to show them all", 0, 0,
     false, kEvent, fit},

    // The host's menus, the panels' flyout menus and the theme.
    {"menu", "PATH",
     "chooses a menu item by its path of texts, e.g. Palettes d'outils/My Tools/Hide My Panel "
     "(the items are updated first); Aide/À propos des modules/NAME asks a plug-in for its About",
     1, 0, true, kEvent, menu},
    {"flyout", "ID", "chooses the item ID of the panel's flyout menu", 1, 0, false, kEvent, flyout},
    {"theme", "dark|light", "switches the interface theme; plug-ins are told of the change", 1, 0,
     false, kEvent, theme},
    {"ruler-unit", "in|cm|pt|pi|mm|px|q|ft|yd|m",
     "sets the front document's ruler unit; on a change, plug-ins are told of it", 1, 0, false,
     kEvent, rulerUnit},
    {"select", "all|none|NAME",
     "selects all the art the user can select, none, or the art named (alone); on a change, "
     "plug-ins are told of it",
     1, 0, true, kEvent, select},

    // Controls of the panel and of the windows showing, by outlet name.
    {"ui click", "NAME [shift] [alt]", "clicks a control or view", 1, 2, false, kEvent, uiClick},
    {"ui type", "NAME [TEXT]", "replaces a field's text and validates it as Return does", 1, 1, true,
     kEvent, uiType},
    {"ui command", "NAME SELECTOR",
     "offers an editing command (moveUp:, insertTab:, ...) to a field, then does the default", 2, 0,
     false, kEvent, uiCommand},
    {"ui choose", "NAME INDEX [alt] [shift]", "chooses item INDEX (0-based) of a popup or combo box",
     2, 2, false, kEvent, uiChoose},
    {"ui hover", "NAME", "the mouse enters a view", 1, 0, false, kEvent, uiHover},
    {"ui leave", "NAME", "the mouse leaves a view", 1, 0, false, kEvent, uiLeave},

    // Narration, printouts and files.
    {"say", "[TEXT]", "prints a line of narration as it is", 0, 1, true, kOutput, say},
    {"print summary", "",
     "prints one line: the last click, what the plug-in's harness tells of the document and "
     "its panels, the hint, and the alerts and sounds since the previous summary",
     0, 0, false, kOutput, printSummary},
    {"print document", "", "prints the document in front: artboards, layers, art", 0, 0, false,
     kOutput, printDocument},
    {"print guides", "[PATH]",
     "prints one line per guide, front first; with PATH, those whose path of names starts so", 0,
     1, true, kOutput, printGuides},
    {"print bounds", "[PATH]",
     "prints each art's path of names and its bounds, left top right bottom; with PATH, those whose "
     "path of names starts so",
     0, 1, true, kOutput, printBounds},
    {"print view", "", "prints the front document's view: its zoom, its centre and what it shows, L T R B",
     0, 0, false, kOutput, printView},
    {"print prefs", "", "prints the stored preferences", 0, 0, false, kOutput, printPrefs},
    {"print log", "", "prints the host's log and the suites acquired and released", 0, 0, false,
     kOutput, printLog},
    {"print tools", "", "prints the toolbox: groups, toolsets, tools, the selected one", 0, 0,
     false, kOutput, printTools},
    {"print menus", "", "prints the host's menus (the items are updated first)", 0, 0, false,
     kOutput, printMenus},
    {"print overlay", "", "prints what the annotators drew in the last frame", 0, 0, false,
     kOutput, printOverlay},
    {"print cursor", "", "prints the current cursor, pixel by pixel, and its hot spot", 0, 0, false,
     kOutput, printCursor},
    {"print sounds", "", "prints the sounds played, in order, by file name", 0, 0, false, kOutput,
     printSounds},
    {"print urls", "", "prints the web pages opened, in order", 0, 0, false, kOutput, printUrls},
    {"print panel", "[NAME...]",
     "prints the panels and the windows showing, and their named controls; with names, only "
     "the panels, windows and controls of those names",
     0, 1, true, kOutput, printPanel},
    {"save json", "FILE", "writes the document in front as JSON", 1, 0, true, kOutput, saveJson},
    {"save svg", "FILE", "writes the document in front as SVG", 1, 0, true, kOutput, saveSvg},
    {"save panel-json", "FILE", "writes the panels and the windows showing as JSON", 1, 0, true,
     kOutput, savePanelJson},
    {"save panel-svg", "FILE", "draws the panels as SVG", 1, 0, true, kOutput, savePanelSvg},

    // The plug-ins' run.
    {"restart", "", "shuts the plug-ins down and starts them again, preferences read again", 0, 0,
     false, kEvent, restart},
    {"purge", "",
     "asks every running plug-in to release its caches, as the host does when memory runs low, "
     "and prints each answer",
     0, 0, false, kEvent, purge},
    {"unload", "",
     "unloads the plug-ins that hold no access lock, as the host does with idle ones; the next "
     "message to one loads it again and tells it so first",
     0, 0, false, kEvent, unload},
    {"quit", "", "ends the session", 0, 0, false, kOutput, quit},
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Takes the next word off the front of text.
std::string_view nextWord(std::string_view& text) {
  text = trimmed(text);
  size_t end = 0;
  while (end < text.size() && !isBlank(text[end])) ++end;
  const std::string_view word = text.substr(0, end);
  text.remove_prefix(end);
  return word;
}

// The command whose name starts the line, the longest name first; rest gets what follows.
const Command* findCommand(std::string_view line, std::string_view* rest) {
  std::string_view afterOne = line;
  const std::string_view first = nextWord(afterOne);
  std::string_view afterTwo = afterOne;
  const std::string twoWords = std::string(first) + " " + std::string(nextWord(afterTwo));
  for (const Command& command : kCommands)
    if (command.name == twoWords) {
      *rest = afterTwo;
      return &command;
    }
  for (const Command& command : kCommands)
    if (command.name == first) {
      *rest = afterOne;
      return &command;
    }
  return nullptr;
}

// "document frob" when "document" starts some command, else "frob".
std::string unknownName(std::string_view line) {
  std::string_view rest = line;
  const std::string first(nextWord(rest));
  const std::string second(nextWord(rest));
  const bool family = std::any_of(std::begin(kCommands), std::end(kCommands), [&](const Command& c) {
    return c.name.starts_with(first + " ");
  });
  return family && !second.empty() ? first + " " + second : first;
}

}  // namespace

std::span<const Command> commandTable() { return kCommands; }

void runCommand(CommandContext& context, const Command& command, const Arguments& arguments) {
  command.run(context, arguments);
  if (command.isEvent) context.application.events().settle();
}

void runCommand(CommandContext& context, std::string_view name, const Arguments& arguments) {
  for (const Command& command : kCommands)
    if (command.name == name) {
      if (context.transcript) {
        *context.transcript << command.name;
        for (const std::string& argument : arguments) *context.transcript << ' ' << argument;
        *context.transcript << '\n';
      }
      return runCommand(context, command, arguments);
    }
  throw CommandError("the host has no command '" + std::string(name) + "'");
}

std::string_view withoutComment(std::string_view line) {
  for (size_t at = line.find('#'); at != std::string_view::npos; at = line.find('#', at + 1))
    if (at == 0 || isBlank(line[at - 1])) return line.substr(0, at);
  return line;
}

const Command& parseCommand(std::string_view line, Arguments* arguments) {
  line = withoutComment(line);
  std::string_view rest;
  const Command* command = findCommand(line, &rest);
  if (!command) throw CommandError("unknown command '" + unknownName(line) + "'");

  arguments->clear();
  const size_t most = command->required + command->optional;
  while (!trimmed(rest).empty()) {
    if (command->lastRunsToEndOfLine && arguments->size() + 1 == most) {
      arguments->emplace_back(trimmed(rest));
      break;
    }
    arguments->emplace_back(nextWord(rest));
  }
  if (arguments->size() < command->required || arguments->size() > most) {
    std::string usage = "usage: " + std::string(command->name);
    if (!command->usage.empty()) usage += " " + std::string(command->usage);
    throw CommandError(usage);
  }
  return *command;
}

}  // namespace host
