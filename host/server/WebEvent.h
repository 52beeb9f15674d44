// The events the page sends, read and checked on the server's threads before anything
// reaches the host: a body of exactly one JSON object in UTF-8, {"type": ..., fields}, each
// key once, nothing after it. Anything else (malformed JSON, a NUL byte, a key given twice,
// an unknown type or field, a missing field, a number out of range or not finite, a text
// that holds control characters) is refused with a message saying what was wrong.
//
//   move, click       x y [alt] [shift]          view pixels, 0 <= x <= kViewWidth, 0 <= y <= kViewHeight
//   drag              x y x2 y2 [alt] [shift]
//   resize            handle x y x2 y2 [shift]   a handle of the selection dragged: nw, n, ..., w
//   key               key [cmd] [alt] [shift]    "return", "escape", "delete" or one character
//   tool              name
//   zoom              factor                     kMinZoom to kMaxZoom (ViewGeometry.h)
//   pan               dx dy                      view pixels, at most 100000 either way
//   fit                                          the whole document in the view
//   selectionMove     dx dy                      points, y upwards, at most 100000 either way
//   menus                                        the menus are opening: their items update
//   menu              path                       "Palettes d'outils/My Tools/..."
//   flyout            id
//   theme             name                       "dark" or "light"
//   rulerUnit         unit                       in, cm, pt, pi, mm, px, q, ft, yd, m
//   documentNew       width height artboards unit   points, 1 to 1000 artboards
//   documentSwitch    index                      1-based
//   documentClose
//   undo, redo                                   the front document's last change
//   uiClick           control [alt] [shift]
//   uiType            control text
//   uiCommand         control selector           moveUp:, moveDown:, insertTab:, insertBacktab:
//   uiChoose          control index [alt] [shift]
//   uiHover, uiLeave  control
#ifndef GUIDES_HOST_SERVER_WEBEVENT_H
#define GUIDES_HOST_SERVER_WEBEVENT_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace host {

enum class WebEventKind {
  Move, Click, Drag, Key, Tool, Zoom, Pan, Fit, SelectionMove, Menus, Menu, Flyout, Theme, RulerUnit,
  DocumentNew, DocumentSwitch, DocumentClose, DocumentSave, UiClick, UiType, UiCommand, UiChoose, UiHover, UiLeave,
  Undo, Redo, Resize
};

struct WebEvent {
  WebEventKind kind = WebEventKind::Move;
  double x = 0, y = 0, x2 = 0, y2 = 0;  // view pixels; pan offsets; the zoom factor in x
  double width = 0, height = 0;         // a new document's size in points
  bool alt = false, shift = false, cmd = false;
  std::string name;  // control, tool, key, menu path, theme, unit, selector or handle
  std::string text;  // the text typed in a field
  int32_t number = 0;  // item index, flyout id, artboard count, document index
};

// Texts typed into a field are at most this many bytes.
inline constexpr size_t kMaxTypedBytes = 256;

// The event a request body holds, or nothing with *error saying why not.
std::optional<WebEvent> parseWebEvent(std::string_view body, std::string* error);

// Whether a Content-Type names JSON: "application/json", with no parameter but
// "charset=utf-8", compared without case.
bool isJsonMediaType(std::string_view contentType);

}  // namespace host

#endif
