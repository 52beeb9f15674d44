// The root of everything a layout file can create: views, windows and standalone objects.
#pragma once

#include <string>

namespace kit {

class Object {
 public:
  Object();
  virtual ~Object();
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  // The class name as a layout file writes it ("TextField", or a custom class's name).
  const std::string& className() const { return className_; }
  void setClassName(std::string name) { className_ = std::move(name); }

  // Called once after a layout file has created and connected every object.
  virtual void awakeFromNib();

 protected:
  explicit Object(std::string className) : className_(std::move(className)) {}

 private:
  std::string className_;
};

}  // namespace kit
