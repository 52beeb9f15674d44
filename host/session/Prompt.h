// The interactive prompt: each line read runs as a session line at once, a failing line
// prints its error and the prompt goes on, and a one-line state of the session follows
// every command. `help` lists the commands of the command table, `help COMMAND` shows one.
// End of input or `quit` ends it. Like a script, the prompt is the toolkit's event source:
// while a dialog runs modally, the lines typed act on it (the prompt names the dialog).
#ifndef GUIDES_HOST_SESSION_PROMPT_H
#define GUIDES_HOST_SESSION_PROMPT_H

#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "kit/Application.h"
#include "session/Commands.h"
#include "session/SessionExtension.h"

namespace host {

class Application;

class Prompt : public kit::EventSource {
 public:
  // echoInput writes each line read after its prompt, so that a transcript of input that
  // does not come from a terminal reads as a terminal would show it.
  Prompt(Application& application, std::istream& in, std::ostream& out, bool echoInput);

  // Runs lines until the end of input or `quit`.
  void run();
  bool runNextEvent() override;

 private:
  void showPrompt();
  void runLine(const std::string& line);
  void help(std::string_view about);

  CommandContext context_;
  std::unique_ptr<StateLineParts> stateParts_;  // what the extension adds to the state line
  std::istream& in_;
  std::ostream& out_;
  bool echoInput_;
  int linesRun_ = 0;  // a dialog's lines run inside the line that opened it
  std::string lastState_;
};

// The help text of the prompt: every command of the table with its usage and description.
std::string promptHelp();
// The help of one command, or of every command of a family ("print", "ui", "document"),
// or empty when no command has that name.
std::string commandHelp(std::string_view name);

}  // namespace host

#endif
