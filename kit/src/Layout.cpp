#include "kit/Layout.h"

#include <cxxabi.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "kit/Button.h"
#include "kit/ComboBox.h"
#include "kit/PopUpButton.h"
#include "kit/ScrollView.h"
#include "kit/TextField.h"
#include "kit/TextView.h"
#include "kit/View.h"
#include "kit/Window.h"
#include "LayoutNames.h"

namespace kit {

using Json = nlohmann::json;

// ---- bindings ----

const LayoutBindings::Outlet* LayoutBindings::findOutlet(const std::string& name) const {
  auto it = outlets_.find(name);
  return it == outlets_.end() ? nullptr : &it->second;
}

const Action* LayoutBindings::findAction(const std::string& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : &it->second;
}

const LayoutBindings::Factory* LayoutBindings::findClass(const std::string& name) const {
  auto it = classes_.find(name);
  return it == classes_.end() ? nullptr : &it->second;
}

std::string LayoutBindings::typeName(const std::type_info& type) {
  int status = 0;
  char* readable = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
  std::string name = status == 0 && readable ? readable : type.name();
  std::free(readable);
  return name;
}

// ---- the loader ----

class LayoutLoader {
 public:
  LayoutLoader(std::string name, const LayoutBindings& bindings)
      : layout_(new Layout(name)), file_(std::move(name)), bindings_(bindings) {}

  std::unique_ptr<Layout> load(std::string_view text) {
    Json root = parse(text);
    if (!root.is_object()) fail("the file", "expected a JSON object at the top");
    checkKeys(root, "the file", {"objects", "views", "windows"});
    forEachElement(root, "objects", "", [&](const Json& e, const std::string& where) { loadObject(e, where); });
    forEachElement(root, "views", "", [&](const Json& e, const std::string& where) {
      layout_->views_.push_back(loadView(e, where, 1));
    });
    forEachElement(root, "windows", "", [&](const Json& e, const std::string& where) { loadWindow(e, where); });
    connectDelegates();
    checkRequiredOutlets();
    for (auto& commit : commits_) commit();  // nothing can fail from here on
    return std::move(layout_);
  }

 private:
  using Keys = std::initializer_list<const char*>;

  [[noreturn]] void fail(const std::string& where, const std::string& what) const {
    throw LayoutError(file_ + ": " + where + ": " + what);
  }

  Json parse(std::string_view text) const {
    if (text.size() > Layout::maxFileSize) fail("the file", "larger than the layout size limit");
    try {
      return Json::parse(text.begin(), text.end());
    } catch (const Json::exception& e) {
      fail("the file", std::string("malformed JSON: ") + e.what());
    }
  }

  static std::string describe(const std::string& path, const Json& element) {
    auto it = element.is_object() ? element.find("outlet") : element.end();
    if (element.is_object() && it != element.end() && it->is_string()) return path + " '" + it->get<std::string>() + "'";
    return path;
  }

  template <class Each>
  void forEachElement(const Json& parent, const char* key, const std::string& prefix, Each each) {
    auto it = parent.find(key);
    if (it == parent.end()) return;
    std::string where = prefix + key;
    if (!it->is_array()) fail(where, "expected a list");
    for (std::size_t i = 0; i < it->size(); ++i) {
      std::string path = where + "[" + std::to_string(i) + "]";
      const Json& element = (*it)[i];
      if (!element.is_object()) fail(path, "expected an object");
      each(element, path);
    }
  }

  void checkKeys(const Json& element, const std::string& where, std::set<std::string> allowed) const {
    for (auto it = element.begin(); it != element.end(); ++it)
      if (!allowed.count(it.key())) fail(where, "unknown key '" + it.key() + "'");
  }

