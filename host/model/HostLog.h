// The host's log: what happened to plug-ins (loaded, started, failed, unloaded), misuse
// the host noticed (calls out of order, unbalanced context pops, damaged files), and
// anything else worth reading back with `print log`. Errors also go to standard error at
// once. With tracing on, every entry goes to standard error as it is written, together
// with the trace lines of messages and suite calls, which are streamed and not kept.
#ifndef GUIDES_HOST_MODEL_HOSTLOG_H
#define GUIDES_HOST_MODEL_HOSTLOG_H

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace host {

class HostLog {
 public:
  void note(std::string line);
  // The detail (a system message, a path) goes to standard error only, so that the kept
  // line reads the same on every machine.
  void error(std::string line, std::string_view detail = {});
  void trace(std::string_view line);

  bool tracing() const { return tracing_; }
  void setTracing(bool on) { tracing_ = on; }
  // Where errors and traces are written; standard error unless a test redirects it.
  void setErrorStream(std::ostream* stream) { errors_ = stream; }

  const std::vector<std::string>& lines() const { return lines_; }
  // How many of the lines were errors.
  size_t errorCount() const { return errorCount_; }

 private:
  void echo(std::string_view prefix, std::string_view line);

  std::vector<std::string> lines_;
  bool tracing_ = false;
  std::ostream* errors_ = nullptr;
  size_t errorCount_ = 0;
};

// A result code as people read it: "0", "'S!Fd'" when its four bytes are printable, else
// the decimal value.
std::string resultText(int32_t code);

}  // namespace host

#endif
