#include "app/Commands.h"

#include <algorithm>

#include "app/CommandHandlers.h"

namespace host {

namespace {

const Command kCommands[] = {
    {"document new", "W H [artboards N] [unit in|cm|pt|pi|mm|px|ft|yd|m|q]",
     "a new document in front; artboard k at left k*(W+20), bottom 0, top H", 2, 4, false,
     documentNew},
    {"document switch", "N", "brings document N (1-based, in order of creation) in front", 1, 0,
     false, documentSwitch},
    {"document close", "", "closes the document in front", 0, 0, false, documentClose},
    {"artboard add", "L T R B", "adds an artboard to the document in front", 4, 0, false,
     artboardAdd},
    {"artboard remove", "N", "removes artboard N (1-based)", 1, 0, false, artboardRemove},
    {"rect", "L T R B [NAME]", "a closed rectangular path on top of the current layer", 4, 1, true,
     rect},
    {"layer new", "NAME", "a new layer above all others; it becomes the current layer", 1, 0, true,
     layerNew},
    {"layer lock", "NAME", "makes a layer not editable", 1, 0, true, layerLock},
    {"layer unlock", "NAME", "makes a layer editable", 1, 0, true, layerUnlock},
    {"layer current", "NAME", "makes a layer the current one", 1, 0, true, layerCurrent},
    {"delete", "PATH",
     "deletes the first art named PATH, or found by a path of names from a layer title; a layer "
     "title alone deletes the layer",
     1, 0, true, deleteArt},
    {"print document", "", "prints the document in front: artboards, layers, art", 0, 0, false,
     printDocument},
    {"print guides", "", "prints one line per guide, front first", 0, 0, false, printGuides},
    {"print prefs", "", "prints the stored preferences", 0, 0, false, printPrefs},
    {"print log", "", "prints the host's log and the suites acquired and released", 0, 0, false,
     printLog},
    {"save json", "FILE", "writes the document in front as JSON", 1, 0, true, saveJson},
    {"save svg", "FILE", "writes the document in front as SVG", 1, 0, true, saveSvg},
    {"restart", "", "shuts the plug-ins down and starts them again, preferences read again", 0, 0,
     false, restart},
    {"quit", "", "ends the session", 0, 0, false, quit},
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

const Command& parseCommand(std::string_view line, Arguments* arguments) {
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