  // ---- typed values ----
  const Json* find(const Json& e, const char* key) const {
    auto it = e.find(key);
    return it == e.end() ? nullptr : &*it;
  }
  std::string string(const Json& e, const char* key, const std::string& where) const {
    const Json* v = find(e, key);
    if (!v) return {};
    if (!v->is_string()) fail(where, std::string("'") + key + "' must be a text");
    return v->get<std::string>();
  }
  bool boolean(const Json& e, const char* key, bool fallback, const std::string& where) const {
    const Json* v = find(e, key);
    if (!v) return fallback;
    if (!v->is_boolean()) fail(where, std::string("'") + key + "' must be true or false");
    return v->get<bool>();
  }
  int integer(const Json& e, const char* key, int fallback, const std::string& where) const {
    const Json* v = find(e, key);
    if (!v) return fallback;
    if (!v->is_number_integer() || v->get<long long>() < -1'000'000 || v->get<long long>() > 1'000'000)
      fail(where, std::string("'") + key + "' must be a whole number");
    return static_cast<int>(v->get<long long>());
  }
  std::vector<double> numbers(const Json& v, std::size_t count, const char* key, const std::string& where) const {
    std::vector<double> out;
    if (v.is_array() && v.size() == count) {
      for (const Json& n : v) {
        if (!n.is_number() || !std::isfinite(n.get<double>())) break;
        out.push_back(n.get<double>());
      }
    }
    if (out.size() != count) fail(where, std::string("'") + key + "' must be a list of " + std::to_string(count) + " numbers");
    return out;
  }
  Rect frame(const Json& e, const std::string& where) const {
    const Json* v = find(e, "frame");
    if (!v) return {};
    auto n = numbers(*v, 4, "frame", where);
    if (n[2] < 0 || n[3] < 0) fail(where, "'frame' has a negative size");
    return makeRect(n[0], n[1], n[2], n[3]);
  }
  Color color(const Json& v, const char* key, const std::string& where) const {
    auto n = numbers(v, 4, key, where);
    return Color::colorWithCalibratedRed(n[0], n[1], n[2], n[3]);
  }
  // A list of flag names, each one of the table's.
  template <class T, std::size_t N>
  T flags(const Json& e, const char* key, const layoutNames::Name<T> (&table)[N], const std::string& where) const {
    const Json* v = find(e, key);
    if (!v) return T{};
    if (!v->is_array()) fail(where, std::string("'") + key + "' must be a list");
    T mask{};
    for (const Json& flag : *v) {
      const T* bit = flag.is_string() ? layoutNames::valueOf(table, flag.get<std::string>()) : nullptr;
      if (!bit) fail(where, std::string("unknown '") + key + "' flag");
      mask |= *bit;
    }
    return mask;
  }
  template <class T, std::size_t N>
  T named(const Json& e, const char* key, const layoutNames::Name<T> (&table)[N], const std::string& where) const {
    const T* value = layoutNames::valueOf(table, string(e, key, where));
    if (!value) fail(where, std::string("unknown '") + key + "'");
    return *value;
  }

  // ---- objects and outlets ----
  std::unique_ptr<Object> create(const std::string& className, const Rect& frame, const std::string& where) {
    const LayoutBindings::Factory* factory = bindings_.findClass(className);
    if (!factory) fail(where, "unknown class '" + className + "'");
    std::unique_ptr<Object> object;
    try {
      object = (*factory)(frame);
    } catch (const std::exception& e) {
      fail(where, "class '" + className + "' could not be made: " + e.what());
    }
    if (!object) fail(where, "class '" + className + "' made nothing");
    object->setClassName(className);
    return object;
  }

  void nameObject(const Json& e, Object* object, const std::string& where) {
    layout_->created_.push_back(object);
    std::string name = string(e, "outlet", where);
    if (name.empty()) return;
    if (layout_->named_.count(name)) fail(where, "the outlet '" + name + "' is used twice");
    layout_->named_[name] = object;
    const LayoutBindings::Outlet* outlet = bindings_.findOutlet(name);
    if (!outlet) fail(where, "the owner has no outlet '" + name + "'");
    auto commit = outlet->check(object);
    if (!commit) fail(where, "the outlet '" + name + "' holds a " + outlet->typeName + ", not a " + object->className());
    commits_.push_back(std::move(commit));
  }

