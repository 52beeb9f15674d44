// Session commands that print the host's state or write the document to a file.
#include <sstream>

#include "app/Application.h"
#include "app/Menus.h"
#include "exports/Exports.h"
#include "exports/PanelExports.h"
#include "model/FileWriting.h"
#include "model/Printout.h"
#include "session/CommandArguments.h"
#include "session/CommandHandlers.h"
#include "session/InterfacePrintouts.h"
#include "session/Printouts.h"

namespace host {

namespace {

void printLines(CommandContext& context, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) context.out << line << '\n';
  context.out.flush();
}

void save(const std::string& file, std::string (*format)(const Model&)) {
  if (!model().front()) throw CommandError("no document is open");
  std::string reason;
  if (!writeFileAtomically(file, format(model()), &reason))
    throw CommandError("cannot write " + file + ": " + reason);
}

void write(const std::string& file, const std::string& text) {
  std::string reason;
  if (!writeFileAtomically(file, text, &reason)) throw CommandError("cannot write " + file + ": " + reason);
}

}  // namespace

void printDocument(CommandContext& context, const Arguments&) {
  printLines(context, documentLines(model()));
}

void printGuides(CommandContext& context, const Arguments& arguments) {
  std::vector<std::string> lines = guideLines(model());
  if (!arguments.empty())
    std::erase_if(lines, [&](const std::string& line) { return !line.starts_with(arguments[0]); });
  printLines(context, lines);
}

void printBounds(CommandContext& context, const Arguments& arguments) {
  printLines(context, boundsLines(model(), arguments.empty() ? "" : arguments[0]));
}

void printPrefs(CommandContext& context, const Arguments&) {
  printLines(context, preferenceLines(shell().preferences));
}

void printLog(CommandContext& context, const Arguments&) {
  printLines(context, logLines(shell(), model()));
}

void saveJson(CommandContext&, const Arguments& arguments) { save(arguments[0], documentJson); }

void saveSvg(CommandContext&, const Arguments& arguments) { save(arguments[0], documentSvg); }

void printTools(CommandContext& context, const Arguments&) { printLines(context, toolLines()); }

// A menu is updated before it shows.
void printMenus(CommandContext& context, const Arguments&) {
  updateMenus(context.application.events());
  printLines(context, menuLines());
}

void printOverlay(CommandContext& context, const Arguments&) { printLines(context, overlayLines()); }

void printCursor(CommandContext& context, const Arguments&) { printLines(context, cursorLines()); }

void printSounds(CommandContext& context, const Arguments&) { printLines(context, soundLines()); }

void printUrls(CommandContext& context, const Arguments&) { printLines(context, urlLines()); }

// The names are words of the one argument.
void printPanel(CommandContext& context, const Arguments& arguments) {
  std::vector<std::string> names;
  std::istringstream words(arguments.empty() ? std::string() : arguments[0]);
  for (std::string name; words >> name;) names.push_back(name);
  printLines(context, panelLines(names));
}

void savePanelJson(CommandContext&, const Arguments& arguments) { write(arguments[0], panelJson()); }

void savePanelSvg(CommandContext&, const Arguments& arguments) { write(arguments[0], panelSvg()); }

}  // namespace host
