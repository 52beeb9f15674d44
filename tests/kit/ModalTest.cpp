// Modal runs: nested loops over the host's event source, ended by stopModal, aborted by
// a dry source; while one lasts only its window takes user events.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "kit/Kit.h"

namespace {

// An event source playing a script of events, as the host's session runner does.
class ScriptedEvents : public kit::EventSource {
 public:
  bool runNextEvent() override {
    if (script.empty()) return false;
    auto event = std::move(script.front());
    script.pop_front();
    event();
    return true;
  }
  std::deque<std::function<void()>> script;
};

class ModalRun : public ::testing::Test {
 protected:
  void SetUp() override { kit::Application::shared().setEventSource(&events); }
  void TearDown() override {
    kit::Application::shared().setEventSource(nullptr);
    EXPECT_EQ(kit::Application::shared().modalDepth(), 0u);
  }
  kit::Button* addButton(kit::Window& window, std::function<void()> onClick) {
    auto* b = static_cast<kit::Button*>(window.contentView()->addSubview(std::make_unique<kit::Button>()));
    b->setAction([onClick](kit::Control*) { onClick(); });
    return b;
  }
  kit::Application& app = kit::Application::shared();
  ScriptedEvents events;
};

// A run inside a button's action ended by stopModal, the events outside the dialog
// refused and a dry source aborting the run are the ui_modal and ui_modal_dry sessions';
// here, what those do not reach.
TEST_F(ModalRun, RunsNestAndStopModalEndsTheInnermost) {
  kit::Window outer, inner;
  kit::ModalResponse innerResponse = kit::ModalResponse::Continue;
  kit::Button* openInner = addButton(outer, [&] { innerResponse = app.runModalForWindow(inner); });
  std::vector<kit::Window*> modalSeen;
  events.script = {
      [&] { openInner->userClick(); },  // the inner run eats the next two events
      [&] { modalSeen.push_back(app.modalWindow()); },
      [&] { app.stopModal(); },
      [&] { modalSeen.push_back(app.modalWindow()); },
      [&] { app.abortModal(); },
  };
  EXPECT_EQ(app.runModalForWindow(outer), kit::ModalResponse::Abort);
  EXPECT_EQ(innerResponse, kit::ModalResponse::Stop);
  EXPECT_EQ(modalSeen, (std::vector<kit::Window*>{&inner, &outer}));
  app.stopModal();  // no run: nothing happens

  app.setEventSource(nullptr);  // no source at all: aborted at once
  EXPECT_EQ(app.runModalForWindow(inner), kit::ModalResponse::Abort);
}

TEST_F(ModalRun, ARunForTheSameWindowOrTooDeepIsRefusedAtOnce) {
  kit::Window dialog;
  kit::ModalResponse again = kit::ModalResponse::Continue;
  events.script = {[&] { again = app.runModalForWindow(dialog); }, [&] { app.stopModal(); }};
  EXPECT_EQ(app.runModalForWindow(dialog), kit::ModalResponse::Stop);
  EXPECT_EQ(again, kit::ModalResponse::Abort);

  // A source that opens a new run inside every run stops at the depth limit: the run
  // one level too deep answers Abort without taking an event.
  std::vector<std::unique_ptr<kit::Window>> windows;
  bool refusedAtOnce = false;
  std::function<void()> openAnother = [&] {
    windows.push_back(std::make_unique<kit::Window>());
    kit::Window* w = windows.back().get();
    if (app.modalDepth() < kit::Application::maxModalDepth) {
      events.script.push_back(openAnother);
      app.runModalForWindow(*w);
    } else {
      events.script.push_back([] {});
      refusedAtOnce = app.runModalForWindow(*w) == kit::ModalResponse::Abort && events.script.size() == 1;
    }
  };
  events.script = {openAnother};
  kit::Window first;
  EXPECT_EQ(app.runModalForWindow(first), kit::ModalResponse::Abort);
  EXPECT_TRUE(refusedAtOnce);
  EXPECT_EQ(windows.size(), kit::Application::maxModalDepth);
  EXPECT_EQ(app.modalDepth(), 0u);
}

TEST_F(ModalRun, AWindowDestroyedDuringItsRunEndsIt) {
  auto dialog = std::make_unique<kit::Window>();
  events.script = {[&] { dialog.reset(); }, [] { ADD_FAILURE() << "the run went on"; }};
  EXPECT_EQ(app.runModalForWindow(*dialog), kit::ModalResponse::Abort);
  EXPECT_EQ(events.script.size(), 1u);
  events.script.clear();
}

TEST(Windows, FramesCentringAndVisibility) {
  kit::Window window(kit::makeRect(10, 20, 300, 116), "Supprimer des sets (Ralto-Guides).");
  EXPECT_EQ(window.contentView()->frame(), kit::makeRect(0, 0, 300, 116));
  window.setFrame(kit::makeRect(10, 20, 300, 298), true, true);
  EXPECT_EQ(std::pair(window.lastFrameChangeDisplayed(), window.lastFrameChangeAnimated()), std::pair(true, true));
  EXPECT_EQ(window.contentView()->frame().size, (kit::Size{300, 298}));
  window.center();
  EXPECT_EQ(window.frame(), kit::makeRect(570, 301, 300, 298));
  EXPECT_FALSE(window.isVisible());
  window.makeKeyAndOrderFront();
  EXPECT_EQ(std::pair(window.isVisible(), window.isKeyWindow()), std::pair(true, true));
  window.orderOut();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(kit::Application::shared().keyWindow(), nullptr);
}

}  // namespace
