#include "session/Session.h"

#include <string>

#include "app/Application.h"
#include "app/EventSourceScope.h"

namespace host {

namespace {

bool isSkipped(std::string_view line) {
  return withoutComment(line).find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

Session::Session(Application& application, std::ostream& out, std::ostream& errors)
    : context_{application, out}, errors_(errors) {}

bool Session::run(std::istream& script) {
  script_ = &script;
  lineNumber_ = 0;
  failed_ = false;
  {
    EventSourceScope scope(this);
    while (runNextEvent()) {
    }
  }
  script_ = nullptr;
  return !failed_;
}

bool Session::runNextEvent() {
  if (!script_ || failed_ || context_.quit) return false;
  std::string line;
  do {
    if (!std::getline(*script_, line)) return false;
    ++lineNumber_;
  } while (isSkipped(line));

  // Nothing is thrown from here: a modal run may have called in through a plug-in, which
  // would not let an exception pass.
  Arguments arguments;
  const Command* command = nullptr;
  try {
    command = &parseCommand(line, &arguments);
    runCommand(context_, *command, arguments);
  } catch (const std::exception& error) {
    fail(command, error.what());
    return false;
  }
  return !context_.quit;
}

void Session::fail(const Command* command, const char* message) {
  context_.out.flush();
  errors_ << "line " << lineNumber_ << ": ";
  if (command) errors_ << command->name << ": ";
  errors_ << message << std::endl;
  failed_ = true;
}

}  // namespace host
