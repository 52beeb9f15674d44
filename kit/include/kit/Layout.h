// Layout files: JSON descriptions of windows, views and standalone objects that play the
// role of interface files. Loading one creates the objects and connects them to their
// owner through a table of bindings: outlet name -> typed slot, action name -> callable,
// custom class name -> factory.
//
//   {
//     "objects": [ { "class": "FieldDelegate", "outlet": "fieldDelegate" } ],
//     "views": [
//       { "class": "View", "outlet": "view", "frame": [0, 0, 240, 158], "subviews": [
//         { "class": "TextField", "outlet": "width", "frame": [10, 126, 60, 22],
//           "autoresizingMask": ["flexibleBottomMargin"],
//           "text": "3 mm", "action": "widthChanged:", "delegate": "fieldDelegate",
//           "toolTip": "Width." },
//         { "class": "PopUpButton", "outlet": "units", "frame": [80, 10, 80, 22],
//           "items": ["in", "cm", {"separator": true}, "mm"], "selectedIndex": 3 } ] } ],
//     "windows": [
//       { "outlet": "prefs", "title": "Preferences", "frame": [0, 0, 300, 200],
//         "subviews": [ { "class": "Button", "outlet": "ok", "title": "OK",
//                         "keyEquivalent": "\r", "action": "ok:" } ] } ]
//   }
//
// Element keys. Every view: "class" (required), "frame" [x, y, w, h], "outlet",
// "identifier" (defaults to the outlet), "hidden", "toolTip", "autoresizingMask",
// "subviews". "autoresizingMask" lists how the view follows its superview's size changes:
// "flexibleLeftMargin", "flexibleWidth", "flexibleRightMargin", "flexibleBottomMargin",
// "flexibleHeight", "flexibleTopMargin"; none (the default) keeps the view's size and its
// distances to the left and bottom edges, "flexibleBottomMargin" keeps it at its distance
// from the top (y grows upwards). Controls add
// "enabled", "action", "text", "alignment" ("left", "right", "center", "justified",
// "natural"). TextField and ComboBox: "editable", "selectable", "delegate" (the outlet of
// a standalone object that is a TextFieldDelegate), "textColor" and "backgroundColor"
// ([r, g, b, a]), "drawsBackground"; ComboBox and PopUpButton: "items" (titles; a
// pop-up also takes {"separator": true} and {"title": t, "enabled": false}) and
// "selectedIndex". Button: "title", "image" (a template image's name: "lock"), "state"
// (0, 1, -1 or a boolean), "buttonType" ("momentaryPushIn", "pushOnPushOff", "toggle",
// "switch" or "checkBox", "radio"), "keyEquivalent", "keyEquivalentModifiers" (["shift",
// "control", "option", "command"]).
// TextView: "text", "alignment", "editable". ScrollView: "documentView" (one element).
// Windows: "class" ("Window" or a custom window class), "outlet", "identifier",
// "title", "frame", "visible" (default false), "subviews" (of the content view).
// Standalone objects: "class" (a custom class), "outlet". Views and windows may carry
// "live", what a description (kit/Snapshot.h) adds of the state a layout cannot set: it is
// ignored, so a description loads as a layout.
//
// Every fault is a LayoutError naming the file and the element: malformed JSON, an
// unknown key or class, a value of the wrong kind, an outlet or action the bindings do
// not have, an outlet slot of another type, a duplicate outlet, an unknown delegate,
// nesting deeper than maxDepth. A failed load leaks nothing and fills no slot.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "kit/Control.h"
#include "kit/Object.h"
#include "kit/View.h"
#include "kit/Window.h"

namespace kit {

class LayoutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class LayoutBindings {
 public:
  // Makes a custom class's instance; views receive their frame, other objects an empty one.
  using Factory = std::function<std::unique_ptr<Object>(const Rect& frame)>;
  // Checks an object against a slot: a commit that fills the slot, or none for a wrong type.
  using SlotCheck = std::function<std::function<void()>(Object* object)>;

  // A slot the layout fills with the object whose outlet has this name. The object must
  // be a T (checked at load). The slot does not own the object.
  template <class T>
  void outlet(const std::string& name, T** slot) {
    static_assert(std::is_polymorphic_v<T>, "outlets hold toolkit objects");
    outlets_[name] = Outlet{[slot](Object* object) -> std::function<void()> {
                              T* typed = dynamic_cast<T*>(object);
                              if (!typed) return nullptr;
                              return [slot, typed] { *slot = typed; };
                            },
                            typeName(typeid(T))};
  }
  // A load fails unless an element fills this outlet.
  void requireOutlet(const std::string& name) { required_.push_back(name); }
  void action(const std::string& name, Action action) { actions_[name] = std::move(action); }
  void customClass(const std::string& className, Factory factory) { classes_[className] = std::move(factory); }

  // Lookups for the loader.
  struct Outlet {
    SlotCheck check;
    std::string typeName;
  };
  const Outlet* findOutlet(const std::string& name) const;
  const Action* findAction(const std::string& name) const;
  const Factory* findClass(const std::string& name) const;
  const std::vector<std::string>& requiredOutlets() const { return required_; }

 private:
  static std::string typeName(const std::type_info& type);
  std::map<std::string, Outlet> outlets_;
  std::map<std::string, Action> actions_;
  std::map<std::string, Factory> classes_;
  std::vector<std::string> required_;
};

class Layout {
 public:
  static constexpr std::size_t maxFileSize = 8 * 1024 * 1024;
  static constexpr int maxDepth = 64;

  // Throw LayoutError. The name is the file named in error messages.
  static std::unique_ptr<Layout> loadFile(const std::string& path, const LayoutBindings& bindings);
  static std::unique_ptr<Layout> loadString(std::string_view json, const std::string& name,
                                            const LayoutBindings& bindings);
  ~Layout();
  Layout(const Layout&) = delete;
  Layout& operator=(const Layout&) = delete;

  const std::string& name() const { return name_; }
  // What the layout owns: top-level views, windows, standalone objects.
  const std::vector<std::unique_ptr<View>>& views() const { return views_; }
  const std::vector<std::unique_ptr<Window>>& windows() const { return windows_; }
  const std::vector<std::unique_ptr<Object>>& objects() const { return objects_; }
  // Any object of the layout by its outlet name, or nullptr.
  Object* objectNamed(const std::string& outlet) const;

  // Sends awakeFromNib to every object the layout created, in creation order. Called by
  // whoever loaded the layout, once it holds the layout.
  void awakeFromNib();

 private:
  friend class LayoutLoader;
  explicit Layout(std::string name) : name_(std::move(name)) {}

  std::string name_;
  // Declared in this order so that views and windows go before the objects (delegates)
  // they point to.
  std::vector<std::unique_ptr<Object>> objects_;
  std::vector<std::unique_ptr<View>> views_;
  std::vector<std::unique_ptr<Window>> windows_;
  std::vector<Object*> created_;
  std::map<std::string, Object*> named_;
};

}  // namespace kit
