#include "kit/Window.h"

#include <functional>
#include <vector>

#include "kit/Application.h"
#include "kit/Button.h"
#include "kit/TextField.h"
#include "kit/TextView.h"
#include "kit/View.h"

namespace kit {

namespace {

void collect(View* view, const std::function<bool(View*)>& keep, std::vector<View*>& out) {
  if (keep(view)) out.push_back(view);
  for (View* child : view->subviews()) collect(child, keep, out);
}

}  // namespace

Window::Window(const Rect& frame, std::string title)
    : Object("Window"), title_(std::move(title)), frame_(frame) {
  setContentView(std::make_unique<View>());
  Application::shared().registerWindow(this);
}

Window::~Window() {
  Application::shared().unregisterWindow(this);
  firstResponder_ = nullptr;
  if (contentView_) contentView_->window_ = nullptr;
  contentView_.reset();
}

void Window::setFrame(const Rect& frame, bool display, bool animate) {
  frame_ = frame;
  lastDisplay_ = display;
  lastAnimate_ = animate;
  if (contentView_) contentView_->setFrame(Rect{{0, 0}, frame.size});
  if (display && contentView_) contentView_->display();
}

void Window::setFrameOrigin(Point origin) { setFrame(Rect{origin, frame_.size}, false, false); }

void Window::center() {
  setFrameOrigin(Point{mainScreenFrame.minX() + (mainScreenFrame.size.width - frame_.size.width) / 2,
                       mainScreenFrame.minY() + (mainScreenFrame.size.height - frame_.size.height) / 2});
}

void Window::makeKeyAndOrderFront() {
  visible_ = true;
  Application::shared().setKeyWindow(this);
}

void Window::orderOut() {
  visible_ = false;
  if (Application::shared().keyWindow() == this) Application::shared().setKeyWindow(nullptr);
}

bool Window::isKeyWindow() const { return Application::shared().keyWindow() == this; }

void Window::setContentView(std::unique_ptr<View> view) {
  firstResponder_ = nullptr;
  if (contentView_) contentView_->window_ = nullptr;
  contentView_ = std::move(view);
  if (!contentView_) return;
  if (contentView_->superview()) contentView_->removeFromSuperview().release();  // borrowed there
  contentView_->window_ = this;
  contentView_->setFrame(Rect{{0, 0}, frame_.size});
}

bool Window::makeFirstResponder(View* view) {
  if (!view) {
    firstResponder_ = nullptr;
    return true;
  }
  if (view->window() != this || !view->acceptsFirstResponder()) return false;
  firstResponder_ = view;
  return true;
}

TextView* Window::fieldEditor() {
  if (!fieldEditor_) fieldEditor_ = std::make_unique<TextView>();
  return fieldEditor_.get();
}

void Window::selectKeyView(int direction) {
  if (!contentView_) return;
  std::vector<View*> loop;
  collect(contentView_.get(), [](View* v) { return v->canBecomeKeyView(); }, loop);
  if (loop.empty()) return;
  int count = static_cast<int>(loop.size());
  int current = -1;
  for (int i = 0; i < count; ++i)
    if (loop[std::size_t(i)] == firstResponder_) current = i;
  int next = current < 0 ? (direction > 0 ? 0 : count - 1) : (current + direction + count) % count;
  View* target = loop[std::size_t(next)];
  if (auto* field = dynamic_cast<TextField*>(target)) field->selectText();
  else makeFirstResponder(target);
}

void Window::selectNextKeyView() { selectKeyView(+1); }
void Window::selectPreviousKeyView() { selectKeyView(-1); }

Delivery Window::userKeyEquivalent(const std::string& key, ModifierFlags flags) {
  if (!Application::shared().windowTakesEvents(this)) return Delivery::RefusedOutsideModal;
  if (!contentView_ || key.empty()) return Delivery::RefusedNoSuchItem;
  constexpr ModifierFlags relevant = EventModifierFlagShift | EventModifierFlagControl |
                                     EventModifierFlagOption | EventModifierFlagCommand;
  std::vector<View*> buttons;
  collect(contentView_.get(), [&](View* v) {
    auto* b = dynamic_cast<Button*>(v);
    return b && b->keyEquivalent() == key && (b->keyEquivalentModifierMask() & relevant) == (flags & relevant);
  }, buttons);
  for (View* v : buttons) {
    if (v->refusalForUserEvent() != Delivery::Delivered) continue;
    return v->userClick(flags);
  }
  return Delivery::RefusedNoSuchItem;
}

void Window::forgetViewTree(const View& view) {
  if (firstResponder_ && firstResponder_->isDescendantOf(view)) firstResponder_ = nullptr;
}

}  // namespace kit
