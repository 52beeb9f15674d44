#include "svg/HostPaths.h"

#include <algorithm>
#include <cmath>

#include "svg/PathData.h"
#include "svg/SvgNumbers.h"

namespace host::svg {

namespace {

void appendPoint(std::string* out, Point p) {
  *out += formatNumber(p.x);
  *out += ',';
  *out += formatNumber(p.y);
}

Point user(const UserSpace& space, Point host) { return space.toUser(host); }

// The segments `d` draws, user units: one subpath of moves, lines and curves only.
class SegmentCollector : public PathSink {
 public:
  std::vector<Segment> segments;
  bool closed = false;
  bool usable = true;

  void moveTo(XY to) override {
    if (!segments.empty()) usable = false;
    segments.push_back({{to.x, to.y}, {to.x, to.y}, {to.x, to.y}});
  }
  void lineTo(XY, XY to) override { add({to.x, to.y}, {to.x, to.y}); }
  void cubicTo(XY, XY c1, XY c2, XY to) override {
    segments.back().out = {c1.x, c1.y};
    add({c2.x, c2.y}, {to.x, to.y});
  }
  void quadraticTo(XY from, XY c, XY to) override {
    cubicTo(from, {from.x + 2.0 / 3 * (c.x - from.x), from.y + 2.0 / 3 * (c.y - from.y)},
            {to.x + 2.0 / 3 * (c.x - to.x), to.y + 2.0 / 3 * (c.y - to.y)}, to);
  }
  void arcTo(XY, double, double, double, bool, bool, XY) override { usable = false; }
  void close(XY, XY) override {
    if (closed) usable = false;
    closed = true;
    // A last segment back onto the first anchor is the closing one.
    if (segments.size() > 1 && segments.back().p.x == segments.front().p.x &&
        segments.back().p.y == segments.front().p.y) {
      segments.front().in = segments.back().in;
      segments.pop_back();
    }
  }

 private:
  void add(Point in, Point p) {
    if (closed) usable = false;
    segments.push_back({p, in, p});
  }
};

bool near(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)}); }
bool near(Point a, Point b) { return near(a.x, b.x) && near(a.y, b.y); }

bool readExact(std::string_view text, std::vector<Segment>* segments) {
  std::vector<double> v;
  if (!readNumbers(text, &v) || v.empty() || v.size() % 6 != 0) return false;
  for (size_t i = 0; i < v.size(); i += 6) {
    for (size_t k = i; k < i + 6; ++k) {
      if (!std::isfinite(v[k])) return false;
    }
    segments->push_back({{v[i], v[i + 1]}, {v[i + 2], v[i + 3]}, {v[i + 4], v[i + 5]}});
  }
  return true;
}

// `drawn` (user units) draws `exact` (host points).
bool draws(const std::vector<Segment>& drawn, const std::vector<Segment>& exact, const UserSpace& space) {
  if (drawn.size() != exact.size()) return false;
  for (size_t i = 0; i < drawn.size(); ++i) {
    if (!near(drawn[i].p, user(space, exact[i].p)) || !near(drawn[i].in, user(space, exact[i].in)) ||
        !near(drawn[i].out, user(space, exact[i].out))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string pathData(const std::vector<Segment>& segments, bool closed, const UserSpace& space) {
  std::string d;
  if (segments.empty()) return d;
  d += "M ";
  appendPoint(&d, user(space, segments[0].p));
  const size_t count = segments.size() + (closed ? 1 : 0);
  for (size_t i = 1; i < count; ++i) {
    const Segment& from = segments[i - 1];
    const Segment& to = segments[i % segments.size()];
    d += " C ";
    appendPoint(&d, user(space, from.out));
    d += ' ';
    appendPoint(&d, user(space, to.in));
    d += ' ';
    appendPoint(&d, user(space, to.p));
  }
  if (closed) d += " Z";
  return d;
}

std::string segmentsText(const std::vector<Segment>& segments) {
  std::string text;
  for (const Segment& s : segments) {
    for (const Point p : {s.p, s.in, s.out}) {
      if (!text.empty()) text += ' ';
      text += formatNumber(p.x) + ' ' + formatNumber(p.y);
    }
  }
  return text;
}

bool readHostSegments(std::string_view d, std::string_view segments, const UserSpace& space, Object* path) {
  SegmentCollector drawn;
  walkPath(d, &drawn);
  if (!drawn.usable || drawn.segments.empty()) return false;
  path->closed = drawn.closed;
  std::vector<Segment> exact;
  if (readExact(segments, &exact) && draws(drawn.segments, exact, space)) {
    path->segments = std::move(exact);
    return true;
  }
  path->segments.clear();
  for (const Segment& s : drawn.segments) {
    path->segments.push_back(
        {space.toHost(s.p.x, s.p.y), space.toHost(s.in.x, s.in.y), space.toHost(s.out.x, s.out.y)});
  }
  return true;
}

}  // namespace host::svg
