// A session: the lines of a script run one after the other against the application.
#ifndef GUIDES_HOST_APP_SESSION_H
#define GUIDES_HOST_APP_SESSION_H

#include <istream>
#include <ostream>

#include "app/Commands.h"

namespace host {

class Application;

class Session {
 public:
  // Printouts go to out, errors ("line 7: unknown command 'frobnicate'") to errors.
  Session(Application& application, std::ostream& out, std::ostream& errors);

  // Runs the script to its end or to `quit`; false when a line failed, which stops it.
  // Blank lines and lines starting with '#' are skipped.
  bool run(std::istream& script);

 private:
  CommandContext context_;
  std::ostream& errors_;
};

}  // namespace host

#endif
