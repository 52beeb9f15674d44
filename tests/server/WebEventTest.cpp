// The page's events are checked on the server's threads: a good event reads as what it says,
// and every kind of bad body is refused with a message naming what is wrong.
#include <gtest/gtest.h>

#include "server/WebEvent.h"

using host::WebEvent;
using host::WebEventKind;

namespace {

std::string refusal(std::string_view body) {
  std::string error;
  const std::optional<WebEvent> event = host::parseWebEvent(body, &error);
  EXPECT_FALSE(event) << body;
  return error;
}

WebEvent parsed(std::string_view body) {
  std::string error;
  const std::optional<WebEvent> event = host::parseWebEvent(body, &error);
  EXPECT_TRUE(event) << body << ": " << error;
  return event.value_or(WebEvent{});
}

}  // namespace

TEST(WebEvent, AGoodEventReadsAsWhatItSays) {
  const WebEvent drag = parsed(R"({"type":"drag","x":10,"y":20.5,"x2":1000,"y2":800,"alt":true})");
  EXPECT_EQ(std::make_tuple(drag.kind, drag.x, drag.y, drag.x2, drag.y2, drag.alt, drag.shift),
            std::make_tuple(WebEventKind::Drag, 10.0, 20.5, 1000.0, 800.0, true, false));
  const WebEvent typed = parsed(R"({"type":"uiType","control":"PANzoneMargeHaut","text":"0,5 in"})");
  EXPECT_EQ(std::make_tuple(typed.kind, typed.name, typed.text),
            std::make_tuple(WebEventKind::UiType, "PANzoneMargeHaut", "0,5 in"));
  const WebEvent key = parsed(R"({"type":"key","key":"d","cmd":true})");
  EXPECT_EQ(std::make_tuple(key.name, key.cmd), std::make_tuple("d", true));
  const WebEvent document = parsed(R"({"type":"documentNew","width":595.5,"height":842,"artboards":3,"unit":"cm"})");
  EXPECT_EQ(std::make_tuple(document.width, document.height, document.number, document.name),
            std::make_tuple(595.5, 842.0, 3, "cm"));
  EXPECT_EQ(parsed(R"({"type":"uiType","control":"PANnomSet","text":""})").text, "");
}

TEST(WebEvent, MalformedBodiesAndUnknownEventsAreRefused) {
  EXPECT_EQ(refusal("{\"type\":"), "the body is not valid JSON (in UTF-8)");
  EXPECT_EQ(refusal(""), "the body is not valid JSON (in UTF-8)");
  EXPECT_EQ(refusal("{\"type\":\"tool\",\"name\":\"\xff\xfe\"}"), "the body is not valid JSON (in UTF-8)");
  EXPECT_EQ(refusal(R"({"type":"move","x":NaN,"y":1})"), "the body is not valid JSON (in UTF-8)");
  EXPECT_EQ(refusal("[1,2]"), "the body must be a JSON object");
  EXPECT_EQ(refusal(R"({"x":1})"), "'type' is missing or not a string");
  EXPECT_EQ(refusal(R"({"type":7})"), "'type' is missing or not a string");
  EXPECT_EQ(refusal(R"({"type":"save","file":"/etc/passwd"})"), "unknown event type");
  EXPECT_EQ(refusal(R"({"type":"click","x":1,"y":2,"file":"x"})"), "unknown field 'file'");
  // Deep nesting is refused without exhausting the stack.
  EXPECT_EQ(refusal(std::string(60000, '[') + std::string(60000, ']')), "the body must be a JSON object");
}

TEST(WebEvent, FieldsOutOfRangeOfTheWrongTypeOrMissingAreNamed) {
  EXPECT_EQ(refusal(R"({"type":"click","x":1})"), "'y' is missing");
  EXPECT_EQ(refusal(R"({"type":"click","x":-1,"y":2})"), "'x' is out of range (0 to 1000)");
  EXPECT_EQ(refusal(R"({"type":"click","x":1,"y":800.5})"), "'y' is out of range (0 to 800)");
  EXPECT_EQ(refusal(R"({"type":"click","x":"1","y":2})"), "'x' must be a number");
  EXPECT_EQ(refusal(R"({"type":"click","x":true,"y":2})"), "'x' must be a number");
  // A number too large to be finite does not parse as JSON at all.
  EXPECT_EQ(refusal(R"({"type":"click","x":1e400,"y":2})"), "the body is not valid JSON (in UTF-8)");
  EXPECT_EQ(refusal(R"({"type":"click","x":1,"y":2,"alt":1})"), "'alt' must be true or false");
  EXPECT_EQ(refusal(R"({"type":"zoom","factor":0})"), "'factor' is out of range (0.015625 to 64)");
  EXPECT_EQ(refusal(R"({"type":"uiChoose","control":"PANpopupSets","index":1.5})"), "'index' must be a whole number");
  EXPECT_EQ(refusal(R"({"type":"uiChoose","control":"PANpopupSets","index":-1})"), "'index' is out of range (0 to 100000)");
  EXPECT_EQ(refusal(R"({"type":"flyout","id":99999999999})"), "'id' is out of range (-2147483648 to 2147483647)");
  EXPECT_EQ(refusal(R"({"type":"documentNew","width":10,"height":10,"artboards":0,"unit":"mm"})"),
            "'artboards' is out of range (1 to 1000)");
}

