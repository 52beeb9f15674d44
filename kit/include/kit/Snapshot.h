// The one description of what the user sees: views and windows written with the keys of a
// layout file (kit/Layout.h), so that a description is a layout the kit loads again and
// describing what it loaded gives the same description. Exports, printouts and the page all
// read it; a property added to a control is written here and read in Layout.cpp, nowhere else.
//
// What a layout cannot set (a field being edited, a text's scrolled range, what a view drew)
// goes under "live", which the loader ignores:
//   "live": {"editing", "selection": [location, length], "displayCount",
//            "scrolled": [location, length], "scrolls", "drawing": [RECORD],
//            for a window "key" and "firstResponder"}
// A drawing record is {"stroke": [["M"|"L"|"Z", x, y]], "color": [r, g, b, a], "width",
// "antialias"} or {"fill": [x, y, w, h], "color", "clear"}, in the view's coordinates.
#pragma once

#include <vector>

#include <nlohmann/json.hpp>

namespace kit {

class Layout;
class View;
class Window;

// How much of "live" a description holds: none (a layout), the state, or the state and the
// drawing.
enum class Live { None, State, Drawing };

// The view and its subviews ("subviews" in order; a scroll view's document view under
// "documentView").
nlohmann::json describeView(const View& view, Live live = Live::State);
// Every view of the tree that has an identifier, keyed by it (without its children): the
// panel's controls by outlet name.
nlohmann::json describeNamedViews(const View& root, Live live = Live::State);
// A window: class, identifier, title, frame, visible, its content view's subviews.
nlohmann::json describeWindow(const Window& window, Live live = Live::State);
// The layout's views and windows, as a layout file.
nlohmann::json describeLayout(const Layout& layout);

// The children of a described view in the order a layout adds them: the subviews, then the
// document view.
std::vector<const nlohmann::json*> describedChildren(const nlohmann::json& view);

}  // namespace kit
