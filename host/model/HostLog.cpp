#include "model/HostLog.h"

#include <iostream>

namespace host {

void HostLog::note(std::string line) {
  if (tracing_) echo("log: ", line);
  lines_.push_back(std::move(line));
}

void HostLog::error(std::string line, std::string_view detail) {
  ++errorCount_;
  if (detail.empty())
    echo("", line);
  else
    echo("", line + " (" + std::string(detail) + ")");
  lines_.push_back(std::move(line));
}

void HostLog::trace(std::string_view line) {
  if (tracing_) echo("trace: ", line);
}

// std::cerr is tied to std::cout, so what the session printed before comes out first.
void HostLog::echo(std::string_view prefix, std::string_view line) {
  std::ostream& out = errors_ ? *errors_ : std::cerr;
  out << "guides-host: " << prefix << line << '\n';
}

std::string resultText(int32_t code) {
  if (code == 0) return "0";
  const auto bits = static_cast<uint32_t>(code);
  std::string text = "'";
  for (int shift = 24; shift >= 0; shift -= 8) {
    const auto byte = static_cast<unsigned char>(bits >> shift);
    if (byte < 0x20 || byte > 0x7E) return std::to_string(code);
    text += static_cast<char>(byte);
  }
  return text + "'";
}

}  // namespace host
