// The panels and the dialogs showing, each as the toolkit describes its views (kit/Snapshot.h)
// with what only the host knows of it: a panel's id, title, size and flyout menu, a window's
// modal state. The printout, the panel's JSON and SVG exports and the page's state all read
// this one description.
#ifndef GUIDES_HOST_EXPORTS_INTERFACEDESCRIPTION_H
#define GUIDES_HOST_EXPORTS_INTERFACEDESCRIPTION_H

#include <nlohmann/json.hpp>
#include <vector>

#include "kit/Snapshot.h"

namespace host {

struct Panel;

std::vector<const Panel*> livePanels();

// {"id", "title", "size": [w, h], "shown", "flyout": [{"id", "separator", "text", "enabled",
// "checked"}], "view": VIEW} ("view" when the panel has one).
nlohmann::json describePanel(const Panel& panel, kit::Live live);

// Every window showing that is not a panel's, as the toolkit describes it, with "modal".
nlohmann::json describeDialogs(kit::Live live);

}  // namespace host

#endif