  void loadObject(const Json& e, const std::string& path) {
    const std::string where = describe(path, e);
    checkKeys(e, where, {"class", "outlet"});
    auto object = create(string(e, "class", where), Rect{}, where);
    Object* raw = object.get();
    layout_->objects_.push_back(std::move(object));
    nameObject(e, raw, where);
  }

  // ---- views ----
  std::unique_ptr<View> makeView(const std::string& className, const Rect& frame, const std::string& where) {
    if (className == "View") return std::make_unique<View>(frame);
    if (className == "Control") return std::make_unique<Control>(frame);
    if (className == "TextField") return std::make_unique<TextField>(frame);
    if (className == "ComboBox") return std::make_unique<ComboBox>(frame);
    if (className == "Button") return std::make_unique<Button>(frame);
    if (className == "PopUpButton") return std::make_unique<PopUpButton>(frame);
    if (className == "TextView") return std::make_unique<TextView>(frame);
    if (className == "ScrollView") return std::make_unique<ScrollView>(frame);
    auto object = create(className, frame, where);
    if (!dynamic_cast<View*>(object.get())) fail(where, "class '" + className + "' is not a view");
    object->setClassName(className);
    return std::unique_ptr<View>(static_cast<View*>(object.release()));
  }

  std::unique_ptr<View> loadView(const Json& e, const std::string& path, int depth) {
    const std::string where = describe(path, e);
    if (depth > Layout::maxDepth) fail(where, "views nested too deeply");
    if (!find(e, "class")) fail(where, "missing 'class'");
    std::string className = string(e, "class", where);
    auto view = makeView(className, frame(e, where), where);
    view->setFrame(frame(e, where));  // custom classes may not honour the frame they are given
    std::set<std::string> allowed{"class", "frame", "outlet", "identifier", "hidden", "toolTip", "autoresizingMask",
                                  "subviews", "live"};
    configureView(*view, e, where, allowed);
    checkKeys(e, where, allowed);
    nameObject(e, view.get(), where);
    forEachElement(e, "subviews", path + ".", [&](const Json& child, const std::string& childPath) {
      view->addSubview(loadView(child, childPath, depth + 1));
    });
    if (const Json* doc = find(e, "documentView")) {
      if (!doc->is_object()) fail(where, "'documentView' must be an element");
      static_cast<ScrollView*>(view.get())->setDocumentView(loadView(*doc, path + ".documentView", depth + 1));
    }
    return view;
  }

  void configureView(View& view, const Json& e, const std::string& where, std::set<std::string>& allowed) {
    std::string outlet = string(e, "outlet", where);
    std::string identifier = string(e, "identifier", where);
    view.setIdentifier(identifier.empty() ? outlet : identifier);
    view.setHidden(boolean(e, "hidden", false, where));
    view.setToolTip(string(e, "toolTip", where));
    view.setAutoresizingMask(flags(e, "autoresizingMask", layoutNames::autoresizingFlags, where));
    if (auto* control = dynamic_cast<Control*>(&view)) configureControl(*control, e, where, allowed);
    if (auto* textView = dynamic_cast<TextView*>(&view)) {
      allowed.insert({"text", "alignment", "editable"});
      textView->setString(string(e, "text", where));
      if (find(e, "alignment")) textView->setAlignment(named(e, "alignment", layoutNames::alignments, where));
      textView->setEditable(boolean(e, "editable", textView->isEditable(), where));
    }
    if (dynamic_cast<ScrollView*>(&view)) allowed.insert("documentView");
  }

