// Session commands that change how the front document is seen, not the document: zoom, pan
// and fit, which the page's wheel, hand drags and fit button run, and the view's printout.
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/ViewGeometry.h"
#include "session/CommandArguments.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"
#include "suites/SuiteTables.h"

namespace host {

void zoom(CommandContext& context, const Arguments& arguments) {
  const Document& document = frontDocument();
  const AIReal factor = coordinateArgument(arguments[0]);
  if (refusedWhileModal(context, "zoom")) return;
  if (documentViewSuite.SetDocumentViewZoom(viewHandle(document, 0), factor) != kNoErr)
    throw CommandError("the zoom must be from 1/" + numberText(1 / kMinZoom) + " to " + numberText(kMaxZoom));
}

void pan(CommandContext& context, const Arguments& arguments) {
  Document& document = frontDocument();
  const AIReal dx = coordinateArgument(arguments[0]), dy = coordinateArgument(arguments[1]);
  if (refusedWhileModal(context, "pan")) return;
  panView(document.views.front(), dx, dy);
}

void fit(CommandContext& context, const Arguments&) {
  Document& document = frontDocument();
  if (refusedWhileModal(context, "fit")) return;
  fitView(document);
}

void printView(CommandContext& context, const Arguments&) {
  const View& view = frontDocument().views.front();
  const AIRealRect shown = viewBounds(view);
  context.out << "view: zoom " << numberText(view.zoom) << ", centre " << floatText(view.centre.h) << " "
              << floatText(view.centre.v) << ", shows " << floatText(shown.left) << " " << floatText(shown.top)
              << " " << floatText(shown.right) << " " << floatText(shown.bottom) << "\n";
}

}  // namespace host
