// The base of every visible element: a frame in its superview, subviews, visibility,
// a tool tip, recorded drawing, mouse handling and tracking areas.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kit/Event.h"
#include "kit/Geometry.h"
#include "kit/GraphicsContext.h"
#include "kit/Object.h"
#include "kit/TrackingArea.h"

namespace kit {

class Window;

// How a view follows a change of its superview's size. Without any flag the view keeps its
// size and its distances to the superview's left and bottom edges (y grows upwards, so a
// view laid out from the top must make its bottom margin flexible to stay there). The
// flexible parts of one axis share the change in proportion to their lengths.
using AutoresizingMask = unsigned;
inline constexpr AutoresizingMask ViewNotSizable = 0;
inline constexpr AutoresizingMask ViewFlexibleLeftMargin = 1u << 0;
inline constexpr AutoresizingMask ViewFlexibleWidth = 1u << 1;
inline constexpr AutoresizingMask ViewFlexibleRightMargin = 1u << 2;
inline constexpr AutoresizingMask ViewFlexibleBottomMargin = 1u << 3;  // keeps the distance to the top
inline constexpr AutoresizingMask ViewFlexibleHeight = 1u << 4;
inline constexpr AutoresizingMask ViewFlexibleTopMargin = 1u << 5;
inline constexpr AutoresizingMask ViewAutoresizingAll = (1u << 6) - 1;

class View : public Object {
 public:
  explicit View(const Rect& frame = {});
  ~View() override;

  // --- geometry (frame in the superview's coordinates; bounds in the view's own) ---
  Rect frame() const { return frame_; }
  // A new size moves and sizes the subviews by their autoresizing masks.
  virtual void setFrame(const Rect& frame);
  void setFrameOrigin(Point origin);
  void setFrameSize(Size size);
  Rect bounds() const { return Rect{{0, 0}, frame_.size}; }
  AutoresizingMask autoresizingMask() const { return autoresizingMask_; }
  // Bits outside ViewAutoresizingAll are dropped.
  void setAutoresizingMask(AutoresizingMask mask) { autoresizingMask_ = mask & ViewAutoresizingAll; }
  // Fits this view to its superview's new size, by its mask; the superview was oldSize.
  virtual void resizeWithOldSuperviewSize(Size oldSize);

  // --- hierarchy ---
  // Takes ownership. Refused (nullptr; the view is destroyed) if this view lies inside it.
  View* addSubview(std::unique_ptr<View> view);
  // Shows a view owned elsewhere as a subview. Whichever of the two goes first, the other
  // forgets it. A view that its old superview owned stays owned, now by this view.
  // Returns false (nothing changes) if this view lies inside the given one.
  bool addSubview(View& view);
  // Detaches from the superview; returns the view's ownership when the superview held it.
  std::unique_ptr<View> removeFromSuperview();
  View* superview() const { return superview_; }
  std::vector<View*> subviews() const;
  bool isDescendantOf(const View& ancestor) const;  // true for the view itself
  // The window whose content view this view is in, if any.
  Window* window() const;

  // --- state ---
  bool isHidden() const { return hidden_; }
  void setHidden(bool hidden) { hidden_ = hidden; }
  bool isHiddenOrHasHiddenAncestor() const;
  const std::string& toolTip() const { return toolTip_; }
  void setToolTip(std::string tip) { toolTip_ = std::move(tip); }
  // The name a layout file gives the view (its outlet name), used to find it again.
  const std::string& identifier() const { return identifier_; }
  void setIdentifier(std::string id) { identifier_ = std::move(id); }
  View* viewWithIdentifier(const std::string& id);

  // --- drawing ---
  // Clears the display list, makes the view the drawing destination, calls drawRect with
  // the bounds, then displays the visible subviews. A hidden view draws nothing.
  void display();
  void setNeedsDisplay(bool needed) { needsDisplay_ = needed; }
  bool needsDisplay() const { return needsDisplay_; }
  void displayIfNeeded();  // this view and its subviews, those marked only
  virtual void drawRect(const Rect& dirtyRect);
  const DisplayList& displayList() const { return displayList_; }
  int displayCount() const { return displayCount_; }

  // --- responder ---
  virtual bool acceptsFirstResponder() const;
  // Whether the Tab key may stop here: accepts first responder and is visible.
  virtual bool canBecomeKeyView() const;
  virtual void mouseDown(const Event& event);
  virtual void mouseEntered(const Event& event);
  virtual void mouseExited(const Event& event);

  // --- tracking areas (owned by the view) ---
  TrackingArea* addTrackingArea(std::unique_ptr<TrackingArea> area);
  void removeTrackingArea(TrackingArea* area);
  std::vector<TrackingArea*> trackingAreas() const;

  // --- user-level entry points (the host's session commands call these) ---
  // Those taking modifier flags make a new current event with exactly those flags.
  // Delivered when a user event would reach this view, else the reason for refusing it.
  virtual Delivery refusalForUserEvent() const;
  // A mouse click: becomes the application's current event, then mouseDown.
  Delivery userClick(ModifierFlags flags = 0);
  // The mouse enters or leaves the view: the owners of its entered/exited tracking areas
  // receive mouseEntered / mouseExited.
  Delivery userMouseEntered(ModifierFlags flags = 0);
  Delivery userMouseExited(ModifierFlags flags = 0);

 protected:
  View(std::string className, const Rect& frame);

 private:
  friend class Window;
  struct Child {
    View* view;
    std::unique_ptr<View> owned;  // null for a borrowed subview
  };
  std::unique_ptr<View> detachChild(View* child);
  void attach(View* child, std::unique_ptr<View> owned);
  Delivery deliverTracking(EventType type, ModifierFlags flags);

  Rect frame_;
  AutoresizingMask autoresizingMask_ = ViewNotSizable;
  View* superview_ = nullptr;
  Window* window_ = nullptr;  // set on a window's content view only
  std::vector<Child> children_;
  bool hidden_ = false;
  bool needsDisplay_ = false;
  std::string toolTip_;
  std::string identifier_;
  DisplayList displayList_;
  int displayCount_ = 0;
  std::vector<std::unique_ptr<TrackingArea>> trackingAreas_;
};

}  // namespace kit
