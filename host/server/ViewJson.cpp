// The panels and dialogs parts of the page's state: the toolkit's description of their views
// (kit/Snapshot.h), with what they drew, as the printout and the exports read it.
#include <nlohmann/json.hpp>

#include "exports/InterfaceDescription.h"
#include "kit/Application.h"
#include "kit/View.h"
#include "kit/Window.h"
#include "model/Shell.h"
#include "server/StateParts.h"

namespace host {

namespace {

using Json = nlohmann::json;

// A view shown for the first time draws itself, as the window would when it first appears.
void drawIfNeverDrawn(kit::View& view) {
  if (!view.isHiddenOrHasHiddenAncestor() && view.displayCount() == 0) view.display();
  for (kit::View* child : view.subviews()) drawIfNeverDrawn(*child);
}

std::string text(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

}  // namespace

std::string panelsPart() {
  Json panels = Json::array();
  for (const Panel* panel : livePanels()) {
    if (kit::View* view = panel->view(); view && panel->isShown()) drawIfNeverDrawn(*view);
    Json entry = describePanel(*panel, kit::Live::Drawing);
    if (!panel->isShown()) entry.erase("view");
    panels.push_back(std::move(entry));
  }
  return text(Json{{"panels", std::move(panels)}});
}

std::string windowsPart() {
  for (kit::Window* window : kit::Application::shared().windows())
    if (window->isVisible() && !shell().ui.isPanelWindow(window) && window->contentView()) drawIfNeverDrawn(*window->contentView());
  return text(Json{{"windows", describeDialogs(kit::Live::Drawing)}});
}

}  // namespace host
