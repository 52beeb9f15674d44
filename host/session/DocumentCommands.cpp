// Session commands on documents and artboards.
#include <vector>

#include "files/DocumentFiles.h"
#include "model/Model.h"
#include "session/CommandArguments.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"
#include "session/RulerUnits.h"

namespace host {

namespace {

// A document has at most this many artboards in a session; the plug-in itself handles 100.
constexpr int32_t kMaxArtboards = 1000;
constexpr int32_t kMaxDocuments = 1000;

}  // namespace

void documentNew(CommandContext& context, const Arguments& arguments) {
  const AIReal width = coordinateArgument(arguments[0]);
  const AIReal height = coordinateArgument(arguments[1]);
  if (!(width > 0) || !(height > 0)) throw CommandError("the width and height must be above 0");
  int32_t artboards = 1;
  int16_t unit = 0;
  for (size_t i = 2; i < arguments.size(); i += 2) {
    if (i + 1 == arguments.size()) throw CommandError("'" + arguments[i] + "' needs a value");
    if (arguments[i] == "artboards") {
      artboards = positiveArgument(arguments[i + 1], kMaxArtboards);
    } else if (arguments[i] == "unit") {
      unit = rulerUnitCode(arguments[i + 1]);
      if (!unit) throw CommandError("unknown unit '" + arguments[i + 1] + "'");
    } else {
      throw CommandError("unknown option '" + arguments[i] + "'");
    }
  }
  if (model().documentCount() >= kMaxDocuments) throw CommandError("too many documents open");

  std::vector<AIRealRect> rects;
  for (int32_t k = 0; k < artboards; ++k) {
    const double left = static_cast<double>(k) * (static_cast<double>(width) + 20);
    rects.push_back(AIRealRect{static_cast<AIReal>(left), height,
                               static_cast<AIReal>(left + width), 0});
  }
  check(model().newDocument("Document " + std::to_string(++context.documentsMade), rects));
  if (unit) check(model().front()->setRulerUnits(unit));
}

void documentSwitch(CommandContext&, const Arguments& arguments) {
  const int32_t count = static_cast<int32_t>(model().documentCount());
  if (count == 0) throw CommandError("no document is open");
  const int32_t n = positiveArgument(arguments[0], count);
  check(model().bringToFront(static_cast<size_t>(n - 1)));
}

void documentClose(CommandContext&, const Arguments&) {
  const Document& document = frontDocument();
  for (size_t i = 0; i < model().documentCount(); ++i)
    if (&model().documentAt(i) == &document) {
      check(model().closeDocument(i));
      return;
    }
}

void documentOpen(CommandContext&, const Arguments& arguments) {
  if (model().documentCount() >= kMaxDocuments) throw CommandError("too many documents open");
  std::string reason;
  if (!openDocumentFile(arguments[0], &reason)) throw CommandError("cannot open " + arguments[0] + ": " + reason);
}

void documentSave(CommandContext&, const Arguments& arguments) {
  std::string reason;
  const std::string path = arguments.empty() ? std::string() : arguments[0];
  if (!saveDocumentFile(path, &reason))
    throw CommandError("cannot save" + (path.empty() ? std::string() : " " + path) + ": " + reason);
}

void artboardAdd(CommandContext&, const Arguments& arguments) {
  Document& document = frontDocument();
  const AIRealRect rect = rectangleArgument(arguments[0], arguments[1], arguments[2], arguments[3]);
  if (document.artboardCount() >= kMaxArtboards) throw CommandError("too many artboards");
  check(document.addArtboard(rect));
}

void artboardRemove(CommandContext&, const Arguments& arguments) {
  Document& document = frontDocument();
  const int32_t n = positiveArgument(arguments[0], document.artboardCount());
  if (document.artboardCount() == 1) throw CommandError("the last artboard stays");
  check(document.removeArtboard(n - 1));
}

}  // namespace host
