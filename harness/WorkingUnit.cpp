#include "harness/WorkingUnit.h"

#include <algorithm>

#include "harness/PanelFields.h"
#include "kit/Application.h"
#include "model/Model.h"
#include "model/Shell.h"
#include "session/RulerUnits.h"

namespace harness {

using namespace host;

namespace {

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
      std::find(std::begin(panel::kLengthFields), std::end(panel::kLengthFields), arguments[0]) !=
          std::end(panel::kLengthFields))
    if (const std::string unit = unitNamedIn(arguments[1]); !unit.empty()) unit_ = unit;
}

std::string WorkingUnit::text() const {
  if (!kit::Application::shared().viewWithIdentifier(std::string(panel::kWorkingUnitField))) return " | no panel";
  return " | unit " + (unit_.empty() ? std::string("?") : unit_);
}

}  // namespace harness