TEST(WebEvent, TextsAreCheckedForWhatTheyHoldAndHowLongTheyAre) {
  EXPECT_EQ(refusal(R"({"type":"uiType","control":"a b","text":"1"})"),
            "'control' must be an outlet name (letters, digits, '_')");
  EXPECT_EQ(refusal(R"({"type":"uiClick","control":"../x"})"), "'control' must be an outlet name (letters, digits, '_')");
  EXPECT_EQ(refusal(R"({"type":"uiClick","control":""})"), "'control' must not be empty");
  EXPECT_EQ(refusal(R"({"type":"uiType","control":"F","text":"a\nb"})"), "'text' holds a control character");
  EXPECT_EQ(refusal(R"({"type":"uiType","control":"F","text":"\u0000"})"), "'text' holds a control character");
  EXPECT_EQ(refusal(R"({"type":"uiType","control":"F","text":")" + std::string(257, 'x') + "\"}"),
            "'text' is longer than 256 bytes");
  EXPECT_EQ(refusal(R"({"type":"uiType","control":"F","text":"\ud800"})"), "the body is not valid JSON (in UTF-8)");
  EXPECT_EQ(refusal(R"({"type":"key","key":"F5"})"), "'key' must be return, escape, delete or one printable character");
  EXPECT_EQ(refusal(R"({"type":"theme","name":"blue"})"), "'name' must be one of dark, light");
  EXPECT_EQ(refusal(R"({"type":"resize","handle":"x","x":1,"y":1,"x2":2,"y2":2})"),
            "'handle' must be nw, n, ne, e, se, s, sw or w");
  EXPECT_EQ(refusal(R"({"type":"uiCommand","control":"F","selector":"deleteBackward:"})"),
            "'selector' must be one of moveUp:, moveDown:, insertTab:, insertBacktab:");
}

// The body is one JSON text and nothing else: each key once, nothing after it (a NUL byte
// included, which the parser alone takes for the end), no byte order mark.
TEST(WebEvent, ABodyIsExactlyOneJsonTextWithEachKeyOnce) {
  EXPECT_EQ(refusal(R"({"type":"tool","name":"a","name":"b"})"), "the body names a key twice");
  EXPECT_EQ(refusal(R"({"type":"fit","type":"fit"})"), "the body names a key twice");
  EXPECT_EQ(refusal(std::string(R"({"type":"fit"})") + '\0' + "{}"), "the body holds a NUL byte");
  EXPECT_EQ(refusal(R"({"type":"fit"} {})"), "the body is not valid JSON (in UTF-8)");
  EXPECT_EQ(refusal("\xEF\xBB\xBF{\"type\":\"fit\"}"), "the body is not valid JSON (in UTF-8)");
  // Equal keys in different objects are different keys.
  EXPECT_EQ(refusal(R"({"type":"fit","x":{"a":1},"y":{"a":1}})"), "unknown field 'x'");
  EXPECT_EQ(parsed(" {\"type\":\"fit\"}\n ").kind, WebEventKind::Fit);
}

TEST(WebEvent, OnlyJsonIsTakenForJson) {
  for (const char* type : {"application/json", "Application/JSON", "application/json; charset=utf-8",
                           "application/json;charset=UTF-8"})
    EXPECT_TRUE(host::isJsonMediaType(type)) << type;
  for (const char* type : {"application/jsonx", "application/json5", "text/json", "application/json; charset=latin1",
                           "application/json; x=1", "", "application/ json"})
    EXPECT_FALSE(host::isJsonMediaType(type)) << type;
}
