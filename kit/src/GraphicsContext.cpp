#include "kit/GraphicsContext.h"

#include <algorithm>
#include <memory>

#include "kit/Image.h"

namespace kit {

namespace {

struct StackEntry {
  const void* destination;
  std::unique_ptr<GraphicsContext> context;
};

std::vector<StackEntry>& contextStack() {
  static std::vector<StackEntry> stack;
  return stack;
}

}  // namespace

GraphicsContext* GraphicsContext::currentContext() {
  auto& stack = contextStack();
  return stack.empty() ? nullptr : stack.back().context.get();
}

void GraphicsContext::pushDestination(DisplayList* list) {
  contextStack().push_back({list, std::unique_ptr<GraphicsContext>(new GraphicsContext(list, nullptr))});
}

void GraphicsContext::pushDestination(Image* image) {
  contextStack().push_back({image, std::unique_ptr<GraphicsContext>(new GraphicsContext(nullptr, image))});
}

void GraphicsContext::popDestination(const void* destination) {
  auto& stack = contextStack();
  auto it = std::find_if(stack.rbegin(), stack.rend(),
                         [&](const StackEntry& e) { return e.destination == destination; });
  if (it != stack.rend()) stack.erase(std::next(it).base());
}

void GraphicsContext::forgetDestination(const void* destination) {
  std::erase_if(contextStack(), [&](const StackEntry& e) { return e.destination == destination; });
}

void GraphicsContext::strokePath(const std::vector<PathElement>& elements, double lineWidth) {
  // Images take filled rectangles only; strokes are recorded for views.
  if (list_) list_->push_back(StrokeRecord{elements, stroke_, lineWidth, antialias_});
}

void GraphicsContext::fillRect(const Rect& rect, CompositingOperation op) {
  if (list_) list_->push_back(FillRecord{rect, fill_, op});
  if (image_) image_->fillRect(rect, fill_, op);
}

void rectFill(const Rect& rect) { rectFillUsingOperation(rect, CompositingOperation::Copy); }

void rectFillUsingOperation(const Rect& rect, CompositingOperation op) {
  if (auto* context = GraphicsContext::currentContext()) context->fillRect(rect, op);
}

}  // namespace kit
