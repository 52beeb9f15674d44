#include "app/SessionState.h"

#include <algorithm>

#include "AIDocument.h"
#include "AITool.h"
#include "app/Application.h"
#include "app/RulerUnits.h"
#include "kit/Application.h"
#include "kit/Control.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/Printout.h"
#include "model/Shell.h"

namespace host {

namespace {

std::string toolPart() {
  const Tool* tool = shell().ui.tools.find(shell().ui.selectedTool);
  return tool ? "tool \"" + tool->name + "\"" : std::string("no tool");
}

}  // namespace

std::string clickText(const EventLoop& events, std::string_view prefix) {
  if (!events.lastClick()) return "no click yet";
  const Click& click = *events.lastClick();
  std::string text = std::string(prefix) + numberText(click.at.h) + " " + numberText(click.at.v);
  if (click.modifiers & aiEventModifiers_optionKey) text += " alt";
  if (click.modifiers & aiEventModifiers_shiftKey) text += " shift";
  return text;
}

namespace {

std::string guidesPart() {
  if (!model().front()) return "no document";
  const size_t count = guideLines(model()).size();
  return std::to_string(count) + (count == 1 ? " guide" : " guides");
}

std::string unitPart(const WorkingUnit& working) {
  if (!kit::Application::shared().viewWithIdentifier(std::string(kWorkingUnitField))) return "no panel";
  return "unit " + (working.unit().empty() ? std::string("?") : working.unit());
}

// The length fields, whose typed unit becomes the panel's.
constexpr std::string_view kLengthFields[] = {
    "PANzoneMargeHaut",      "PANzoneMargeBas",         "PANzoneMargeGauche",    "PANzoneMargeDroite",
    "PANzoneLargeurColonne", "PANzoneHauteurLigne",     "PANzoneGouttiereColonne", "PANzoneGouttiereLigne"};

// The first of these a text holds, as the plug-in looks for them.
std::string unitNamedIn(std::string_view text) {
  for (std::string_view unit : {"mm", "cm", "in", "pt", "pi"})
    if (text.find(unit) != std::string_view::npos) return std::string(unit);
  return {};
}

// The panel's unit for a ruler unit: inches to millimetres as they are, pixels as points.
std::string panelUnitOf(int16_t rulerUnits) {
  if (rulerUnits == kPixelsUnits) return "pt";
  if (rulerUnits >= kInchesUnits && rulerUnits <= kMillimetersUnits) return std::string(rulerUnitName(rulerUnits));
  return {};
}

}  // namespace

void WorkingUnit::beforeCommand() {
  tool_ = shell().ui.selectedTool;
  document_ = model().front();
  rulerUnits_ = document_ ? document_->rulerUnits : 0;
}

void WorkingUnit::afterCommand(const Command& command, const Arguments& arguments, bool delivered) {
  const Document* document = model().front();
  const Tool* tool = shell().ui.tools.find(shell().ui.selectedTool);
  if (document && tool && tool->owner == ToolOwner::Plugin && shell().ui.selectedTool != tool_) {
    const std::string unit = panelUnitOf(document->rulerUnits);
    unit_ = unit.empty() ? "mm" : unit;
  } else if (document && document == document_ && document->rulerUnits != rulerUnits_) {
    if (const std::string unit = panelUnitOf(document->rulerUnits); !unit.empty()) unit_ = unit;
  }
  if (delivered && command.name == "ui type" && arguments.size() == 2 &&
      std::find(std::begin(kLengthFields), std::end(kLengthFields), arguments[0]) != std::end(kLengthFields))
    if (const std::string unit = unitNamedIn(arguments[1]); !unit.empty()) unit_ = unit;
}

std::string unitOfFieldText(std::string_view text) {
  for (std::string_view unit : {"in", "cm", "pt", "pi", "mm"})
    if (text.ends_with(unit)) return std::string(unit);
  return {};
}

std::string stateLine(Application& application, const WorkingUnit& working) {
  return toolPart() + " | " + clickText(application.events(), "last click ") + " | " + guidesPart() + " | " +
         unitPart(working);
}

}  // namespace host