  void configureControl(Control& control, const Json& e, const std::string& where, std::set<std::string>& allowed) {
    allowed.insert({"enabled", "action", "text", "alignment"});
    control.setEnabled(boolean(e, "enabled", true, where));
    if (find(e, "text")) control.setStringValue(string(e, "text", where));
    if (find(e, "alignment")) control.setAlignment(named(e, "alignment", layoutNames::alignments, where));
    std::string actionName = string(e, "action", where);
    if (!actionName.empty()) {
      const Action* action = bindings_.findAction(actionName);
      if (!action) fail(where, "the owner has no action '" + actionName + "'");
      control.setAction(*action, actionName);
    }
    if (auto* field = dynamic_cast<TextField*>(&control)) configureField(*field, e, where, allowed);
    if (auto* combo = dynamic_cast<ComboBox*>(&control)) configureCombo(*combo, e, where, allowed);
    if (auto* button = dynamic_cast<Button*>(&control)) configureButton(*button, e, where, allowed);
    if (auto* popup = dynamic_cast<PopUpButton*>(&control)) configurePopUp(*popup, e, where, allowed);
  }

  void configureField(TextField& field, const Json& e, const std::string& where, std::set<std::string>& allowed) {
    allowed.insert({"editable", "selectable", "delegate", "textColor", "backgroundColor", "drawsBackground"});
    field.setEditable(boolean(e, "editable", true, where));
    field.setSelectable(boolean(e, "selectable", true, where));
    field.setDrawsBackground(boolean(e, "drawsBackground", true, where));
    if (const Json* c = find(e, "textColor")) field.setTextColor(color(*c, "textColor", where));
    if (const Json* c = find(e, "backgroundColor")) field.setBackgroundColor(color(*c, "backgroundColor", where));
    std::string delegate = string(e, "delegate", where);
    if (!delegate.empty()) pendingDelegates_.push_back({&field, delegate, where});
  }

  std::vector<std::string> titles(const Json& e, const std::string& where) const {
    std::vector<std::string> out;
    const Json* items = find(e, "items");
    if (!items) return out;
    if (!items->is_array()) fail(where, "'items' must be a list");
    for (const Json& item : *items) {
      if (!item.is_string()) fail(where, "'items' of a combo box must be texts");
      out.push_back(item.get<std::string>());
    }
    return out;
  }

  void configureCombo(ComboBox& combo, const Json& e, const std::string& where, std::set<std::string>& allowed) {
    allowed.insert({"items", "selectedIndex"});
    combo.addItemsWithObjectValues(titles(e, where));
    if (find(e, "selectedIndex") && !combo.selectItemAtIndex(integer(e, "selectedIndex", -1, where)))
      fail(where, "'selectedIndex' names no item");
  }

  void configureButton(Button& button, const Json& e, const std::string& where, std::set<std::string>& allowed) {
    allowed.insert({"title", "image", "state", "buttonType", "keyEquivalent", "keyEquivalentModifiers"});
    button.setTitle(string(e, "title", where));
    button.setImageName(string(e, "image", where));
    if (const Json* s = find(e, "state")) {
      if (s->is_boolean()) button.setState(s->get<bool>() ? ControlStateOn : ControlStateOff);
      else button.setState(integer(e, "state", 0, where));
    }
    if (find(e, "buttonType")) button.setButtonType(named(e, "buttonType", layoutNames::buttonTypes, where));
    button.setKeyEquivalent(string(e, "keyEquivalent", where));
    button.setKeyEquivalentModifierMask(flags(e, "keyEquivalentModifiers", layoutNames::modifierFlags, where));
  }

