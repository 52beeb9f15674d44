#include "server/WebEvent.h"

#include <strings.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <vector>

#include "model/Resizing.h"
#include "model/StringTable.h"
#include "model/ViewGeometry.h"

namespace host {

namespace {

using Json = nlohmann::json;

struct Refused : std::runtime_error {
  using std::runtime_error::runtime_error;
};

constexpr size_t kMaxNameBytes = 512;
constexpr double kMaxPan = 100000;

// Reads the fields of one event; every field must be read once, so that a field the event
// does not have is refused rather than silently ignored.
class FieldReader {
 public:
  explicit FieldReader(const Json& object) : object_(object) {}

  double number(const char* key, double min, double max) {
    const Json& value = field(key);
    if (!value.is_number()) throw Refused(std::string("'") + key + "' must be a number");
    const double number = value.get<double>();
    if (!std::isfinite(number)) throw Refused(std::string("'") + key + "' must be a finite number");
    if (number < min || number > max)
      throw Refused(std::string("'") + key + "' is out of range (" + shortText(min) + " to " + shortText(max) + ")");
    return number;
  }

  int32_t whole(const char* key, int32_t min, int32_t max) {
    const Json& value = field(key);
    if (!value.is_number_integer()) throw Refused(std::string("'") + key + "' must be a whole number");
    const int64_t number = value.is_number_unsigned() && value.get<uint64_t>() > INT64_MAX
                               ? INT64_MAX
                               : value.get<int64_t>();
    if (number < min || number > max)
      throw Refused(std::string("'") + key + "' is out of range (" + std::to_string(min) + " to " +
                    std::to_string(max) + ")");
    return static_cast<int32_t>(number);
  }

  bool flag(const char* key) {
    if (!object_.contains(key)) return false;
    const Json& value = field(key);
    if (!value.is_boolean()) throw Refused(std::string("'") + key + "' must be true or false");
    return value.get<bool>();
  }

  // Valid UTF-8 without control characters, from 1 to maxBytes bytes (0 when allowed).
  std::string text(const char* key, size_t maxBytes, bool emptyAllowed = false) {
    const Json& value = field(key);
    if (!value.is_string()) throw Refused(std::string("'") + key + "' must be a string");
    const std::string& text = value.get_ref<const std::string&>();
    if (!isValidUtf8(text)) throw Refused(std::string("'") + key + "' is not valid UTF-8");
    if (text.empty() && !emptyAllowed) throw Refused(std::string("'") + key + "' must not be empty");
    if (text.size() > maxBytes)
      throw Refused(std::string("'") + key + "' is longer than " + std::to_string(maxBytes) + " bytes");
    for (unsigned char c : text)
      if (c < 0x20 || c == 0x7f) throw Refused(std::string("'") + key + "' holds a control character");
    return text;
  }

  // Letters, digits and '_', as outlet names are.
  std::string controlName() {
    std::string name = text("control", 64);
    for (char c : name)
      if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
        throw Refused("'control' must be an outlet name (letters, digits, '_')");
    return name;
  }

  std::string oneOf(const char* key, std::initializer_list<const char*> allowed) {
    const std::string value = text(key, 32);
    for (const char* candidate : allowed)
      if (value == candidate) return value;
    std::string list;
    for (const char* candidate : allowed) list += (list.empty() ? "" : ", ") + std::string(candidate);
    throw Refused("'" + std::string(key) + "' must be one of " + list);
  }

  void modifiers(WebEvent& event, bool cmdAllowed) {
    event.alt = flag("alt");
    event.shift = flag("shift");
    if (cmdAllowed) event.cmd = flag("cmd");
  }

  void finish() const {
    for (const auto& item : object_.items())
      if (!read_.count(item.key())) throw Refused("unknown field '" + item.key() + "'");
  }

 private:
  const Json& field(const char* key) {
    const auto found = object_.find(key);
    if (found == object_.end()) throw Refused(std::string("'") + key + "' is missing");
    read_.insert(key);
    return *found;
  }
  static std::string shortText(double v) {
    std::string s = std::to_string(v);
    s.erase(s.find_last_not_of('0') + 1);
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
  }

