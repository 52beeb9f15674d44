// Calibrated RGBA colours. Components are clamped to [0, 1]; a NaN component reads 0.
#pragma once

namespace kit {

class Color {
 public:
  static Color colorWithCalibratedRed(double red, double green, double blue, double alpha);
  static Color whiteColor() { return colorWithCalibratedRed(1, 1, 1, 1); }
  static Color blackColor() { return colorWithCalibratedRed(0, 0, 0, 1); }
  static Color clearColor() { return colorWithCalibratedRed(0, 0, 0, 0); }
  // The text of controls under the application's current appearance: dark on a light
  // interface, light on a dark one.
  static Color controlTextColor();

  double redComponent() const { return red_; }
  double greenComponent() const { return green_; }
  double blueComponent() const { return blue_; }
  double alphaComponent() const { return alpha_; }

  // Makes this the fill and stroke colour of the current graphics context (if any).
  void set() const;
  void setFill() const;
  void setStroke() const;

  friend bool operator==(const Color&, const Color&) = default;

 private:
  Color(double r, double g, double b, double a) : red_(r), green_(g), blue_(b), alpha_(a) {}
  double red_ = 0, green_ = 0, blue_ = 0, alpha_ = 1;
};

}  // namespace kit
