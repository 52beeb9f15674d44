#include "server/WebSession.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/Application.h"
#include "session/CommandSupport.h"
#include "app/Menus.h"
#include "kit/Application.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/ViewGeometry.h"
#include "files/DocumentFiles.h"
#include "files/OpenedFiles.h"
#include "model/StringTable.h"
#include "server/HostTools.h"

namespace host {

namespace {

// The documents the page may hold open, as a script may; the name an upload shows.
constexpr size_t kMaxWebDocuments = 1000;
constexpr size_t kMaxFileNameBytes = 255;

// Runs a command of the session language by name, then settles when it is an event.
void runCommand(CommandContext& context, std::string_view name, const Arguments& arguments) {
  for (const Command& command : commandTable())
    if (command.name == name) {
      command.run(context, arguments);
      if (command.isEvent) context.application.events().settle();
      return;
    }
  throw CommandError("the host has no command '" + std::string(name) + "'");
}

void addModifiers(Arguments& arguments, const WebEvent& event) {
  if (event.alt) arguments.push_back("alt");
  if (event.shift) arguments.push_back("shift");
  if (event.cmd) arguments.push_back("cmd");
}

const View& frontView() {
  const Document* document = model().front();
  if (!document) throw CommandError("no document is open");
  return document->views.front();
}

AIRealPoint artworkAt(double x, double y) {
  return viewToArtwork(frontView(), AIPoint{static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))});
}

Arguments pointArguments(AIRealPoint at) { return {floatText(at.h), floatText(at.v)}; }

// The outline of art is picked within a few pixels, whatever the zoom.
constexpr double kPickPixels = 3;

}  // namespace

WebSession::WebSession(Application& application)
    : application_(application), documentsMade_(static_cast<int>(model().documentCount())) {}

Reply WebSession::run(const WebEvent& event) {
  std::ostringstream said;
  CommandContext context{application_, said, documentsMade_};
  try {
    dispatch(context, event);
  } catch (const std::exception& error) {
    documentsMade_ = std::max(documentsMade_, context.documentsMade);
    return errorReply(400, error.what());
  }
  documentsMade_ = std::max(documentsMade_, context.documentsMade);
  nlohmann::json refused = nlohmann::json::array();
  std::istringstream lines(said.str());
  for (std::string line; std::getline(lines, line);)
    if (!line.empty()) refused.push_back(line);
  return Reply{200, nlohmann::json{{"ok", true}, {"refused", refused}}.dump(
                        -1, ' ', false, nlohmann::json::error_handler_t::replace)};
}

void WebSession::mouseEvent(CommandContext& context, const WebEvent& event) {
  const AIRealPoint at = artworkAt(event.x, event.y);
  Arguments arguments = pointArguments(at);
  if (event.kind == WebEventKind::Move) {
    addModifiers(arguments, event);
    return runCommand(context, "move", arguments);
  }
  const bool hostTool = selectionToolIsSelected() || rectangleToolIsSelected();
  if (hostTool && refusedWhileModal(context, event.kind == WebEventKind::Click ? "click" : "drag")) return;
  if (event.kind == WebEventKind::Click) {
    if (rectangleToolIsSelected()) return;
    if (selectionToolIsSelected()) {
      selectAt(context, at, kPickPixels / frontView().zoom, event.shift);
      return application_.events().settle();
    }
    addModifiers(arguments, event);
    return runCommand(context, "click", arguments);
  }
  const AIRealPoint to = artworkAt(event.x2, event.y2);
  if (hostTool) {
    if (rectangleToolIsSelected()) drawRectangle(context, at, to);
    return application_.events().settle();
  }
  const Arguments end = pointArguments(to);
  arguments.insert(arguments.end(), end.begin(), end.end());
  addModifiers(arguments, event);
  runCommand(context, "drag", arguments);
}

