#include "session/Prompt.h"

#include "app/Application.h"
#include "app/EventSourceScope.h"
#include "kit/Window.h"
#include "session/SessionExtension.h"
#include "session/SessionState.h"

namespace host {

namespace {

std::string_view trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::string synopsis(const Command& command) {
  std::string text(command.name);
  if (!command.usage.empty()) text += " " + std::string(command.usage);
  return text;
}

}  // namespace

std::string promptHelp() {
  std::string text = "Commands (help COMMAND for one, quit or end of input to end):\n";
  for (const Command& command : commandTable())
    text += "  " + std::string(command.name) + ": " + std::string(command.description) + "\n";
  return text + "  help: lists the commands, or shows one with its arguments\n";
}

// One command by its name, or every form of a family by its first word ("help print").
std::string commandHelp(std::string_view name) {
  std::string text;
  for (const Command& command : commandTable())
    if (command.name == name) return synopsis(command) + "\n  " + std::string(command.description) + "\n";
  for (const Command& command : commandTable())
    if (command.name.starts_with(name) && command.name.size() > name.size() && command.name[name.size()] == ' ')
      text += synopsis(command) + "\n  " + std::string(command.description) + "\n";
  if (name == "help") return "help [COMMAND]\n  lists the commands, or shows one with its arguments\n";
  return text;
}

Prompt::Prompt(Application& application, std::istream& in, std::ostream& out, bool echoInput)
    : context_{application, out},
      stateParts_(sessionExtension().stateLineParts()),
      in_(in),
      out_(out),
      echoInput_(echoInput) {}

void Prompt::run() {
  out_ << "guides-host: one command a line; help lists them, quit ends.\n";
  out_ << "state: " << stateLine(context_.application, stateParts_.get()) << std::endl;
  EventSourceScope scope(this);
  while (runNextEvent()) {
  }
}

void Prompt::showPrompt() {
  const kit::Window* dialog = kit::Application::shared().modalWindow();
  if (dialog)
    out_ << "guides [" << (dialog->identifier().empty() ? dialog->title() : dialog->identifier()) << "]> ";
  else
    out_ << "guides> ";
  out_.flush();
}

bool Prompt::runNextEvent() {
  if (context_.quit) return false;
  std::string line;
  for (;;) {
    showPrompt();
    if (!std::getline(in_, line)) {
      out_ << std::endl;
      return false;
    }
    if (echoInput_) out_ << line << "\n";
    if (!trimmed(withoutComment(line)).empty()) break;
  }
  runLine(line);
  return !context_.quit;
}

void Prompt::help(std::string_view about) {
  if (about.empty()) {
    out_ << promptHelp();
    return;
  }
  const std::string text = commandHelp(about);
  out_ << (text.empty() ? "help: no command '" + std::string(about) + "'\n" : text);
}

// Nothing is thrown from here: a modal run may have called in through a plug-in.
void Prompt::runLine(const std::string& line) {
  const std::string_view text = trimmed(withoutComment(line));
  if (text == "help" || text.starts_with("help ")) {
    help(trimmed(text.substr(4)));
    return;
  }
  const int linesBefore = ++linesRun_;
  try {
    Arguments arguments;
    const Command& command = parseCommand(text, &arguments);
    if (stateParts_) stateParts_->beforeCommand();
    const int refusalsBefore = context_.refusals;
    bool delivered = true;
    try {
      runCommand(context_, command, arguments);
    } catch (const std::exception& error) {
      out_ << "error: " << command.name << ": " << error.what() << "\n";
      delivered = false;
    }
    if (stateParts_) stateParts_->afterCommand(command, arguments, delivered && context_.refusals == refusalsBefore);
  } catch (const std::exception& error) {
    out_ << "error: " << error.what() << "\n";
  }
  if (context_.quit) return;
  // After a dialog's lines the last of them has shown the state, unless it changed since.
  const std::string state = stateLine(context_.application, stateParts_.get());
  if (linesRun_ == linesBefore || state != lastState_) out_ << "state: " << state << std::endl;
  lastState_ = state;
}

}  // namespace host
