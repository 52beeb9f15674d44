#include "app/EventLoop.h"

#include <algorithm>

#include "AIAnnotator.h"
#include "AITool.h"
#include "app/Application.h"
#include "kit/Application.h"
#include "kit/EventQueue.h"
#include "kit/View.h"
#include "kit/Window.h"
#include "model/Model.h"
#include "model/PreferenceSaving.h"
#include "model/Shell.h"
#include "model/ViewGeometry.h"

namespace host {

namespace {

// The kinds of event a tool message carries.
enum EventKind : int32_t { kNullEvent = 0, kMouseDownEvent = 1, kMouseUpEvent = 2, kKeyDownEvent = 3 };

// One settle serves at most this many tool changes and posted keys; a plug-in that keeps
// posting as it is served would otherwise hold the host for ever.
constexpr int kMaxServedPerSettle = 256;

bool modalRunIsOn() { return kit::Application::shared().modalWindow() != nullptr; }

// The toolkit sees the same modifiers as the tool message while the plug-in handles it.
kit::ModifierFlags toolkitFlags(uint16_t modifiers) {
  kit::ModifierFlags flags = 0;
  if (modifiers & aiEventModifiers_shiftKey) flags |= kit::EventModifierFlagShift;
  if (modifiers & aiEventModifiers_optionKey) flags |= kit::EventModifierFlagOption;
  if (modifiers & aiEventModifiers_cmdKey) flags |= kit::EventModifierFlagCommand;
  return flags;
}

// Every visible window draws what asked to be drawn again, as the platform does between
// events.
void displayWindows() {
  for (kit::Window* window : kit::Application::shared().windows())
    if (window->isVisible() && window->contentView()) window->contentView()->displayIfNeeded();
}

}  // namespace

PluginHost* EventLoop::runningPlugin(Ref owner) const { return application_.runningPlugin(owner); }

void EventLoop::sendToTool(Ref toolRef, const char* selector, AIRealPoint cursor, int32_t what,
                           uint16_t modifiers) {
  const Tool* tool = shell().ui.tools.find(toolRef);
  const Document* document = model().front();
  if (!tool || tool->owner != ToolOwner::Plugin || !runningPlugin(tool->plugin)) return;
  AIEvent event{};
  event.what = what;
  event.when = ++clock_;
  event.where = document ? artworkToView(document->views.front(), cursor) : AIPoint{0, 0};
  event.modifiers = modifiers;
  AIToolMessage message{};
  message.tool = toHandle<AIToolHandle>(toolRef);
  message.cursor = cursor;
  message.pressure = 1;
  message.event = &event;
  kit::Application::shared().setCurrentModifierFlags(toolkitFlags(modifiers));
  send(tool->plugin, kAIToolCaller, selector, message);
}

void EventLoop::sendToSelectedTool(const char* selector, AIRealPoint cursor, int32_t what,
                                   uint16_t modifiers) {
  sendToTool(shell().ui.selectedTool, selector, cursor, what, modifiers);
}

void EventLoop::mouseMoved(AIRealPoint at, uint16_t modifiers) {
  shell().ui.cursorPosition = at;
  const Tool* tool = shell().ui.tools.find(shell().ui.selectedTool);
  if (tool && (tool->options & kToolWantsToTrackCursorOption))
    sendToSelectedTool(kSelectorAITrackToolCursor, at, kNullEvent, modifiers);
}

void EventLoop::mouseClicked(AIRealPoint at, uint16_t modifiers) {
  shell().ui.cursorPosition = at;
  lastClick_ = Click{at, modifiers};
  sendToSelectedTool(kSelectorAIToolMouseDown, at, kMouseDownEvent, modifiers);
  sendToSelectedTool(kSelectorAIToolMouseUp, at, kMouseUpEvent, modifiers);
}

void EventLoop::mouseDragged(AIRealPoint from, AIRealPoint to, uint16_t modifiers) {
  shell().ui.cursorPosition = from;
  lastClick_ = Click{from, modifiers};
  sendToSelectedTool(kSelectorAIToolMouseDown, from, kMouseDownEvent, modifiers);
  shell().ui.cursorPosition = to;
  sendToSelectedTool(kSelectorAIToolMouseDrag, to, kNullEvent, modifiers);
  sendToSelectedTool(kSelectorAIToolMouseUp, to, kMouseUpEvent, modifiers);
}

void EventLoop::returnPressed() {
  sendToSelectedTool(kSelectorAIEditToolOptions, shell().ui.cursorPosition, kKeyDownEvent, 0);
}

// A posted key makes the selected plug-in tool track the cursor where it last was, with no
// modifiers; with another tool selected, or no document to track over, the key is dropped.
void EventLoop::trackCursorForPostedKey() {
  const Tool* tool = shell().ui.tools.find(shell().ui.selectedTool);
  if (!model().front() || !tool || !(tool->options & kToolWantsToTrackCursorOption)) return;
  sendToSelectedTool(kSelectorAITrackToolCursor, shell().ui.cursorPosition, kNullEvent, 0);
}

void EventLoop::serveWaiting() {
  if (serving_ || modalRunIsOn()) return;
  serving_ = true;
  kit::EventQueue& queue = kit::EventQueue::shared();
  int served = 0;
  for (;;) {
    if (++served > kMaxServedPerSettle) {
      shell().log.error("event loop: " + std::to_string(queue.size()) +
                        " posted key(s) dropped, a plug-in keeps posting as it is served");
      queue.clear();
      shell().ui.takeToolChanges();
      break;
    }
    const std::vector<ToolChange> changes = shell().ui.takeToolChanges();
    if (!changes.empty()) {
      for (const ToolChange& change : changes) {
        sendToTool(change.from, kSelectorAIDeselectTool, shell().ui.cursorPosition, kNullEvent, 0);
        sendToTool(change.to, kSelectorAISelectTool, shell().ui.cursorPosition, kNullEvent, 0);
      }
      continue;
    }
    const std::optional<kit::KeyEvent> key = queue.next();
    if (!key) break;
    if (key->keyDown) trackCursorForPostedKey();
  }
  serving_ = false;
}

void EventLoop::redraw() {
  AnnotationFrame& frame = shell().ui.annotations;
  if (frame.isDrawing() || modalRunIsOn()) return;
  frame.begin();
  if (const Document* document = model().front()) {
    const SlotTable<Annotator>& annotators = shell().ui.annotators;
    // Collected first: a draw handler may register or remove annotators.
    std::vector<Ref> active;
    for (uint32_t slot = 0; slot < annotators.slotCount(); ++slot) {
      const Ref ref = annotators.refAt(slot);
      if (annotators.isLive(ref) && annotators.at(slot).active) active.push_back(ref);
    }
    const std::vector<AIRect> invalidated = frame.pendingInvalidations();
    for (Ref ref : active) {
      const Annotator* annotator = annotators.find(ref);
      if (!annotator || !annotator->active) continue;
      AIAnnotatorMessage message{};
      message.annotator = toHandle<AIAnnotatorHandle>(ref);
      message.view = viewHandle(*document, 0);
      message.drawer = toHandle<AIAnnotatorDrawer*>(frame.newDrawer());
      message.invalidationRects = invalidated.empty() ? nullptr : invalidated.data();
      message.numInvalidationRects = static_cast<int32_t>(invalidated.size());
      if (PluginHost* plugin = runningPlugin(annotator->plugin))
        plugin->send(kCallerAIAnnotation, kSelectorAIDrawAnnotation, message);
    }
  }
  frame.end();
}

// The preferences stored by the event are written once, before the next event is read.
void EventLoop::settle() {
  serveWaiting();
  redraw();
  displayWindows();
  savePreferences();
  model().markStep();  // what the event changed of a document is one undo step
}

}  // namespace host