  const Json& object_;
  std::set<std::string> read_{"type"};
};

void readPoint(FieldReader& fields, double* x, double* y, const char* xKey, const char* yKey) {
  *x = fields.number(xKey, 0, kViewWidth);
  *y = fields.number(yKey, 0, kViewHeight);
}

std::string keyName(FieldReader& fields) {
  std::string key = fields.text("key", 16);
  if (key == "return" || key == "escape" || key == "delete") return key;
  if (key.size() == 1 && key[0] > ' ' && key[0] < 0x7f) return key;
  throw Refused("'key' must be return, escape, delete or one printable character");
}

struct Kind {
  const char* name;
  WebEventKind kind;
};

constexpr Kind kKinds[] = {
    {"move", WebEventKind::Move},         {"click", WebEventKind::Click},
    {"drag", WebEventKind::Drag},         {"key", WebEventKind::Key},
    {"tool", WebEventKind::Tool},         {"zoom", WebEventKind::Zoom},
    {"pan", WebEventKind::Pan},           {"fit", WebEventKind::Fit},
    {"selectionMove", WebEventKind::SelectionMove},
    {"menus", WebEventKind::Menus},       {"menu", WebEventKind::Menu},
    {"flyout", WebEventKind::Flyout},     {"theme", WebEventKind::Theme},
    {"rulerUnit", WebEventKind::RulerUnit}, {"documentNew", WebEventKind::DocumentNew},
    {"documentSwitch", WebEventKind::DocumentSwitch}, {"documentClose", WebEventKind::DocumentClose},
    {"documentSave", WebEventKind::DocumentSave},
    {"uiClick", WebEventKind::UiClick},   {"uiType", WebEventKind::UiType},
    {"uiCommand", WebEventKind::UiCommand}, {"uiChoose", WebEventKind::UiChoose},
    {"uiHover", WebEventKind::UiHover},   {"uiLeave", WebEventKind::UiLeave},
    {"undo", WebEventKind::Undo},         {"redo", WebEventKind::Redo},
    {"resize", WebEventKind::Resize},
};

#define GUIDES_UNITS "in", "cm", "pt", "pi", "mm", "px", "q", "ft", "yd", "m"

void readFields(FieldReader& fields, WebEvent& event) {
  switch (event.kind) {
    case WebEventKind::Move:
    case WebEventKind::Click:
      readPoint(fields, &event.x, &event.y, "x", "y");
      fields.modifiers(event, false);
      break;
    case WebEventKind::Drag:
      readPoint(fields, &event.x, &event.y, "x", "y");
      readPoint(fields, &event.x2, &event.y2, "x2", "y2");
      fields.modifiers(event, false);
      break;
    case WebEventKind::Resize: {
      ResizeHandle handle;
      event.name = fields.text("handle", 2);
      if (!resizeHandleNamed(event.name, &handle)) throw Refused("'handle' must be nw, n, ne, e, se, s, sw or w");
      readPoint(fields, &event.x, &event.y, "x", "y");
      readPoint(fields, &event.x2, &event.y2, "x2", "y2");
      event.shift = fields.flag("shift");
      break;
    }
    case WebEventKind::Key:
      event.name = keyName(fields);
      fields.modifiers(event, true);
      break;
    case WebEventKind::Tool:
      event.name = fields.text("name", 128);
      break;
    case WebEventKind::Zoom:
      event.x = fields.number("factor", kMinZoom, kMaxZoom);
      break;
    case WebEventKind::Pan:
    case WebEventKind::SelectionMove:
      event.x = fields.number("dx", -kMaxPan, kMaxPan);
      event.y = fields.number("dy", -kMaxPan, kMaxPan);
      break;
    case WebEventKind::Menu:
      event.name = fields.text("path", kMaxNameBytes);
      break;
    case WebEventKind::Flyout:
      event.number = fields.whole("id", INT32_MIN, INT32_MAX);
      break;
    case WebEventKind::Theme:
      event.name = fields.oneOf("name", {"dark", "light"});
      break;
    case WebEventKind::RulerUnit:
      event.name = fields.oneOf("unit", {GUIDES_UNITS});
      break;
    case WebEventKind::DocumentNew:
      event.width = fields.number("width", 1, 16383);
      event.height = fields.number("height", 1, 16383);
      event.number = fields.whole("artboards", 1, 1000);
      event.name = fields.oneOf("unit", {GUIDES_UNITS});
      break;
    case WebEventKind::DocumentSwitch:
      event.number = fields.whole("index", 1, 1000);
      break;
    case WebEventKind::UiClick:
    case WebEventKind::UiChoose:
      event.name = fields.controlName();
      if (event.kind == WebEventKind::UiChoose) event.number = fields.whole("index", 0, 100000);
      fields.modifiers(event, false);
      break;
    case WebEventKind::UiType:
      event.name = fields.controlName();
      event.text = fields.text("text", kMaxTypedBytes, true);
      break;
    case WebEventKind::UiCommand:
      event.name = fields.controlName();
      event.text = fields.oneOf("selector", {"moveUp:", "moveDown:", "insertTab:", "insertBacktab:"});
      break;
    case WebEventKind::UiHover:
    case WebEventKind::UiLeave:
      event.name = fields.controlName();
      break;
    case WebEventKind::Fit:
    case WebEventKind::Menus:
    case WebEventKind::DocumentClose:
    case WebEventKind::DocumentSave:
    case WebEventKind::Undo:
    case WebEventKind::Redo:
      break;
  }
}

// The body as JSON, refused when it is not exactly one JSON text in UTF-8 whose objects
// name each key once. (The parser alone would stop at a NUL byte as at the end, skip a byte
// order mark and keep the last of two equal keys.)
std::optional<Json> strictJson(std::string_view body, std::string* error) {
  if (body.find('\0') != std::string_view::npos) {
    *error = "the body holds a NUL byte";
    return std::nullopt;
  }
  bool repeated = false;
  std::vector<std::set<std::string>> keys;
  const Json::parser_callback_t noteKeys = [&](int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) keys.emplace_back();
    if (event == Json::parse_event_t::object_end) keys.pop_back();
    if (event == Json::parse_event_t::key && !keys.back().insert(parsed.get<std::string>()).second) repeated = true;
    return true;
  };
  Json parsed = isValidUtf8(body) && !body.starts_with("\xEF\xBB\xBF") ? Json::parse(body, noteKeys, false)
                                                                       : Json(Json::value_t::discarded);
  if (parsed.is_discarded()) {
    *error = "the body is not valid JSON (in UTF-8)";
    return std::nullopt;
  }
  if (repeated) {
    *error = "the body names a key twice";
    return std::nullopt;
  }
  return parsed;
}

}  // namespace

