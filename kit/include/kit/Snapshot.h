// The state of views and windows as JSON, for exports and for tests: every view with
// its class, identifier, frame, visibility and tool tip, plus what its kind holds
// (enabled, text, action, title, state, items, selection, colours, the drawing count).
#pragma once

#include <nlohmann/json.hpp>

namespace kit {

class View;
class Window;

// The view and its subviews, as a tree ("subviews" lists the children in order).
nlohmann::json describeView(const View& view);
// Every view of the tree that has an identifier, keyed by it (without "subviews"): the
// panel's controls by outlet name.
nlohmann::json describeNamedViews(const View& root);
// Title, frame, visibility, key state, the first responder's identifier, content view.
nlohmann::json describeWindow(const Window& window);

}  // namespace kit
