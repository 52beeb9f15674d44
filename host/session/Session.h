// A session: the lines of a script run one after the other against the application. The
// session is also the toolkit's event source: a modal run started by a command takes the
// following lines as its events, so the commands after it act on the dialog.
#ifndef GUIDES_HOST_SESSION_SESSION_H
#define GUIDES_HOST_SESSION_SESSION_H

#include <istream>
#include <ostream>

#include "kit/Application.h"
#include "session/Commands.h"

namespace host {

class Application;

class Session : public kit::EventSource {
 public:
  // Printouts go to out, errors ("line 7: unknown command 'frobnicate'") to errors.
  Session(Application& application, std::ostream& out, std::ostream& errors);

  // Runs the script to its end or to `quit`; false when a line failed, which stops it.
  // Blank lines and lines holding only a comment are skipped.
  bool run(std::istream& script);

  // Runs the next command of the script; false at the end, after `quit` or a failed line.
  bool runNextEvent() override;

 private:
  void fail(const Command* command, const char* message);

  CommandContext context_;
  std::ostream& errors_;
  std::istream* script_ = nullptr;
  int lineNumber_ = 0;
  bool failed_ = false;
};

}  // namespace host

#endif