bool isJsonMediaType(std::string_view contentType) {
  auto same = [](std::string_view part, std::string_view expected) {
    while (!part.empty() && (part.front() == ' ' || part.front() == '\t')) part.remove_prefix(1);
    while (!part.empty() && (part.back() == ' ' || part.back() == '\t')) part.remove_suffix(1);
    return part.size() == expected.size() && ::strncasecmp(part.data(), expected.data(), part.size()) == 0;
  };
  const size_t semicolon = contentType.find(';');
  if (!same(contentType.substr(0, semicolon), "application/json")) return false;
  return semicolon == std::string_view::npos || same(contentType.substr(semicolon + 1), "charset=utf-8");
}

std::optional<WebEvent> parseWebEvent(std::string_view body, std::string* error) {
  const std::optional<Json> parsed = strictJson(body, error);
  if (!parsed) return std::nullopt;
  const Json& object = *parsed;
  if (!object.is_object()) {
    *error = "the body must be a JSON object";
    return std::nullopt;
  }
  const auto type = object.find("type");
  if (type == object.end() || !type->is_string()) {
    *error = "'type' is missing or not a string";
    return std::nullopt;
  }
  WebEvent event;
  bool known = false;
  for (const Kind& kind : kKinds)
    if (*type == kind.name) {
      event.kind = kind.kind;
      known = true;
    }
  if (!known) {
    *error = "unknown event type";
    return std::nullopt;
  }
  try {
    FieldReader fields(object);
    readFields(fields, event);
    fields.finish();
  } catch (const Refused& refused) {
    *error = refused.what();
    return std::nullopt;
  }
  return event;
}

}  // namespace host
