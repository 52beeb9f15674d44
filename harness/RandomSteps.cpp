#include "harness/RandomSteps.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <vector>

#include "AITool.h"
#include "harness/PanelFields.h"
#include "app/Menus.h"
#include "kit/Application.h"
#include "kit/Button.h"
#include "kit/ComboBox.h"
#include "kit/PopUpButton.h"
#include "kit/TextField.h"
#include "kit/Window.h"
#include "model/ArtWalk.h"
#include "model/NumberText.h"
#include "model/Shell.h"
#include "session/RulerUnits.h"

namespace harness {

using namespace host;

namespace {

// Documents stay few and small enough for thousands of steps; now and then one has more
// artboards than the plug-in handles.
constexpr size_t kMostDocuments = 4;
constexpr int32_t kMostArtboards = 110;
constexpr size_t kMostLayers = 6;
// A dialog gets this many steps before it is closed on purpose.
constexpr int kStepsBeforeClosing = 12;

std::string num(double value) { return numberText(value); }

// ---------------------------------------------------------------------------------------
// What the user sees of the front document.

struct Object {
  std::string name;
  AIRealRect bounds;
  bool editable;
};

struct Deletable {
  std::string path;  // as the delete command names it
  bool editable;
};

const Layer* layerOf(const Art& art) { return model().findLayer(art.layer); }

std::vector<Object> objectsOfFront() {
  std::vector<Object> objects;
  walkFrontDocument(model(), [&](const std::string&, uint32_t, const Art& art) {
    if (art.type != kPathArt || art.guide || !art.name.starts_with("objet") || art.segments.empty()) return;
    AIRealRect r{art.segments[0].p.h, art.segments[0].p.v, art.segments[0].p.h, art.segments[0].p.v};
    for (const AIPathSegment& s : art.segments) {
      r.left = std::min(r.left, s.p.h);
      r.right = std::max(r.right, s.p.h);
      r.top = std::max(r.top, s.p.v);
      r.bottom = std::min(r.bottom, s.p.v);
    }
    const Layer* layer = layerOf(art);
    objects.push_back(Object{art.name, r, layer && layer->editable});
  });
  return objects;
}

// The guides the plug-in made, by the names a user reads in the layers list: the parent
// groups, the kind groups, single guides; and the user's objects.
std::vector<Deletable> deletableArt() {
  std::vector<Deletable> found;
  walkFrontDocument(model(), [&](const std::string& prefix, uint32_t, const Art& art) {
    const Layer* layer = layerOf(art);
    if (art.type == kGroupArt || art.guide || art.name.starts_with("objet"))
      found.push_back(Deletable{prefix + "/" + std::string(shownName(art)), layer && layer->editable});
  });
  return found;
}

std::vector<const Layer*> layersOfFront() {
  std::vector<const Layer*> layers;
  if (const Document* document = model().front())
    for (Ref ref : document->layers)
      if (const Layer* layer = model().findLayer(ref)) layers.push_back(layer);
  return layers;
}

const Layer* currentLayer() {
  const Document* document = model().front();
  return document ? model().findLayer(document->currentLayer) : nullptr;
}

// ---------------------------------------------------------------------------------------
// The named controls of the panels or of a dialog.

struct NamedView {
  kit::View* view;
  bool reachable;  // shown and, for a control, enabled
};

void collectNamed(kit::View* view, std::vector<NamedView>& out) {
  if (!view) return;
  if (!view->identifier().empty()) {
    const auto* control = dynamic_cast<const kit::Control*>(view);
    out.push_back(NamedView{view, !view->isHiddenOrHasHiddenAncestor() && (!control || control->isEnabled())});
  }
  for (kit::View* child : view->subviews()) collectNamed(child, out);
}

std::vector<NamedView> panelViews() {
  std::vector<NamedView> views;
  for (kit::Window* window : kit::Application::shared().windows())
    if (shell().ui.isPanelWindow(window) && window->isVisible()) collectNamed(window->contentView(), views);
  return views;
}

// How often the user reaches for a control: the fields and the sets most.
int weightOf(const std::string& name) {
  if (name.starts_with("PANzone")) return 6;
  if (name.starts_with("PANstep")) return 2;
  if (name == panel::PANpopupSets) return 30;
  if (name == panel::PANnomSet || name == panel::PANokSetBT || name == panel::PANannulerSetBT) return 12;
  if (name == panel::PANurlBT || name == panel::PANraltoBT) return 1;
  return 2;
}

const char* const kEditingCommands[] = {"moveUp:",    "moveDown:", "insertTab:",        "insertBacktab:",
                                        "insertNewline:", "moveLeft:", "cancelOperation:", "deleteBackward:"};

std::string modifierWords(Random& random, int shiftChance, int altChance) {
  std::string words;
  if (random.percent(shiftChance)) words += " shift";
  if (random.percent(altChance)) words += " alt";
  return words;
}

bool isCountField(const std::string& name) {
  return std::find(std::begin(panel::kCountFields), std::end(panel::kCountFields), name) != std::end(panel::kCountFields);
}

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

// ---------------------------------------------------------------------------------------

std::optional<std::string> StepGenerator::next() {
  const kit::Window* dialog = kit::Application::shared().modalWindow();
  if (dialog != dialog_) {
    dialog_ = dialog;
    stepsInDialog_ = 0;
  }
  if (!dialog) return anyStep();
  ++stepsInDialog_;
  if (stepsInDialog_ > kStepsBeforeClosing + 12) return std::nullopt;
  return dialogStep(*dialog);
}

std::string StepGenerator::anyStep() {
  using Maker = std::string (StepGenerator::*)();
  struct Weighted {
    int weight;
    Maker make;
  };
  static constexpr Weighted kSteps[] = {
      {4, &StepGenerator::documentStep}, {3, &StepGenerator::artboardStep}, {5, &StepGenerator::artStep},
      {3, &StepGenerator::layerStep},    {4, &StepGenerator::deleteStep},   {4, &StepGenerator::toolStep},
      {12, &StepGenerator::mouseStep},   {2, &StepGenerator::keyStep},      {2, &StepGenerator::viewStep},
      {2, &StepGenerator::selectionStep}, {3, &StepGenerator::historyStep},
      {2, &StepGenerator::menuStep},     {3, &StepGenerator::flyoutStep},   {4, &StepGenerator::notifyingStep},
      {45, &StepGenerator::panelStep},   {1, &StepGenerator::restartStep},
  };
  int total = 0;
  for (const Weighted& step : kSteps) total += step.weight;
  for (;;) {
    int draw = static_cast<int>(random_.below(static_cast<uint64_t>(total)));
    for (const Weighted& step : kSteps) {
      if (draw < step.weight) {
        std::string line = (this->*step.make)();
        if (!line.empty()) return line;
        break;
      }
      draw -= step.weight;
    }
  }
}

std::string StepGenerator::dialogStep(const kit::Window& dialog) {
  std::vector<NamedView> views;
  collectNamed(dialog.contentView(), views);
  std::vector<kit::View*> buttons, fields, popups;
  for (const NamedView& named : views) {
    if (dynamic_cast<kit::Button*>(named.view)) buttons.push_back(named.view);
    else if (dynamic_cast<kit::PopUpButton*>(named.view)) popups.push_back(named.view);
    else if (dynamic_cast<kit::TextField*>(named.view)) fields.push_back(named.view);
  }
  // Closing on purpose: Escape first, then a cancel button, then an OK button.
  if (stepsInDialog_ > kStepsBeforeClosing) {
    const int attempt = stepsInDialog_ - kStepsBeforeClosing;
    if (attempt == 1) return "key escape";
    const std::string wanted = attempt <= 4 ? "annuler" : "ok";
    for (kit::View* button : buttons)
      if (lowered(button->identifier()).find(wanted) != std::string::npos) return "ui click " + button->identifier();
    return "key return";
  }
  const uint64_t draw = random_.below(100);
  if (draw < 50 && !buttons.empty()) return "ui click " + random_.pick(buttons)->identifier();
  if (draw < 60 && !fields.empty()) return "ui type " + random_.pick(fields)->identifier() + " " + randomSetName(random_);
  if (draw < 65 && !popups.empty()) {
    kit::View* popup = random_.pick(popups);
    return "ui choose " + popup->identifier() + " " +
           std::to_string(random_.below(static_cast<uint64_t>(static_cast<kit::PopUpButton*>(popup)->numberOfItems()) + 1));
  }
  if (draw < 75) return "key return";
  if (draw < 82) return "key escape";
  if (draw < 85) return std::string("key ") + random_.pick({"d", "x"}) + (random_.percent(50) ? " cmd" : "");
  // Now and then something outside the dialog, which it must refuse.
  switch (random_.below(5)) {
    case 0: return model().front() ? "click 10 10" : "theme dark";
    case 1: return "tool " kSelectToolName;
    case 2: return "ui click " + std::string(panel::PANstepPlusMargeHaut);
    case 3: return model().front() ? "ruler-unit cm" : "flyout 1";
    default: return "restart";
  }
}

std::string StepGenerator::documentStep() {
  const size_t count = model().documentCount();
  const uint64_t draw = random_.below(10);
  if (count == 0 || (draw < 5 && count < kMostDocuments)) {
    std::string line = "document new " + std::to_string(random_.between(100, 1500)) + " " +
                       std::to_string(random_.between(100, 1500));
    if (random_.percent(40))
      line += " artboards " + std::to_string(random_.percent(3) ? random_.between(101, 104) : random_.between(1, 4));
    if (random_.percent(50)) line += std::string(" unit ") + random_.pick({"in", "cm", "pt", "pi", "mm", "px", "ft"});
    return line;
  }
  if (draw < 8 && count > 1) return "document switch " + std::to_string(random_.between(1, static_cast<int>(count)));
  if (draw >= 8) return "document close";
  return {};
}

std::string StepGenerator::artboardStep() {
  const Document* document = model().front();
  if (!document) return {};
  if (random_.percent(60) && document->artboardCount() < kMostArtboards) {
    float right = 0;
    for (const Artboard& artboard : document->artboards) right = std::max(right, artboard.rect.right);
    const int left = static_cast<int>(right) + random_.between(0, 100);
    const int width = random_.between(50, 900), height = random_.between(50, 900);
    return "artboard add " + std::to_string(left) + " " + std::to_string(height) + " " +
           std::to_string(left + width) + " 0";
  }
  if (document->artboardCount() > 1) return "artboard remove " + std::to_string(random_.between(1, document->artboardCount()));
  return {};
}

// A rectangle named "objetN" on the current layer, inside or across an artboard.
std::string StepGenerator::artStep() {
  const Document* document = model().front();
  const Layer* layer = currentLayer();
  if (!document || !layer || !layer->editable) return {};
  const AIRealRect& board = random_.pick(document->artboards).rect;
  const double width = board.right - board.left, height = board.top - board.bottom;
  const double left = board.left + width * random_.between(-10, 90) / 100.0;
  const double bottom = board.bottom + height * random_.between(-10, 90) / 100.0;
  const double right = left + std::max(1.0, width * random_.between(1, 60) / 100.0);
  const double top = bottom + std::max(1.0, height * random_.between(1, 60) / 100.0);
  return "rect " + num(std::round(left)) + " " + num(std::round(top) + 1) + " " + num(std::round(right) + 1) + " " +
         num(std::round(bottom)) + " objet" + std::to_string(++objectsMade_);
}

std::string StepGenerator::layerStep() {
  if (!model().front()) return {};
  const std::vector<const Layer*> layers = layersOfFront();
  const uint64_t draw = random_.below(10);
  if (draw < 2 && layers.size() < kMostLayers) return "layer new Calque à " + std::to_string(++layersMade_);
  const Layer* layer = random_.pick(layers);
  // The guides layer is locked and unlocked most: that is where the plug-in writes.
  const auto guides = std::find_if(layers.begin(), layers.end(), [](const Layer* l) { return l->title == "Ralto-Guides"; });
  if (guides != layers.end() && random_.percent(50)) layer = *guides;
  if (draw < 8) return std::string(layer->editable && random_.percent(60) ? "layer lock " : "layer unlock ") + layer->title;
  return "layer current " + layer->title;
}

std::string StepGenerator::deleteStep() {
  if (!model().front()) return {};
  const uint64_t draw = random_.below(10);
  if (draw < 2) {
    const std::vector<const Layer*> layers = layersOfFront();
    const auto guides = std::find_if(layers.begin(), layers.end(), [](const Layer* l) { return l->title == "Ralto-Guides"; });
    if (guides == layers.end() || layers.size() < 2 || !(*guides)->editable) return {};
    return "delete Ralto-Guides";
  }
  std::vector<Deletable> candidates = deletableArt();
  std::erase_if(candidates, [](const Deletable& d) { return !d.editable; });
  if (candidates.empty()) return {};
  return "delete " + random_.pick(candidates).path;
}

std::string StepGenerator::toolStep() {
  if (random_.percent(75)) return "tool Outil Guides";
  std::vector<std::string> names;
  for (Ref ref : shell().ui.toolOrder)
    if (const Tool* tool = shell().ui.tools.find(ref)) names.push_back(tool->name);
  if (names.empty()) return {};
  return "tool " + random_.pick(names);
}

// A move, click or drag on an object, on an artboard or anywhere over the canvas.
std::string StepGenerator::mouseStep() {
  const Document* document = model().front();
  if (!document) return {};
  const std::vector<Object> objects = objectsOfFront();
  AIRealPoint at{0, 0};
  const uint64_t where = random_.below(100);
  if (where < 40 && !objects.empty()) {
    const AIRealRect& r = random_.pick(objects).bounds;
    at = {r.left + (r.right - r.left) * static_cast<float>(random_.between(0, 100)) / 100,
          r.bottom + (r.top - r.bottom) * static_cast<float>(random_.between(0, 100)) / 100};
  } else if (where < 80) {
    const AIRealRect& r = random_.pick(document->artboards).rect;
    at = {r.left + (r.right - r.left) * static_cast<float>(random_.between(0, 100)) / 100,
          r.bottom + (r.top - r.bottom) * static_cast<float>(random_.between(0, 100)) / 100};
  } else {
    at = {static_cast<float>(random_.between(-500, 3000)), static_cast<float>(random_.between(-500, 2000))};
  }
  const std::string point = num(std::round(at.h)) + " " + num(std::round(at.v));
  const uint64_t kind = random_.below(10);
  if (kind < 4) return "move " + point + modifierWords(random_, 10, 15);
  if (kind < 9) return "click " + point + modifierWords(random_, 10, 12);
  return "drag " + point + " " + std::to_string(random_.between(0, 1000)) + " " + std::to_string(random_.between(0, 1000)) +
         modifierWords(random_, 10, 10);
}

std::string StepGenerator::keyStep() {
  if (random_.percent(70)) return "key return";
  return std::string("key ") + random_.pick({"escape", "a", "d"}) + modifierWords(random_, 20, 20);
}

std::string StepGenerator::viewStep() {
  if (!model().front()) return {};
  const uint64_t draw = random_.below(10);
  if (draw < 5) return std::string("zoom ") + random_.pick({"0.015625", "0.1", "0.5", "1", "2", "8", "64"});
  if (draw < 8) return "pan " + std::to_string(random_.between(-400, 400)) + " " + std::to_string(random_.between(-400, 400));
  return "fit";
}

// The selection moved as arrow keys and drags move it, resized as a handle's drag resizes it
// (past the opposite edge too, which must be refused), or deleted; now and then while part of
// it is locked, which must be refused.
std::string StepGenerator::selectionStep() {
  if (!model().front()) return {};
  if (random_.percent(20)) return "selection delete";
  const int step = random_.pick({1, 10, 100});
  const std::string by = std::to_string(step * random_.between(-2, 2)) + " " + std::to_string(step * random_.between(-2, 2));
  if (random_.percent(30))
    return std::string("selection resize ") + random_.pick({"nw", "n", "ne", "e", "se", "s", "sw", "w"}) + " " + by +
           (random_.percent(30) ? " shift" : "");
  return "selection move " + by;
}

// Undone and redone in runs, so that a run now and then goes back past a layout and the
// plug-in's next one must still leave each kind's guides once.
std::string StepGenerator::historyStep() {
  if (!model().front()) return {};
  return random_.percent(65) ? "undo" : "redo";
}

// The menus are opened first: the items' texts are those the plug-ins update them to.
std::string StepGenerator::menuStep() {
  updateMenus(events_);
  const std::vector<std::string> paths = menuItemPaths();
  if (paths.empty()) return {};
  return "menu " + random_.pick(paths);
}

std::string StepGenerator::flyoutStep() {
  const SlotTable<Panel>& panels = shell().ui.panels;
  for (uint32_t slot = 0; slot < panels.slotCount(); ++slot) {
    const Panel* panel = panels.find(panels.refAt(slot));
    if (!panel) continue;
    const FlyoutMenu* menu = shell().ui.flyoutMenus.find(panel->flyout);
    if (!menu) return {};
    std::vector<int32_t> ids;
    for (const FlyoutItem& item : menu->items)
      if (!item.separator) ids.push_back(item.id);
    if (ids.empty()) return {};
    return "flyout " + std::to_string(random_.pick(ids));
  }
  return {};
}

std::string StepGenerator::notifyingStep() {
  const uint64_t draw = random_.below(10);
  if (draw < 3) return std::string("theme ") + (random_.percent(50) ? "dark" : "light");
  if (!model().front()) return {};
  if (draw < 7)
    return std::string("ruler-unit ") + random_.pick({"in", "cm", "pt", "pi", "mm", "px", "q", "ft", "yd", "m"});
  if (draw < 9) return std::string("select ") + (random_.percent(50) ? "all" : "none");
  const std::vector<Object> objects = objectsOfFront();
  if (objects.empty()) return {};
  const Object& object = random_.pick(objects);
  return object.editable ? "select " + object.name : std::string();
}

// A control of the panel as the user reaches for it: mostly one that is shown and enabled,
// sometimes one that must refuse the event.
std::string StepGenerator::panelStep() {
  std::vector<NamedView> views = panelViews();
  if (views.empty()) return {};
  if (random_.percent(85)) std::erase_if(views, [](const NamedView& v) { return !v.reachable; });
  if (views.empty()) return {};
  int total = 0;
  for (const NamedView& named : views) total += weightOf(named.view->identifier());
  int draw = static_cast<int>(random_.below(static_cast<uint64_t>(total)));
  kit::View* view = views.front().view;
  for (const NamedView& named : views) {
    draw -= weightOf(named.view->identifier());
    if (draw < 0) {
      view = named.view;
      break;
    }
  }
  const std::string& name = view->identifier();
  if (auto* popup = dynamic_cast<kit::PopUpButton*>(view)) {
    const int items = popup->numberOfItems();
    int index = random_.percent(5) ? items : random_.between(0, std::max(0, items - 1));
    // The popup of sets ends with its two commands: a new set, and the delete-sets dialog.
    if (name == panel::PANpopupSets && items >= 2 && random_.percent(50)) index = items - (random_.percent(65) ? 2 : 1);
    return "ui choose " + name + " " + std::to_string(index) + modifierWords(random_, 5, name == panel::PANpopupSets ? 30 : 10);
  }
  if (auto* combo = dynamic_cast<kit::ComboBox*>(view)) {
    const uint64_t draw2 = random_.below(10);
    if (draw2 < 3 && combo->numberOfItems() > 0)
      return "ui choose " + name + " " + std::to_string(random_.below(static_cast<uint64_t>(combo->numberOfItems())));
    if (draw2 < 8) return "ui type " + name + " " + randomCountText(random_);
    return "ui command " + name + " " + random_.pick(kEditingCommands);
  }
  if (dynamic_cast<kit::TextField*>(view)) {
    if (name == panel::PANnomSet) return "ui type " + name + " " + randomSetName(random_);
    if (random_.percent(65)) return "ui type " + name + " " + (isCountField(name) ? randomCountText(random_) : randomLengthText(random_));
    return "ui command " + name + " " + random_.pick(kEditingCommands);
  }
  if (dynamic_cast<kit::Button*>(view)) return "ui click " + name + modifierWords(random_, 30, 8);
  return std::string(random_.pick({"ui hover ", "ui leave ", "ui click "})) + name;
}

std::string StepGenerator::restartStep() { return "restart"; }

}  // namespace harness
