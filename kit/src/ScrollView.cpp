#include "kit/ScrollView.h"

namespace kit {

ScrollView::ScrollView(const Rect& frame) : View("ScrollView", frame) {}
ScrollView::~ScrollView() = default;

View* ScrollView::setDocumentView(std::unique_ptr<View> view) {
  if (document_ && document_->superview() == this) {
    auto old = document_->removeFromSuperview();  // destroyed here
  }
  document_ = view ? addSubview(std::move(view)) : nullptr;
  return document_;
}

}  // namespace kit
