#include "kit/BezierPath.h"

namespace kit {

void BezierPath::moveToPoint(Point p) { elements_.push_back({PathElement::Kind::MoveTo, p}); }

void BezierPath::lineToPoint(Point p) {
  auto kind = elements_.empty() ? PathElement::Kind::MoveTo : PathElement::Kind::LineTo;
  elements_.push_back({kind, p});
}

void BezierPath::closePath() {
  if (!elements_.empty()) elements_.push_back({PathElement::Kind::ClosePath, {}});
}

void BezierPath::stroke() const {
  if (auto* context = GraphicsContext::currentContext()) context->strokePath(elements_, lineWidth_);
}

}  // namespace kit
