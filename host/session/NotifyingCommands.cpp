// Session commands that change what the plug-ins are told about through their notifiers:
// the front document's ruler unit and its art selection. Each change is made first, then
// every running plug-in is notified, as the host delivers any notification; a command that
// changes nothing notifies nobody.
#include "AINotifier.h"
#include "app/Application.h"
#include "model/ArtLookup.h"
#include "model/Model.h"
#include "session/CommandArguments.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"
#include "session/RulerUnits.h"

namespace host {

namespace {

Document& frontDocument() {
  Document* document = model().front();
  if (!document) throw CommandError("no document is open");
  return *document;
}

bool isSelectable(const Art& art) { return !(art.userAttributes & (kArtLocked | kArtHidden)); }

// What "select all" takes: the art directly in each editable, visible layer, but for art
// locked or hidden, as the user's Select All does.
std::vector<Ref> everythingSelectable(const Document& document) {
  std::vector<Ref> arts;
  const ArtTree& tree = model().arts();
  for (Ref layerRef : document.layers) {
    const Layer* layer = model().findLayer(layerRef);
    if (!layer || !layer->editable || !layer->visible) continue;
    for (uint32_t slot = tree.at(layer->group.slot).firstChild; slot != kNoSlot;
         slot = tree.at(slot).nextSibling)
      if (isSelectable(tree.at(slot))) arts.push_back(tree.refAt(slot));
  }
  return arts;
}

// Why the user could not select this art, or null.
const char* whyNotSelectable(Ref art) {
  const Art& found = *model().arts().find(art);
  const Layer* layer = model().findLayer(found.layer);
  if (layer && !layer->editable) return "its layer is locked";
  if (layer && !layer->visible) return "its layer is hidden";
  if (found.userAttributes & kArtLocked) return "it is locked";
  if (found.userAttributes & kArtHidden) return "it is hidden";
  return nullptr;
}

}  // namespace

void rulerUnit(CommandContext& context, const Arguments& arguments) {
  Document& document = frontDocument();
  const int16_t code = rulerUnitCode(arguments[0]);
  if (!code) throw CommandError("unknown unit '" + arguments[0] + "' (in, cm, pt, pi, mm, px, q, ft, yd, m)");
  if (refusedWhileModal(context, "ruler-unit")) return;
  if (document.rulerUnits == code) return;
  check(document.setRulerUnits(code));
  context.application.notifyAll(kAIDocumentRulerUnitChangedNotifier);
}

void select(CommandContext& context, const Arguments& arguments) {
  const Document& document = frontDocument();
  const std::string& what = arguments[0];
  std::vector<Ref> wanted;
  if (what == "all") {
    wanted = everythingSelectable(document);
  } else if (what != "none") {
    const Ref art = findArtByPath(model(), what);
    if (art.isNull()) throw CommandError("nothing named '" + what + "'");
    if (const char* reason = whyNotSelectable(art)) return reportRefusal(context, "select: " + what, reason);
    wanted.push_back(art);
  }
  if (refusedWhileModal(context, "select")) return;
  bool changed = false;
  check(model().selectOnly(wanted, &changed));
  if (changed) context.application.notifyAll(kAIArtSelectionChangedNotifier);
}

}  // namespace host
