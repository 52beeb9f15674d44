#include "app/Session.h"

#include <string>

namespace host {

namespace {

bool isSkipped(std::string_view line) {
  const size_t first = line.find_first_not_of(" \t\r");
  return first == std::string_view::npos || line[first] == '#';
}

}  // namespace

Session::Session(Application& application, std::ostream& out, std::ostream& errors)
    : context_{application, out}, errors_(errors) {}

bool Session::run(std::istream& script) {
  std::string line;
  for (int number = 1; !context_.quit && std::getline(script, line); ++number) {
    if (isSkipped(line)) continue;
    Arguments arguments;
    const Command* command = nullptr;
    try {
      command = &parseCommand(line, &arguments);
      command->run(context_, arguments);
    } catch (const CommandError& error) {
      context_.out.flush();
      errors_ << "line " << number << ": ";
      if (command) errors_ << command->name << ": ";
      errors_ << error.what() << std::endl;
      return false;
    }
  }
  return true;
}

}  // namespace host
