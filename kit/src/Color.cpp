#include "kit/Color.h"

#include <algorithm>
#include <cmath>

#include "kit/Application.h"
#include "kit/GraphicsContext.h"

namespace kit {

namespace {
double clampComponent(double c) { return std::isnan(c) ? 0.0 : std::clamp(c, 0.0, 1.0); }
}  // namespace

Color Color::colorWithCalibratedRed(double red, double green, double blue, double alpha) {
  return Color(clampComponent(red), clampComponent(green), clampComponent(blue),
               clampComponent(alpha));
}

Color Color::controlTextColor() {
  return Application::shared().isDarkAppearance() ? colorWithCalibratedRed(0.9, 0.9, 0.9, 1) : blackColor();
}

void Color::set() const {
  setFill();
  setStroke();
}

void Color::setFill() const {
  if (auto* context = GraphicsContext::currentContext()) context->setFillColor(*this);
}

void Color::setStroke() const {
  if (auto* context = GraphicsContext::currentContext()) context->setStrokeColor(*this);
}

}  // namespace kit
