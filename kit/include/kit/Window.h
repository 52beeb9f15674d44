// A top-level window: title, frame on the screen, visibility, a content view (owned),
// the first responder, the Tab order and key equivalents.
#pragma once

#include <memory>
#include <string>

#include "kit/Event.h"
#include "kit/Geometry.h"
#include "kit/Object.h"

namespace kit {

class View;
class TextView;

// The screen that windows are centred on.
inline constexpr Rect mainScreenFrame{{0, 0}, {1440, 900}};

class Window : public Object {
 public:
  explicit Window(const Rect& frame = Rect{{0, 0}, {400, 300}}, std::string title = {});
  ~Window() override;

  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }
  const std::string& identifier() const { return identifier_; }
  void setIdentifier(std::string id) { identifier_ = std::move(id); }

  // The frame on the screen; the content view always fills it, and a new size moves and
  // sizes the content view's subviews by their autoresizing masks.
  Rect frame() const { return frame_; }
  void setFrame(const Rect& frame, bool display, bool animate = false);
  void setFrameOrigin(Point origin);
  // Centres the window on the main screen.
  void center();
  // How the last setFrame asked to be shown (for tests and the host's export).
  bool lastFrameChangeDisplayed() const { return lastDisplay_; }
  bool lastFrameChangeAnimated() const { return lastAnimate_; }

  // Shows the window and makes it the key window.
  void makeKeyAndOrderFront();
  // Hides the window.
  void orderOut();
  bool isVisible() const { return visible_; }
  bool isKeyWindow() const;

  View* contentView() const { return contentView_.get(); }
  // Replaces (and destroys) the previous content view.
  void setContentView(std::unique_ptr<View> view);

  // nullptr when the window itself is the first responder.
  View* firstResponder() const { return firstResponder_; }
  // Refused (false) for a view outside this window or one that does not accept it.
  bool makeFirstResponder(View* view);
  // The shared text editor of the window's fields, offered to their delegates.
  TextView* fieldEditor();

  // Moves the first responder along the Tab order (the views that can become key
  // views, in the order of the view tree), wrapping at the ends. A field reached this
  // way has its whole text selected.
  void selectNextKeyView();
  void selectPreviousKeyView();

  // A key pressed with modifiers: clicks the first visible, enabled button whose key
  // equivalent and modifier mask match ("\r" Return, "\x1b" Escape).
  Delivery userKeyEquivalent(const std::string& key, ModifierFlags flags = 0);

  // A view leaving the window: the first responder is dropped if it lies inside it.
  void forgetViewTree(const View& view);

 private:
  void selectKeyView(int direction);

  std::string title_;
  std::string identifier_;
  Rect frame_;
  bool visible_ = false;
  bool lastDisplay_ = false;
  bool lastAnimate_ = false;
  std::unique_ptr<View> contentView_;
  View* firstResponder_ = nullptr;
  std::unique_ptr<TextView> fieldEditor_;
};

}  // namespace kit
