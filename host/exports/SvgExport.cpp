#include <algorithm>
#include <vector>

#include "exports/Exports.h"
#include "kit/Cursor.h"
#include "model/ArtWalk.h"
#include "model/NumberText.h"
#include "model/Shell.h"
#include "model/ViewGeometry.h"
#include "session/Quoting.h"

namespace host {

namespace {

constexpr double kMargin = 20;

// The page reads with y downwards: artwork y becomes -y (0 stays 0, not -0).
double flipped(double v) { return v == 0 ? 0.0 : -v; }

void appendPoint(std::string& out, AIRealPoint p) {
  appendNumber(out, p.h);
  out += ' ';
  appendNumber(out, flipped(p.v));
}

bool isCorner(AIRealPoint handle, AIRealPoint anchor) {
  return handle.h == anchor.h && handle.v == anchor.v;
}

// One step of the outline: a line when both handles sit on their anchors, else a curve.
void appendStep(std::string& out, const AIPathSegment& from, const AIPathSegment& to) {
  if (isCorner(from.out, from.p) && isCorner(to.in, to.p)) {
    out += " L ";
  } else {
    out += " C ";
    appendPoint(out, from.out);
    out += ' ';
    appendPoint(out, to.in);
    out += ' ';
  }
  appendPoint(out, to.p);
}

std::string pathData(const Art& art) {
  std::string d = "M ";
  appendPoint(d, art.segments.front().p);
  for (size_t i = 1; i < art.segments.size(); ++i)
    appendStep(d, art.segments[i - 1], art.segments[i]);
  if (art.closed) {
    // Z draws the closing line itself; only a closing curve is written out.
    const AIPathSegment& last = art.segments.back();
    const AIPathSegment& first = art.segments.front();
    if (art.segments.size() > 1 && !(isCorner(last.out, last.p) && isCorner(first.in, first.p)))
      appendStep(d, last, first);
    d += " Z";
  }
  return d;
}

// Hidden art, or art inside a hidden group, is not drawn.
bool isShown(const ArtTree& arts, uint32_t slot) {
  for (; slot != kNoSlot; slot = arts.at(slot).parent)
    if (arts.at(slot).userAttributes & kArtHidden) return false;
  return true;
}

struct Extent {
  double left = 0, top = 0, right = 0, bottom = 0;
  bool empty = true;
  void add(double h, double v) {
    if (empty) {
      left = right = h;
      top = bottom = v;
      empty = false;
      return;
    }
    left = std::min(left, h);
    right = std::max(right, h);
    top = std::max(top, v);
    bottom = std::min(bottom, v);
  }
};

// Overlay texts are drawn at this many view pixels high.
constexpr double kOverlayFontPixels = 12;

std::string colorText(AIRGBColor c) {
  return "rgb(" + std::to_string(c.red / 257) + "," + std::to_string(c.green / 257) + "," +
         std::to_string(c.blue / 257) + ")";
}

void appendViewPoint(std::string& out, const View& view, AIPoint p, const char* x, const char* y) {
  const AIRealPoint at = viewToArtwork(view, p);
  out += std::string(" ") + x + "=\"" + numberText(at.h) + "\" " + y + "=\"" + numberText(flipped(at.v)) + "\"";
}

// What the annotators drew in the last frame, at its place over the artwork.
std::string overlaySvg(const View& view) {
  std::string out = "<g id=\"overlay\">\n";
  for (const OverlayItem& item : shell().ui.annotations.overlay()) {
    if (item.kind == OverlayItem::Kind::Text) {
      out += "<text";
      appendViewPoint(out, view, item.start, "x", "y");
      out += " font-size=\"" + numberText(kOverlayFontPixels / view.zoom) + "\" fill=\"" +
             colorText(item.color) + "\">" + xmlEscaped(item.text) + "</text>\n";
    } else {
      out += "<line";
      appendViewPoint(out, view, item.start, "x1", "y1");
      appendViewPoint(out, view, item.end, "x2", "y2");
      out += " stroke=\"" + colorText(item.color) + "\" stroke-width=\"" +
             numberText(item.lineWidth / view.zoom) + "\"";
      if (item.dashed) out += " stroke-dasharray=\"" + numberText(3 / view.zoom) + "\"";
      out += "/>\n";
    }
  }
  return out + "</g>\n";
}

// The cursor at the last cursor position, its hot spot on the point, one image pixel a
// view pixel; a built-in cursor is drawn as a plain arrow.
std::string cursorSvg(const View& view) {
  const AIRealPoint at = shell().ui.cursorPosition;
  const kit::Cursor* cursor = kit::Cursor::currentCursor();
  const double pixel = 1 / view.zoom;
  std::string out = "<g id=\"cursor\">\n";
  if (!cursor || !cursor->name().empty()) {
    const auto point = [&](double dx, double dy) {
      return numberText(at.h + dx * pixel) + "," + numberText(flipped(at.v) + dy * pixel);
    };
    out += "<polygon points=\"" + point(0, 0) + " " + point(0, 16) + " " + point(4, 12) + " " +
           point(10, 12) + "\" fill=\"black\" stroke=\"white\" stroke-width=\"" + numberText(pixel) +
           "\"><title>" + (cursor ? cursor->name() : std::string("arrow")) + "</title></polygon>\n";
    return out + "</g>\n";
  }
  const kit::Image& image = cursor->image();
  const kit::Point hot = cursor->hotSpot();
  for (int row = 0; row < image.pixelsHigh(); ++row) {
    for (int x = 0; x < image.pixelsWide(); ++x) {
      const kit::Pixel p = image.pixelAt(x, image.pixelsHigh() - 1 - row);
      if (p.a == 0) continue;
      out += "<rect x=\"" + numberText(at.h + (x - hot.x) * pixel) + "\" y=\"" +
             numberText(flipped(at.v) + (row - hot.y) * pixel) + "\" width=\"" + numberText(pixel) +
             "\" height=\"" + numberText(pixel) + "\" fill=\"rgb(" + std::to_string(p.r) + "," +
             std::to_string(p.g) + "," + std::to_string(p.b) + ")\"/>\n";
    }
  }
  return out + "</g>\n";
}

}  // namespace

std::string documentSvg(const Model& model) {
  const Document& document = *model.front();
  const ArtTree& arts = model.arts();

  // Visible paths, front first as the walk finds them; drawn back to front.
  std::vector<const Art*> paths;
  std::vector<const Art*> guides;
  Extent extent;
  for (const Artboard& artboard : document.artboards) {
    extent.add(artboard.rect.left, artboard.rect.top);
    extent.add(artboard.rect.right, artboard.rect.bottom);
  }
  walkFrontDocument(model, [&](const std::string&, uint32_t slot, const Art& art) {
    if (art.type != kPathArt || art.segments.empty() || !isShown(arts, slot)) return;
    if (!model.findLayer(art.layer)->visible) return;
    (art.guide ? guides : paths).push_back(&art);
    for (const AIPathSegment& s : art.segments) extent.add(s.p.h, s.p.v);
  });

  const double x = extent.left - kMargin;
  const double y = flipped(extent.top) - kMargin;
  const double width = extent.right - extent.left + 2 * kMargin;
  const double height = extent.top - extent.bottom + 2 * kMargin;
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" + numberText(x) + " " +
         numberText(y) + " " + numberText(width) + " " + numberText(height) + "\" width=\"" +
         numberText(width) + "\" height=\"" + numberText(height) + "\">\n";
  out += "<title>" + xmlEscaped(document.name) + "</title>\n";
  out += "<rect x=\"" + numberText(x) + "\" y=\"" + numberText(y) + "\" width=\"" +
         numberText(width) + "\" height=\"" + numberText(height) + "\" fill=\"#e8e8e8\"/>\n";

  out += "<g id=\"artboards\" fill=\"white\" stroke=\"#999999\" stroke-width=\"0.5\">\n";
  for (const Artboard& artboard : document.artboards) {
    const AIRealRect& r = artboard.rect;
    out += "<rect x=\"" + numberText(r.left) + "\" y=\"" + numberText(flipped(r.top)) +
           "\" width=\"" + numberText(double{r.right} - r.left) + "\" height=\"" +
           numberText(double{r.top} - r.bottom) + "\"><title>" + xmlEscaped(artboard.name) +
           "</title></rect>\n";
  }
  out += "</g>\n";

  out += "<g id=\"art\" fill=\"none\" stroke=\"black\" stroke-width=\"1\">\n";
  for (auto art = paths.rbegin(); art != paths.rend(); ++art)
    out += "<path d=\"" + pathData(**art) + "\"/>\n";
  out += "</g>\n";

  out += "<g id=\"guides\" fill=\"none\" stroke=\"#00bfff\" stroke-width=\"0.5\">\n";
  for (auto guide = guides.rbegin(); guide != guides.rend(); ++guide)
    out += "<path d=\"" + pathData(**guide) + "\"/>\n";
  out += "</g>\n";
  out += overlaySvg(document.views.front());
  out += cursorSvg(document.views.front());
  out += "</svg>\n";
  return out;
}

}  // namespace host
