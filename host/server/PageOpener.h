// --open: the browser is given a small file that sends it on to the page, never the page's
// address itself, which carries the access token: a command line (xdg-open's, the
// browser's) can be read by every user of the machine. The file is the user's alone (mode
// 0600), in the user's runtime folder ($XDG_RUNTIME_DIR, else the system's temporary one),
// and is removed when the host stops.
#ifndef GUIDES_HOST_SERVER_PAGEOPENER_H
#define GUIDES_HOST_SERVER_PAGEOPENER_H

#include <filesystem>
#include <string>

namespace host {

class PageOpener {
 public:
  PageOpener() = default;
  ~PageOpener();
  PageOpener(const PageOpener&) = delete;
  PageOpener& operator=(const PageOpener&) = delete;

  // Writes the file and opens it with xdg-open; a failure is told on standard error.
  void open(const std::string& address);
  const std::filesystem::path& file() const { return file_; }

 private:
  bool writeFile(const std::string& address);

  std::filesystem::path file_;
};

}  // namespace host

#endif
