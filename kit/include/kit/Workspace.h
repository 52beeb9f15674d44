// The system workspace: opening a web page is recorded, never run.
#pragma once

#include <string>
#include <vector>

namespace kit {

class Workspace {
 public:
  static Workspace& sharedWorkspace();

  // Records the address and answers true for a well-formed URL (a scheme of letters,
  // digits, "+", "-" or "." followed by ":", no spaces or control characters); anything
  // else is refused (false, not recorded). Nothing is ever handed to a shell.
  bool openURL(const std::string& url);
  const std::vector<std::string>& openedURLs() const { return opened_; }
  void clearOpenedURLs() { opened_.clear(); }

 private:
  Workspace() = default;
  std::vector<std::string> opened_;
};

}  // namespace kit
