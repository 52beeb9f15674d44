// Session commands that print the host's state or write the document to a file.
#include "app/CommandArguments.h"
#include "app/CommandHandlers.h"
#include "app/Exports.h"
#include "app/Printouts.h"
#include "model/FileWriting.h"
#include "model/Printout.h"

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

}  // namespace

void printDocument(CommandContext& context, const Arguments&) {
  printLines(context, documentLines(model()));
}

void printGuides(CommandContext& context, const Arguments&) {
  printLines(context, guideLines(model()));
}

void printPrefs(CommandContext& context, const Arguments&) {
  printLines(context, preferenceLines(shell().preferences));
}

void printLog(CommandContext& context, const Arguments&) {
  printLines(context, logLines(shell(), model()));
}

void saveJson(CommandContext&, const Arguments& arguments) { save(arguments[0], documentJson); }

void saveSvg(CommandContext&, const Arguments& arguments) { save(arguments[0], documentSvg); }

}  // namespace host
