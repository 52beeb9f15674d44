// The one description of what the user sees: every layout of the plug-in, loaded, is
// described with its file's own keys and values, and the description loads again into the
// same description.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "kit/Kit.h"

namespace {

using Json = nlohmann::json;

// A standalone object of the file: its fields' delegate.
class AnyDelegate : public kit::Object, public kit::TextFieldDelegate {};

// Bindings that take every outlet, action and class the file names; views of the plug-in's
// own classes are plain views here.
struct AnyOwner {
  std::map<std::string, kit::Object*> slots;
  kit::LayoutBindings bindings;

  void take(const Json& element, bool standalone) {
    if (!element.is_object()) return;
    if (auto outlet = element.find("outlet"); outlet != element.end()) bindings.outlet(*outlet, &slots[*outlet]);
    if (auto action = element.find("action"); action != element.end()) bindings.action(*action, [](kit::Control*) {});
    if (auto name = element.find("class"); name != element.end()) {
      if (standalone) bindings.customClass(*name, [](const kit::Rect&) { return std::make_unique<AnyDelegate>(); });
      else bindings.customClass(*name, [](const kit::Rect& frame) { return std::make_unique<kit::View>(frame); });
    }
    for (const char* key : {"subviews", "views", "windows"})
      if (auto list = element.find(key); list != element.end())
        for (const Json& child : *list) take(child, false);
    if (auto document = element.find("documentView"); document != element.end()) take(*document, false);
  }

  explicit AnyOwner(const Json& file) {
    take(file, false);
    for (const Json& object : file.value("objects", Json::array())) take(object, true);
  }
};

// The value a description gives for a file's value: the first name of a button type, a
// state as a number, a pop-up's titles as items.
Json described(const std::string& key, const Json& value) {
  if (key == "buttonType" && value == "checkBox") return "switch";
  if (key == "state" && value.is_boolean()) return value.get<bool>() ? 1 : 0;
  if (key == "items" && value.is_array()) {
    Json items = Json::array();
    for (const Json& item : value) {
      if (item.is_string()) items.push_back({{"title", item}, {"enabled", true}});
      else if (item.contains("separator")) items.push_back(item);
      else items.push_back({{"title", item["title"]}, {"enabled", item.value("enabled", true)}});
    }
    return items;
  }
  return value;
}

// Every key the file gives an element is in its description with the same value; the outlet
// is the identifier, the delegate a connection, not a thing seen.
void expectDescribes(const Json& file, const Json& description, const std::string& where) {
  for (const auto& [key, value] : file.items()) {
    const Json got = description.value(key, Json());  // null when the description lacks it
    if (key == "delegate") continue;
    if (key == "outlet") {
      EXPECT_EQ(description.value("identifier", ""), file.value("identifier", value.get<std::string>())) << where;
    } else if (key == "subviews") {
      ASSERT_EQ(got.size(), value.size()) << where;
      for (std::size_t i = 0; i < value.size(); ++i)
        expectDescribes(value[i], got[i], where + "." + key + "[" + std::to_string(i) + "]");
    } else if (key == "documentView") {
      expectDescribes(value, got, where + ".documentView");
    } else if (key == "items" && description.value("class", "") == "ComboBox") {
      EXPECT_EQ(got, value) << where;
    } else {
      EXPECT_EQ(got, described(key, value)) << where << " " << key;
    }
  }
}

// Describes what the file loads, checks it against the file, loads the description again.
void expectRoundTrip(const Json& file, const std::string& name) {
  AnyOwner owner(file);
  const Json first = kit::describeLayout(*kit::Layout::loadString(file.dump(), name, owner.bindings));
  for (const char* list : {"views", "windows"})
    for (std::size_t i = 0; i < file.value(list, Json::array()).size(); ++i)
      expectDescribes(file[list][i], first[list][i], name + " " + list);
  const Json again = kit::describeLayout(*kit::Layout::loadString(first.dump(), "description", owner.bindings));
  EXPECT_EQ(again, first) << name;
}

TEST(Description, EveryLayoutOfThePluginIsDescribedByItsOwnKeysAndLoadsAgainTheSame) {
  int layouts = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(GUIDES_PLUGIN_DIR)) {
    if (entry.path().extension() != ".json") continue;
    ++layouts;
    expectRoundTrip(Json::parse(std::ifstream(entry.path())), entry.path().filename().string());
  }
  EXPECT_GT(layouts, 0);
  // The keys no layout of the plug-in gives.
  expectRoundTrip(Json::parse(R"({"windows": [{"outlet": "w", "title": "T", "visible": true, "subviews": [
    {"class": "TextField", "outlet": "f", "toolTip": "Tip.", "textColor": [1, 0, 0, 1], "selectable": false,
     "editable": false, "backgroundColor": [0, 0.5, 1, 0.25], "alignment": "justified", "enabled": false},
    {"class": "Button", "buttonType": "radio", "image": "lock", "state": true, "keyEquivalent": "x",
     "keyEquivalentModifiers": ["shift", "option"], "autoresizingMask": ["flexibleWidth", "flexibleTopMargin"]},
    {"class": "PopUpButton", "items": [{"title": "a", "enabled": false}, "b"], "selectedIndex": 1},
    {"class": "ComboBox", "items": ["1", "2"], "selectedIndex": 1, "text": "2"}]}]})"),
                  "every key");
}

}  // namespace
