// A path of straight segments, stroked into the current graphics context.
#pragma once

#include <vector>

#include "kit/GraphicsContext.h"

namespace kit {

class BezierPath {
 public:
  void moveToPoint(Point p);
  // With no current point a line-to starts the path there, as a move-to would.
  void lineToPoint(Point p);
  void closePath();
  void setLineWidth(double width) { lineWidth_ = width; }
  double lineWidth() const { return lineWidth_; }
  const std::vector<PathElement>& elements() const { return elements_; }

  void stroke() const;

 private:
  std::vector<PathElement> elements_;
  double lineWidth_ = 1;
};

}  // namespace kit