  void configurePopUp(PopUpButton& popup, const Json& e, const std::string& where, std::set<std::string>& allowed) {
    allowed.insert({"items", "selectedIndex"});
    if (const Json* items = find(e, "items")) {
      if (!items->is_array()) fail(where, "'items' must be a list");
      for (const Json& item : *items) {
        if (item.is_string()) {
          popup.addItemWithTitle(item.get<std::string>());
        } else if (item.is_object() && item.contains("separator")) {
          checkKeys(item, where, {"separator"});
          if (!boolean(item, "separator", false, where)) fail(where, "a separator item must say true");
          popup.addSeparatorItem();
        } else if (item.is_object()) {
          checkKeys(item, where, {"title", "enabled"});
          popup.addItemWithTitle(string(item, "title", where));
          popup.itemAtIndex(popup.numberOfItems() - 1)->enabled = boolean(item, "enabled", true, where);
        } else {
          fail(where, "an item must be a title or an object");
        }
      }
    }
    if (find(e, "selectedIndex") && !popup.selectItemAtIndex(integer(e, "selectedIndex", -1, where)))
      fail(where, "'selectedIndex' names no item");
  }

  // ---- windows ----
  void loadWindow(const Json& e, const std::string& path) {
    const std::string where = describe(path, e);
    checkKeys(e, where, {"class", "outlet", "identifier", "title", "frame", "visible", "subviews", "live"});
    std::string className = find(e, "class") ? string(e, "class", where) : "Window";
    std::unique_ptr<Window> window;
    if (className == "Window") {
      window = std::make_unique<Window>(frame(e, where));
    } else {
      auto object = create(className, frame(e, where), where);
      if (!dynamic_cast<Window*>(object.get())) fail(where, "class '" + className + "' is not a window");
      window.reset(static_cast<Window*>(object.release()));
      window->setFrame(frame(e, where), false, false);
    }
    Window* raw = window.get();
    layout_->windows_.push_back(std::move(window));
    std::string outlet = string(e, "outlet", where);
    std::string identifier = string(e, "identifier", where);
    raw->setIdentifier(identifier.empty() ? outlet : identifier);
    raw->setTitle(string(e, "title", where));
    if (boolean(e, "visible", false, where)) raw->makeKeyAndOrderFront();
    nameObject(e, raw, where);
    forEachElement(e, "subviews", path + ".", [&](const Json& child, const std::string& childPath) {
      raw->contentView()->addSubview(loadView(child, childPath, 1));
    });
  }

  // ---- after every element exists ----
  void connectDelegates() {
    for (const auto& pending : pendingDelegates_) {
      auto it = layout_->named_.find(pending.outlet);
      if (it == layout_->named_.end()) fail(pending.where, "the delegate '" + pending.outlet + "' names no object");
      auto* delegate = dynamic_cast<TextFieldDelegate*>(it->second);
      if (!delegate) fail(pending.where, "the delegate '" + pending.outlet + "' is not a field delegate");
      pending.field->setDelegate(delegate);
    }
  }

  void checkRequiredOutlets() const {
    for (const auto& name : bindings_.requiredOutlets())
      if (!layout_->named_.count(name)) fail("the file", "nothing is connected to the outlet '" + name + "'");
  }

  struct PendingDelegate {
    TextField* field;
    std::string outlet;
    std::string where;
  };

  std::unique_ptr<Layout> layout_;
  std::string file_;
  const LayoutBindings& bindings_;
  std::vector<std::function<void()>> commits_;
  std::vector<PendingDelegate> pendingDelegates_;
};

// ---- the layout ----

std::unique_ptr<Layout> Layout::loadString(std::string_view json, const std::string& name, const LayoutBindings& bindings) {
  return LayoutLoader(name, bindings).load(json);
}

std::unique_ptr<Layout> Layout::loadFile(const std::string& path, const LayoutBindings& bindings) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) throw LayoutError(path + ": no such layout file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw LayoutError(path + ": the layout file cannot be read");
  std::string text;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, std::size_t(in.gcount()));
    if (text.size() > maxFileSize) throw LayoutError(path + ": the file: larger than the layout size limit");
  }
  return loadString(text, path, bindings);
}

Layout::~Layout() = default;

Object* Layout::objectNamed(const std::string& outlet) const {
  auto it = named_.find(outlet);
  return it == named_.end() ? nullptr : it->second;
}

void Layout::awakeFromNib() {
  for (Object* object : created_) object->awakeFromNib();
}

}  // namespace kit
