// Session commands that change what the plug-ins are told about through their notifiers:
// the front document's ruler unit and its art selection. Each change is made first, then
// every running plug-in is notified, as the host delivers any notification; a command that
// changes nothing notifies nobody.
#include "AINotifier.h"
#include "app/Application.h"
#include "model/ArtLookup.h"
#include "model/ArtWalk.h"
#include "model/Model.h"
#include "session/CommandArguments.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"
#include "session/RulerUnits.h"

namespace host {

namespace {

// What "select all" takes: the art directly in each layer, but for what the user may not
// pick, as the user's Select All does.
std::vector<Ref> everythingSelectable(const Document& document) {
  std::vector<Ref> arts;
  const ArtTree& tree = model().arts();
  for (Ref layerRef : document.layers) {
    const Layer* layer = model().findLayer(layerRef);
    if (!layer) continue;
    for (uint32_t slot = tree.at(layer->group.slot).firstChild; slot != kNoSlot;
         slot = tree.at(slot).nextSibling)
      if (!whyNotPickable(model(), slot)) arts.push_back(tree.refAt(slot));
  }
  return arts;
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
    if (const char* reason = whyNotPickable(model(), art.slot)) return reportRefusal(context, "select: " + what, reason);
    wanted.push_back(art);
  }
  if (refusedWhileModal(context, "select")) return;
  bool changed = false;
  check(model().selectOnly(wanted, &changed));
  if (changed) context.application.notifyAll(kAIArtSelectionChangedNotifier);
}

}  // namespace host
