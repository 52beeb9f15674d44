// The panels and the windows showing, as text (`print panel`), JSON and SVG: every named
// control with its state, as the plug-in left it.
#ifndef GUIDES_HOST_EXPORTS_PANELEXPORTS_H
#define GUIDES_HOST_EXPORTS_PANELEXPORTS_H

#include <string>
#include <vector>

namespace host {

// For each panel a header line, its flyout menu's items, then its named views in the order
// of the view tree:
//   panel "My Panel 1.0" id "MyPanel" size 240 158 shown
//     flyout 1 "Locked" enabled checked
//     flyout 2 separator
//     topField TextField text "10 mm" enabled tip "The top margin." frame 60 120 50 20
//     lockButton Button title "" state 1 disabled hidden frame 10 10 20 20
//     presetPopup PopUpButton items ["Default", "Mine", -] selected 0 enabled frame ...
// then the same for every other window showing ("window "TITLE" id "ID" frame X Y W H",
// " modal" for the dialog running modally). Views show their class, then what their kind
// holds: a field its text, a button its title and state, a popup or combo box its items
// ('-' a separator, "(disabled)" after a disabled item) and the selected index, a text view
// its text; then enabled or disabled for controls, hidden when the view itself is hidden,
// its tool tip, and its frame in its superview.
// Given names, only the panels and windows of those ids (header and flyout) and the views of
// those identifiers, in the same order; "no NAME" for each name that nothing showing has.
std::vector<std::string> panelLines(const std::vector<std::string>& names = {});

// {"panels": [{"id", "title", "size": [w, h], "minimumSize", "shown", "stateCount",
// "resizable", "preferredSizes": [h, v], "lightIconBytes", "darkIconBytes", "flyout":
// [{"id", "separator", "text", "enabled", "checked"}], "controls": {NAME: VIEW}}],
// "windows": [WINDOW]} with VIEW and WINDOW as the toolkit describes them.
std::string panelJson();

// The panels drawn (each one displayed afresh first): every visible view as a box, the
// text of its control, the strokes and fills a custom view recorded. Panels are stacked
// top to bottom.
std::string panelSvg();

}  // namespace host

#endif
