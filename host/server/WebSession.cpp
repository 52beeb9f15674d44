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

namespace host {

namespace {

// The documents the page may hold open, as a script may; the name an upload shows.
constexpr size_t kMaxWebDocuments = 1000;
constexpr size_t kMaxFileNameBytes = 255;

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

}  // namespace

WebSession::WebSession(Application& application)
    : application_(application), documentsMade_(static_cast<int>(model().documentCount())) {}

Reply WebSession::run(const WebEvent& event) {
  std::ostringstream said;
  CommandContext context{application_, said, documentsMade_};
  context.transcript = transcript_;
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
  Arguments arguments = pointArguments(artworkAt(event.x, event.y));
  if (event.kind == WebEventKind::Drag) {
    const Arguments end = pointArguments(artworkAt(event.x2, event.y2));
    arguments.insert(arguments.end(), end.begin(), end.end());
  }
  addModifiers(arguments, event);
  runCommand(context, event.kind == WebEventKind::Move ? "move" : event.kind == WebEventKind::Click ? "click" : "drag",
             arguments);
}

void WebSession::dispatch(CommandContext& context, const WebEvent& event) {
  switch (event.kind) {
    case WebEventKind::Move:
    case WebEventKind::Click:
    case WebEventKind::Drag:
      return mouseEvent(context, event);
    case WebEventKind::Key: {
      if (event.name == "delete") {
        if (model().front()) runCommand(context, "selection delete", {});
        return;
      }
      Arguments arguments{event.name};
      addModifiers(arguments, event);
      return runCommand(context, "key", arguments);
    }
    case WebEventKind::Tool:
      return runCommand(context, "tool", {event.name});
    case WebEventKind::Zoom:
      return runCommand(context, "zoom", {numberText(event.x)});
    case WebEventKind::Pan: {
      // View pixels, y downwards, become artwork points, y upwards.
      const double zoom = frontView().zoom;
      return runCommand(context, "pan", {numberText(event.x / zoom), numberText(-event.y / zoom)});
    }
    case WebEventKind::Fit:
      return runCommand(context, "fit", {});
    case WebEventKind::Resize: {
      // The handle follows the mouse: the drag's length in artwork points, as a drag moves art.
      const AIRealPoint from = artworkAt(event.x, event.y), to = artworkAt(event.x2, event.y2);
      Arguments arguments{event.name, floatText(to.h - from.h), floatText(to.v - from.v)};
      if (event.shift) arguments.push_back("shift");
      return runCommand(context, "selection resize", arguments);
    }
    case WebEventKind::SelectionMove:
      return runCommand(context, "selection move", {numberText(event.x), numberText(event.y)});
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
      return runCommand(context, "fit", {});
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
  fitView(*model().front());
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

}  // namespace host
