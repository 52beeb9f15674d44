#include "svg/PathData.h"

#include <cstring>

#include "svg/SvgNumbers.h"

namespace host::svg {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// An arc's flag: one character '0' or '1', which may stand right against the next number.
bool readFlag(std::string_view* text, bool* flag) {
  size_t at = 0;
  while (at < text->size() && (isSpace((*text)[at]) || (*text)[at] == ',')) ++at;
  if (at >= text->size() || ((*text)[at] != '0' && (*text)[at] != '1')) return false;
  *flag = (*text)[at] == '1';
  text->remove_prefix(at + 1);
  return true;
}

class Walker {
 public:
  Walker(std::string_view data, PathSink* sink) : text_(data), sink_(sink) {}

  bool walk() {
    char command = 0;
    bool first = true;
    for (;;) {
      while (!text_.empty() && (isSpace(text_.front()) || text_.front() == ',')) text_.remove_prefix(1);
      if (text_.empty()) return true;
      const char next = text_.front();
      if (std::strchr("MmLlHhVvCcSsQqTtAaZz", next) != nullptr) {
        command = next;
        text_.remove_prefix(1);
      } else if (command == 0 || command == 'Z' || command == 'z') {
        return false;  // numbers with no command before them
      }
      if (first && command != 'M' && command != 'm') return false;
      first = false;
      if (!step(command)) return false;
      // Numbers after a move are lines.
      if (command == 'M') command = 'L';
      if (command == 'm') command = 'l';
    }
  }

 private:
  bool number(double* value) { return readNumber(&text_, value); }
  bool point(bool relative, XY* p) {
    if (!number(&p->x) || !number(&p->y)) return false;
    if (relative) {
      p->x += current_.x;
      p->y += current_.y;
    }
    return true;
  }

  bool step(char command) {
    const bool relative = command >= 'a';
    switch (command | 0x20) {
      case 'm':
        return move(relative);
      case 'l':
        return line(relative);
      case 'h':
        return horizontal(relative);
      case 'v':
        return vertical(relative);
      case 'c':
        return cubic(relative, false);
      case 's':
        return cubic(relative, true);
      case 'q':
        return quadratic(relative, false);
      case 't':
        return quadratic(relative, true);
      case 'a':
        return arc(relative);
      default:
        return closePath();
    }
  }

  void arrive(XY to, char kind, XY control) {
    current_ = to;
    lastKind_ = kind;
    lastControl_ = control;
  }

  bool move(bool relative) {
    XY to;
    if (!point(relative, &to)) return false;
    sink_->moveTo(to);
    start_ = to;
    arrive(to, 'm', to);
    return true;
  }
  bool line(bool relative) {
    XY to;
    if (!point(relative, &to)) return false;
    sink_->lineTo(current_, to);
    arrive(to, 'l', to);
    return true;
  }
  bool horizontal(bool relative) {
    XY to = current_;
    if (!number(&to.x)) return false;
    if (relative) to.x += current_.x;
    sink_->lineTo(current_, to);
    arrive(to, 'l', to);
    return true;
  }
  bool vertical(bool relative) {
    XY to = current_;
    if (!number(&to.y)) return false;
    if (relative) to.y += current_.y;
    sink_->lineTo(current_, to);
    arrive(to, 'l', to);
    return true;
  }
  // The first control point of a shorthand curve: the previous one reflected when the
  // previous command was of the same family, else the current point.
  XY reflected(char family) const {
    if (lastKind_ != family) return current_;
    return {2 * current_.x - lastControl_.x, 2 * current_.y - lastControl_.y};
  }
  bool cubic(bool relative, bool shorthand) {
    XY c1 = reflected('c'), c2, to;
    if (!shorthand && !point(relative, &c1)) return false;
    if (!point(relative, &c2) || !point(relative, &to)) return false;
    sink_->cubicTo(current_, c1, c2, to);
    arrive(to, 'c', c2);
    return true;
  }
  bool quadratic(bool relative, bool shorthand) {
    XY c = reflected('q'), to;
    if (!shorthand && !point(relative, &c)) return false;
    if (!point(relative, &to)) return false;
    sink_->quadraticTo(current_, c, to);
    arrive(to, 'q', c);
    return true;
  }
  bool arc(bool relative) {
    double rx = 0, ry = 0, degrees = 0;
    bool large = false, sweep = false;
    XY to;
    if (!number(&rx) || !number(&ry) || !number(&degrees) || !readFlag(&text_, &large) || !readFlag(&text_, &sweep) ||
        !point(relative, &to)) {
      return false;
    }
    sink_->arcTo(current_, rx, ry, degrees, large, sweep, to);
    arrive(to, 'a', to);
    return true;
  }
  bool closePath() {
    sink_->close(current_, start_);
    arrive(start_, 'z', start_);
    return true;
  }

  std::string_view text_;
  PathSink* sink_;
  XY current_, start_, lastControl_;
  char lastKind_ = 0;
};

}  // namespace

bool walkPath(std::string_view data, PathSink* sink) { return Walker(data, sink).walk(); }

}  // namespace host::svg
