#include "app/SessionState.h"

#include "AITool.h"
#include "app/Application.h"
#include "kit/Application.h"
#include "kit/Control.h"
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

std::string unitPart() {
  const auto* field =
      dynamic_cast<const kit::Control*>(kit::Application::shared().viewWithIdentifier(std::string(kWorkingUnitField)));
  if (!field) return "no panel";
  const std::string unit = unitOfFieldText(field->stringValue());
  return "unit " + (unit.empty() ? std::string("?") : unit);
}

}  // namespace

std::string unitOfFieldText(std::string_view text) {
  for (std::string_view unit : {"in", "cm", "pt", "pi", "mm"})
    if (text.ends_with(unit)) return std::string(unit);
  return {};
}

std::string stateLine(Application& application) {
  return toolPart() + " | " + clickText(application.events(), "last click ") + " | " + guidesPart() + " | " + unitPart();
}

}  // namespace host