void WebSession::dispatch(CommandContext& context, const WebEvent& event) {
  switch (event.kind) {
    case WebEventKind::Move:
    case WebEventKind::Click:
    case WebEventKind::Drag:
      return mouseEvent(context, event);
    case WebEventKind::Key: {
      if (event.name == "delete") {
        if (!model().front() || refusedWhileModal(context, "delete")) return;
        deleteSelection(context);
        return application_.events().settle();
      }
      Arguments arguments{event.name};
      addModifiers(arguments, event);
      return runCommand(context, "key", arguments);
    }
    case WebEventKind::Tool:
      return runCommand(context, "tool", {event.name});
    case WebEventKind::Zoom:
      return runCommand(context, "zoom", {numberText(event.x)});
    case WebEventKind::Pan:
      if (refusedWhileModal(context, "pan")) return;
      moveView(event.x, event.y);
      return application_.events().settle();
    case WebEventKind::Fit:
      if (refusedWhileModal(context, "fit")) return;
      fitView();
      return application_.events().settle();
    case WebEventKind::Menus:
      if (!kit::Application::shared().modalWindow()) updateMenus(application_.events());
      return;
    case WebEventKind::Menu:
      return runCommand(context, "menu", {event.name});
    case WebEventKind::Flyout:
      return runCommand(context, "flyout", {std::to_string(event.number)});
    case WebEventKind::Theme:
      return runCommand(context, "theme", {event.name});
    case WebEventKind::RulerUnit:
      return runCommand(context, "ruler-unit", {event.name});
    case WebEventKind::DocumentNew:
      if (refusedWhileModal(context, "document new")) return;
      runCommand(context, "document new",
                 {numberText(event.width), numberText(event.height), "artboards",
                  std::to_string(event.number), "unit", event.name});
      fitView();
      return application_.events().settle();
    case WebEventKind::DocumentSwitch:
      if (refusedWhileModal(context, "document switch")) return;
      return runCommand(context, "document switch", {std::to_string(event.number)});
    case WebEventKind::DocumentClose:
      if (refusedWhileModal(context, "document close")) return;
      return runCommand(context, "document close", {});
    case WebEventKind::DocumentSave:
      // Back to the file the document was opened from or saved to, never a path of the page's.
      return runCommand(context, "document save", {});
    case WebEventKind::UiClick: {
      Arguments arguments{event.name};
      addModifiers(arguments, event);
      return runCommand(context, "ui click", arguments);
    }
    case WebEventKind::UiType:
      return runCommand(context, "ui type",
                        event.text.empty() ? Arguments{event.name} : Arguments{event.name, event.text});
    case WebEventKind::UiCommand:
      return runCommand(context, "ui command", {event.name, event.text});
    case WebEventKind::UiChoose: {
      Arguments arguments{event.name, std::to_string(event.number)};
      addModifiers(arguments, event);
      return runCommand(context, "ui choose", arguments);
    }
    case WebEventKind::UiHover:
      return runCommand(context, "ui hover", {event.name});
    case WebEventKind::UiLeave:
      return runCommand(context, "ui leave", {event.name});
    case WebEventKind::Undo:
    case WebEventKind::Redo:
      return runCommand(context, event.kind == WebEventKind::Undo ? "undo" : "redo", {});
  }
}

Reply WebSession::openUpload(std::string bytes, const std::string& fileName) {
  if (kit::Application::shared().modalWindow()) return errorReply(409, "a dialog is running modally");
  if (model().documentCount() >= kMaxWebDocuments) return errorReply(409, "too many documents open");
  std::string reason;
  const std::string name = fileName.substr(0, utf8PrefixLength(fileName, kMaxFileNameBytes));
  if (!openDocumentBytes(std::move(bytes), isValidUtf8(name) && !name.empty() ? name : "document.svg", &reason))
    return errorReply(400, "cannot open " + name + ": " + reason);
  fitView();
  application_.events().settle();
  return Reply{200, R"({"ok":true,"refused":[]})"};
}

Reply WebSession::download(std::string* fileName) const {
  std::string bytes, reason;
  if (!documentFileBytes(&bytes, &reason)) return errorReply(404, reason);
  *fileName = documentFileName();
  return Reply{200, std::move(bytes)};
}

Reply WebSession::picture(uint64_t document) const {
  const OpenedFile* file = openedFile(document);
  if (!file || !file->read) return errorReply(404, "no such picture");
  return Reply{200, file->read->bytes};
}

void WebSession::moveView(double dx, double dy) {
  Document* document = model().front();
  if (!document) throw CommandError("no document is open");
  View& view = document->views.front();
  const double h = view.centre.h - dx / view.zoom;
  const double v = view.centre.v + dy / view.zoom;
  constexpr double kFar = 1e7;  // the view stays within reach of the artwork
  view.centre = AIRealPoint{static_cast<AIReal>(std::clamp(h, -kFar, kFar)),
                            static_cast<AIReal>(std::clamp(v, -kFar, kFar))};
}

void WebSession::fitView() {
  Document* document = model().front();
  if (!document || document->artboards.empty()) return;
  AIRealRect all = document->artboards.front().rect;
  for (const Artboard& artboard : document->artboards) {
    all.left = std::min(all.left, artboard.rect.left);
    all.right = std::max(all.right, artboard.rect.right);
    all.top = std::max(all.top, artboard.rect.top);
    all.bottom = std::min(all.bottom, artboard.rect.bottom);
  }
  constexpr double kRoom = 0.9;  // a margin of canvas around the artboards
  const double width = double{all.right} - all.left, height = double{all.top} - all.bottom;
  const double zoom = std::clamp(kRoom * std::min(kViewWidth / width, kViewHeight / height), 1.0 / 64, 64.0);
  View& view = document->views.front();
  view.zoom = zoom;
  view.centre = AIRealPoint{static_cast<AIReal>((double{all.left} + all.right) / 2),
                            static_cast<AIReal>((double{all.top} + all.bottom) / 2)};
}

}  // namespace host
