#include "kit/ViewController.h"

#include <filesystem>

#include "kit/View.h"

namespace kit {

ViewController::ViewController(std::string nibName, std::optional<Bundle> bundle)
    : Object("ViewController"), nibName_(std::move(nibName)), bundle_(std::move(bundle)) {}

ViewController::~ViewController() = default;

std::string ViewController::layoutPath() const {
  std::string file = nibName_ + ".json";
  return bundle_ ? (std::filesystem::path(bundle_->resourcePath()) / file).string() : file;
}

void ViewController::bindLayout(LayoutBindings&) {}

View* ViewController::view() {
  if (!layout_) loadView();
  return view_;
}

void ViewController::loadView() {
  View* loadedView = nullptr;
  LayoutBindings bindings;
  bindings.outlet("view", &loadedView);
  bindings.requireOutlet("view");
  bindLayout(bindings);
  auto layout = Layout::loadFile(layoutPath(), bindings);
  layout_ = std::move(layout);
  view_ = loadedView;
  layout_->awakeFromNib();
  awakeFromNib();
}

}  // namespace kit
