// Session commands on art and layers of the front document.
#include "model/ArtLookup.h"
#include "model/Model.h"
#include "session/CommandArguments.h"
#include "session/CommandHandlers.h"

namespace host {

namespace {

Ref layerNamed(const std::string& title) {
  if (!model().front()) throw CommandError("no document is open");
  const Ref layer = model().layerTitled(title);
  if (layer.isNull()) throw CommandError("no layer '" + title + "'");
  return layer;
}

}  // namespace

void rect(CommandContext&, const Arguments& arguments) {
  if (!model().front()) throw CommandError("no document is open");
  const AIRealRect bounds = rectangleArgument(arguments[0], arguments[1], arguments[2], arguments[3]);
  const std::string name = arguments.size() > 4 ? nameArgument(arguments[4]) : std::string();

  Ref path;
  check(model().newRectangle(bounds, name, &path));
}

void layerNew(CommandContext&, const Arguments& arguments) {
  const std::string title = nameArgument(arguments[0]);
  if (!model().front()) throw CommandError("no document is open");
  Ref layer;
  check(model().insertLayer(Ref{}, kPlaceAboveAll, &layer));
  check(model().setLayerTitle(layer, title));
  check(model().setCurrentLayer(layer));
}

void layerLock(CommandContext&, const Arguments& arguments) {
  check(model().setLayerEditable(layerNamed(arguments[0]), false));
}

void layerUnlock(CommandContext&, const Arguments& arguments) {
  check(model().setLayerEditable(layerNamed(arguments[0]), true));
}

void layerCurrent(CommandContext&, const Arguments& arguments) {
  check(model().setCurrentLayer(layerNamed(arguments[0])));
}

// A layer title alone names the layer; anything else names art.
void deleteArt(CommandContext&, const Arguments& arguments) {
  const std::string& path = arguments[0];
  if (!model().front()) throw CommandError("no document is open");
  if (const Ref layer = model().layerTitled(path); !layer.isNull()) {
    if (model().front()->layers.size() == 1) throw CommandError("the last layer stays");
    check(model().deleteLayer(layer));
    return;
  }
  const Ref art = findArtByPath(model(), path);
  if (art.isNull()) throw CommandError("nothing named '" + path + "'");
  check(model().disposeArt(art));
}

}  // namespace host
