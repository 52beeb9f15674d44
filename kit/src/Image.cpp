#include "kit/Image.h"

#include <algorithm>
#include <cmath>

namespace kit {

namespace {

int wholeSide(double side) {
  if (!std::isfinite(side) || side <= 0) return 0;
  return static_cast<int>(std::min<double>(std::lround(std::min(side, double(Image::maxSide))), Image::maxSide));
}

std::uint8_t toByte(double component) { return static_cast<std::uint8_t>(std::lround(component * 255.0)); }

// The first pixel index whose centre (i + 0.5) is at or beyond edge, clamped to [0, limit].
int firstCentreAtOrAfter(double edge, int limit) {
  if (std::isnan(edge)) return limit;
  double i = std::ceil(edge - 0.5);
  return static_cast<int>(std::clamp(i, 0.0, double(limit)));
}

Pixel sourceOver(Pixel dst, Color src) {
  double sa = src.alphaComponent();
  double da = dst.a / 255.0;
  double outA = sa + da * (1 - sa);
  if (outA <= 0) return Pixel{};
  auto mix = [&](double s, std::uint8_t d) { return toByte((s * sa + d / 255.0 * da * (1 - sa)) / outA); };
  return Pixel{mix(src.redComponent(), dst.r), mix(src.greenComponent(), dst.g),
               mix(src.blueComponent(), dst.b), toByte(outA)};
}

}  // namespace

Image::Image(Size size) : width_(wholeSide(size.width)), height_(wholeSide(size.height)) {
  pixels_.resize(std::size_t(width_) * std::size_t(height_));
}

Image::Image(const Image& other) : width_(other.width_), height_(other.height_), pixels_(other.pixels_) {}

Image& Image::operator=(const Image& other) {
  width_ = other.width_;
  height_ = other.height_;
  pixels_ = other.pixels_;
  return *this;
}

Image::~Image() { GraphicsContext::forgetDestination(this); }

Pixel Image::pixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return Pixel{};
  return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
}

void Image::setPixel(int x, int y, Pixel p) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = p;
}

void Image::fillRect(const Rect& rect, Color color, CompositingOperation op) {
  int x0 = firstCentreAtOrAfter(rect.minX(), width_);
  int x1 = firstCentreAtOrAfter(rect.maxX(), width_);
  int y0 = firstCentreAtOrAfter(rect.minY(), height_);
  int y1 = firstCentreAtOrAfter(rect.maxY(), height_);
  Pixel solid{toByte(color.redComponent()), toByte(color.greenComponent()),
              toByte(color.blueComponent()), toByte(color.alphaComponent())};
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      Pixel& p = pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
      switch (op) {
        case CompositingOperation::Clear: p = Pixel{}; break;
        case CompositingOperation::Copy: p = solid; break;
        case CompositingOperation::SourceOver: p = sourceOver(p, color); break;
      }
    }
  }
}

void Image::lockFocus() {
  ++focusDepth_;
  GraphicsContext::pushDestination(this);
}

void Image::unlockFocus() {
  if (focusDepth_ == 0) return;
  --focusDepth_;
  GraphicsContext::popDestination(this);
}

}  // namespace kit
