#include "session/SessionState.h"

#include "AITool.h"
#include "app/Application.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/Printout.h"
#include "model/Shell.h"
#include "session/SessionExtension.h"

namespace host {

namespace {

std::string toolPart() {
  const Tool* tool = shell().ui.tools.find(shell().ui.selectedTool);
  return tool ? "tool \"" + tool->name + "\"" : std::string("no tool");
}

std::string guidesPart() {
  if (!model().front()) return "no document";
  const size_t count = guideLines(model()).size();
  return std::to_string(count) + (count == 1 ? " guide" : " guides");
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

std::string stateLine(Application& application, const StateLineParts* parts) {
  return toolPart() + " | " + clickText(application.events(), "last click ") + " | " + guidesPart() +
         (parts ? parts->text() : std::string());
}

}  // namespace host
