#include "kit/View.h"

#include <algorithm>

#include "kit/Application.h"
#include "kit/Window.h"

namespace kit {

namespace {

// One axis of a view in its superview: the margin before it (left or bottom), its length
// and the margin after it (right or top).
struct Span {
  double before;
  double length;
  double after;
};

// Shares a change of the superview's length among the flexible parts of the span, in
// proportion to their lengths (equally when they are all empty). With no flexible part the
// span keeps its place and length: the margin after it takes the change.
Span distribute(Span span, double change, bool flexibleBefore, bool flexibleLength, bool flexibleAfter) {
  const int flexibleCount = int(flexibleBefore) + int(flexibleLength) + int(flexibleAfter);
  if (flexibleCount == 0 || change == 0) return span;
  auto weight = [](bool flexible, double length) { return flexible ? std::max(length, 0.0) : 0.0; };
  const double wBefore = weight(flexibleBefore, span.before);
  const double wLength = weight(flexibleLength, span.length);
  const double total = wBefore + wLength + weight(flexibleAfter, span.after);
  auto share = [&](bool flexible, double w) {
    if (!flexible) return 0.0;
    return total > 0 ? change * (w / total) : change / flexibleCount;
  };
  span.before += share(flexibleBefore, wBefore);
  span.length = std::max(span.length + share(flexibleLength, wLength), 0.0);
  return span;
}

}  // namespace

View::View(const Rect& frame) : View("View", frame) {}

View::View(std::string className, const Rect& frame) : Object(std::move(className)), frame_(frame) {}

View::~View() {
  GraphicsContext::forgetDestination(&displayList_);
  if (Window* w = window()) w->forgetViewTree(*this);
  if (superview_) superview_->detachChild(this).release();  // our owner is already deleting us
  auto children = std::move(children_);
  children_.clear();
  for (auto& child : children) child.view->superview_ = nullptr;
  // Owned children die here with the local vector.
}

void View::setFrame(const Rect& frame) {
  const Size oldSize = frame_.size;
  frame_ = frame;
  if (frame.size == oldSize) return;
  for (View* child : subviews()) child->resizeWithOldSuperviewSize(oldSize);
}

void View::resizeWithOldSuperviewSize(Size oldSize) {
  if (!superview_ || autoresizingMask_ == ViewNotSizable) return;
  const Size newSize = superview_->frame_.size;
  const AutoresizingMask m = autoresizingMask_;
  const Span x = distribute(Span{frame_.minX(), frame_.size.width, oldSize.width - frame_.maxX()},
                            newSize.width - oldSize.width, m & ViewFlexibleLeftMargin, m & ViewFlexibleWidth,
                            m & ViewFlexibleRightMargin);
  const Span y = distribute(Span{frame_.minY(), frame_.size.height, oldSize.height - frame_.maxY()},
                            newSize.height - oldSize.height, m & ViewFlexibleBottomMargin, m & ViewFlexibleHeight,
                            m & ViewFlexibleTopMargin);
  setFrame(makeRect(x.before, y.before, x.length, y.length));
}
void View::setFrameOrigin(Point origin) { setFrame(Rect{origin, frame_.size}); }
void View::setFrameSize(Size size) { setFrame(Rect{frame_.origin, size}); }

void View::attach(View* child, std::unique_ptr<View> owned) {
  child->superview_ = this;
  children_.push_back(Child{child, std::move(owned)});
}

std::unique_ptr<View> View::detachChild(View* child) {
  auto it = std::find_if(children_.begin(), children_.end(), [&](const Child& c) { return c.view == child; });
  if (it == children_.end()) return nullptr;
  std::unique_ptr<View> owned = std::move(it->owned);
  children_.erase(it);
  child->superview_ = nullptr;
  return owned;
}

View* View::addSubview(std::unique_ptr<View> view) {
  if (!view || isDescendantOf(*view)) return nullptr;
  View* raw = view.get();
  if (raw->superview_) {
    if (Window* w = raw->window()) w->forgetViewTree(*raw);
    raw->superview_->detachChild(raw).release();  // borrowed there: not its owner
  }
  attach(raw, std::move(view));
  return raw;
}

bool View::addSubview(View& view) {
  if (isDescendantOf(view)) return false;
  std::unique_ptr<View> owned;
  if (view.superview_) {
    if (Window* w = view.window()) w->forgetViewTree(view);
    owned = view.superview_->detachChild(&view);
  }
  attach(&view, std::move(owned));
  return true;
}

std::unique_ptr<View> View::removeFromSuperview() {
  if (!superview_) return nullptr;
  if (Window* w = window()) w->forgetViewTree(*this);
  return superview_->detachChild(this);
}

std::vector<View*> View::subviews() const {
  std::vector<View*> views;
  views.reserve(children_.size());
  for (const auto& child : children_) views.push_back(child.view);
  return views;
}

bool View::isDescendantOf(const View& ancestor) const {
  for (const View* v = this; v; v = v->superview_)
    if (v == &ancestor) return true;
  return false;
}

Window* View::window() const {
  const View* v = this;
  while (v->superview_) v = v->superview_;
  return v->window_;
}

bool View::isHiddenOrHasHiddenAncestor() const {
  for (const View* v = this; v; v = v->superview_)
    if (v->hidden_) return true;
  return false;
}

View* View::viewWithIdentifier(const std::string& id) {
  if (identifier_ == id) return this;
  for (auto& child : children_)
    if (View* found = child.view->viewWithIdentifier(id)) return found;
  return nullptr;
}

void View::display() {
  if (isHiddenOrHasHiddenAncestor()) return;
  displayList_.clear();
  ++displayCount_;
  needsDisplay_ = false;
  {
    struct Destination {
      DisplayList* list;
      explicit Destination(DisplayList* l) : list(l) { GraphicsContext::pushDestination(list); }
      ~Destination() { GraphicsContext::popDestination(list); }  // also when drawRect throws
    } destination(&displayList_);
    drawRect(bounds());
  }
  for (View* child : subviews())
    if (!child->hidden_) child->display();
}

void View::displayIfNeeded() {
  if (hidden_) return;
  if (needsDisplay_) {
    display();
    return;
  }
  for (View* child : subviews()) child->displayIfNeeded();
}

void View::drawRect(const Rect&) {}

bool View::acceptsFirstResponder() const { return false; }
bool View::canBecomeKeyView() const { return acceptsFirstResponder() && !isHiddenOrHasHiddenAncestor(); }
void View::mouseDown(const Event&) {}
void View::mouseEntered(const Event&) {}
void View::mouseExited(const Event&) {}

TrackingArea* View::addTrackingArea(std::unique_ptr<TrackingArea> area) {
  if (!area) return nullptr;
  trackingAreas_.push_back(std::move(area));
  return trackingAreas_.back().get();
}

void View::removeTrackingArea(TrackingArea* area) {
  std::erase_if(trackingAreas_, [&](const auto& a) { return a.get() == area; });
}

std::vector<TrackingArea*> View::trackingAreas() const {
  std::vector<TrackingArea*> areas;
  for (const auto& a : trackingAreas_) areas.push_back(a.get());
  return areas;
}

Delivery View::refusalForUserEvent() const {
  if (!Application::shared().windowTakesEvents(window())) return Delivery::RefusedOutsideModal;
  if (isHiddenOrHasHiddenAncestor()) return Delivery::RefusedHidden;
  return Delivery::Delivered;
}

Delivery View::userClick(ModifierFlags flags) {
  Delivery d = refusalForUserEvent();
  if (d != Delivery::Delivered) return d;
  Event event{EventType::LeftMouseDown, flags, frame_.origin, nullptr};
  Application::shared().setCurrentEvent(event);
  mouseDown(event);  // may destroy this view: nothing of it is touched afterwards
  return Delivery::Delivered;
}

Delivery View::deliverTracking(EventType type, ModifierFlags flags) {
  Delivery d = refusalForUserEvent();
  if (d != Delivery::Delivered) return d;
  std::vector<TrackingArea*> areas;
  for (const auto& a : trackingAreas_)
    if (a->options() & TrackingMouseEnteredAndExited) areas.push_back(a.get());
  if (areas.empty()) return Delivery::RefusedNoTrackingArea;
  // Owners are collected first: a handler may remove or replace the areas.
  std::vector<std::pair<View*, TrackingArea*>> targets;
  for (TrackingArea* a : areas)
    if (a->owner()) targets.emplace_back(a->owner(), a);
  for (auto& [owner, area] : targets) {
    Event event{type, flags, frame_.origin, area};
    Application::shared().setCurrentEvent(event);
    if (type == EventType::MouseEntered) owner->mouseEntered(event);
    else owner->mouseExited(event);
  }
  return Delivery::Delivered;
}

Delivery View::userMouseEntered(ModifierFlags flags) { return deliverTracking(EventType::MouseEntered, flags); }
Delivery View::userMouseExited(ModifierFlags flags) { return deliverTracking(EventType::MouseExited, flags); }

}  // namespace kit
