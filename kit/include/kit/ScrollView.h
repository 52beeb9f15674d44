// A view that shows part of a larger document view (owned) and scrolls it.
#pragma once

#include <memory>

#include "kit/View.h"

namespace kit {

class ScrollView : public View {
 public:
  explicit ScrollView(const Rect& frame = {});
  ~ScrollView() override;

  // Replaces (and destroys) the previous document view.
  View* setDocumentView(std::unique_ptr<View> view);
  View* documentView() const { return document_; }
  bool hasVerticalScroller() const { return verticalScroller_; }
  void setHasVerticalScroller(bool has) { verticalScroller_ = has; }

 private:
  View* document_ = nullptr;
  bool verticalScroller_ = true;
};

}  // namespace kit
