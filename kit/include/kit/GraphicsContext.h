// The current drawing destination. While a view displays, what is drawn is recorded in the
// view's display list; while an image has focus, filled rectangles are rasterised into it.
// With no destination, drawing calls do nothing.
#pragma once

#include <variant>
#include <vector>

#include "kit/Color.h"
#include "kit/Geometry.h"

namespace kit {

class Image;

enum class CompositingOperation { Clear, Copy, SourceOver };

struct PathElement {
  enum class Kind { MoveTo, LineTo, ClosePath };
  Kind kind = Kind::MoveTo;
  Point point;
  friend bool operator==(const PathElement&, const PathElement&) = default;
};

struct StrokeRecord {
  std::vector<PathElement> elements;
  Color color = Color::blackColor();
  double lineWidth = 1;
  bool antialias = true;
};

struct FillRecord {
  Rect rect;
  Color color = Color::blackColor();
  CompositingOperation operation = CompositingOperation::Copy;
};

using DrawRecord = std::variant<StrokeRecord, FillRecord>;
using DisplayList = std::vector<DrawRecord>;

class GraphicsContext {
 public:
  // The innermost destination, or nullptr when nothing is being drawn.
  static GraphicsContext* currentContext();

  bool shouldAntialias() const { return antialias_; }
  void setShouldAntialias(bool on) { antialias_ = on; }
  CompositingOperation compositingOperation() const { return operation_; }
  void setCompositingOperation(CompositingOperation op) { operation_ = op; }
  Color fillColor() const { return fill_; }
  Color strokeColor() const { return stroke_; }
  void setFillColor(Color c) { fill_ = c; }
  void setStrokeColor(Color c) { stroke_ = c; }

  void strokePath(const std::vector<PathElement>& elements, double lineWidth);
  void fillRect(const Rect& rect, CompositingOperation op);

  // Destinations are pushed by View::display and Image::lockFocus and popped by them;
  // a destination that goes away while drawn into is forgotten.
  static void pushDestination(DisplayList* list);
  static void pushDestination(Image* image);
  static void popDestination(const void* destination);
  static void forgetDestination(const void* destination);

 private:
  GraphicsContext(DisplayList* list, Image* image) : list_(list), image_(image) {}
  DisplayList* list_;
  Image* image_;
  bool antialias_ = true;
  CompositingOperation operation_ = CompositingOperation::SourceOver;
  Color fill_ = Color::blackColor();
  Color stroke_ = Color::blackColor();
};

// Fills a rectangle with the current fill colour, replacing what is beneath.
void rectFill(const Rect& rect);
void rectFillUsingOperation(const Rect& rect, CompositingOperation op);

}  // namespace kit
