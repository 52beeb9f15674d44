// An SVG file as the host sees it: its pages, layers and objects in host coordinates
// (points, y upwards, the first page's bottom-left corner at (0, 0)), the user's own guides,
// and the places in the file's bytes that a save changes. This folder knows nothing of the
// host's model: the document files of app/ map this description to and from it.
#ifndef GUIDES_HOST_SVG_SVGDOCUMENT_H
#define GUIDES_HOST_SVG_SVGDOCUMENT_H

#include <cstddef>
#include <string>
#include <vector>

namespace host::svg {

struct Point {
  double x = 0;
  double y = 0;
};

// Host points, y upwards: top >= bottom.
struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// An anchor point and its two handles, host points.
struct Segment {
  Point p, in, out;
};

// The one place where the file's user units become host points and back:
//   host.x = (user.x - originX) * scaleX,  host.y = (originY - user.y) * scaleY
// where (originX, originY) is the first page's bottom-left corner in user units and the
// scales are the points one user unit measures once the root's width, height and viewBox
// are applied.
struct UserSpace {
  double originX = 0;
  double originY = 0;
  double scaleX = 1;
  double scaleY = 1;

  Point toHost(double userX, double userY) const {
    return {(userX - originX) * scaleX, (originY - userY) * scaleY};
  }
  Point toUser(Point host) const { return {host.x / scaleX + originX, originY - host.y / scaleY}; }
};

// Where Inkscape's guides are, from host points: a guide's `position` is counted in user
// units from the bottom-left corner of the root's viewBox, y upwards (the root's viewport
// when there is no viewBox), and scaled the way Inkscape scales it when the viewBox and the
// root's width and height differ in proportion:
//   position.x = host.x * scaleX + offsetX,  position.y = host.y * scaleY + offsetY
// Its `orientation` is the line's normal in host directions (Inkscape's document pixels,
// y upwards), which no scale of the viewBox changes.
struct GuideSpace {
  double offsetX = 0;
  double offsetY = 0;
  double scaleX = 1;
  double scaleY = 1;

  Point toPosition(Point host) const { return {host.x * scaleX + offsetX, host.y * scaleY + offsetY}; }
  Point toHost(Point position) const {
    return {(position.x - offsetX) / scaleX, (position.y - offsetY) / scaleY};
  }
};

struct Page {
  Box bounds;
  std::string label;  // inkscape:label of the page, empty when none
};

// One object: a group with its children, a drawable element (a shape, text, an image, a
// `use`: its geometric bounds), or a path the host wrote itself (its exact segments).
struct Object {
  enum class Kind { Group, Shape, Path };
  Kind kind = Kind::Shape;
  std::string id;     // the element's id, empty when none
  std::string label;  // inkscape:label, empty when none
  bool hidden = false;
  bool locked = false;
  Box bounds;              // geometric bounds (no stroke), host points
  bool hasBounds = false;  // false for an element that draws nothing
  // Kind::Path only: written by the host, read back exactly.
  std::vector<Segment> segments;
  bool closed = false;
  bool guide = false;
  std::vector<Object> children;  // Kind::Group only, top first
  // A group or path a save of the host added to a layer of the file: the next save removes
  // it and writes it again from what the host then holds.
  bool writtenByHost = false;
};

struct Layer {
  std::string title;  // inkscape:label, else the id
  bool hidden = false;
  bool locked = false;
  // A layer the host wrote: hidden and locked for other programs when it holds only guides,
  // read back as the host had it (the flags above are the host's).
  bool writtenByHost = false;
  std::vector<Object> objects;  // top first
  // Where art the host adds to this layer is written: just before its end tag. For the one
  // layer made of content outside any layer, npos (such art goes into a layer of its own).
  size_t insertAt = std::string::npos;
};

// A straight guide line through `point` along `direction` (a unit vector), host points.
struct Guide {
  Point point;
  Point direction;
  std::string label;
};

// [begin, end) in the file's bytes.
struct Span {
  size_t begin = 0;
  size_t end = 0;
};

struct SvgDocument {
  std::string bytes;  // the file as read
  UserSpace space;
  GuideSpace guideSpace;
  std::vector<Page> pages;  // at least one, in order
  Box viewport;  // what a browser draws of the file (the root's viewport), host points
  std::string documentUnit;  // inkscape:document-units ("mm", "pt", ...), empty when none
  std::vector<Layer> layers;  // top first
  std::vector<Guide> userGuides;  // the user's own guides: shown, kept, never touched
  std::vector<Guide> hostGuides;  // the guides a previous save of the host wrote (their lines
                                  // also come back as the guide paths of its layers)

  // What a save changes in `bytes`, nothing else:
  std::vector<Span> hostWritten;  // the guides and layers a previous save wrote: removed
  size_t guidesAt = std::string::npos;  // inside sodipodi:namedview, before its end tag;
                                        // npos when the file has none
  size_t namedViewAt = 0;  // where a sodipodi:namedview goes when there is none
  size_t layersAt = 0;     // where the host's layers go: before the root's end tag
  // The namedview's and the root's names as written ("sodipodi:namedview", "svg"). When
  // either is an empty element ("<sodipodi:namedview .../>"), guidesAt or layersAt is at
  // its "/>", which a save that puts something in it turns into ">...</name>".
  std::string namedViewName;
  std::string rootName = "svg";
  // The prefixes the root gives Inkscape's, Sodipodi's and the host's namespaces (the usual
  // ones unless it gives those to others): a save writes with these, so that what it wrote
  // is read again under the same names.
  std::string inkscapePrefix = "inkscape";
  std::string sodipodiPrefix = "sodipodi";
  std::string hostPrefix = "host";
};

}  // namespace host::svg

#endif
