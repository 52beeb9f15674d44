// What the host reads of an SVG file and what it saves, for the checks against Inkscape
// (inkscape_checks.py):
//   svg_dump bounds FILE           every object's bounds, host points: "object ID L T R B",
//                                  after "viewport L T" (the viewport's top-left corner)
//   svg_dump guides FILE OUT ID... FILE saved to OUT with guides on the four sides of each
//                                  object; prints them: "guide X Y DX DY"
//   svg_dump new OUT               a new file of two pages with guides, a layer and a path
#include <cstdio>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "svg/RootGeometry.h"
#include "svg/SvgReading.h"
#include "svg/SvgWriting.h"

using namespace host::svg;

namespace {

void printObjects(const std::vector<Object>& objects, bool hiddenAbove) {
  for (const Object& o : objects) {
    const bool hidden = hiddenAbove || o.hidden;
    if (o.hasBounds && !o.id.empty() && !hidden) {
      std::printf("object %s %.17g %.17g %.17g %.17g\n", o.id.c_str(), o.bounds.left, o.bounds.top, o.bounds.right,
                  o.bounds.bottom);
    }
    printObjects(o.children, hidden);
  }
}

bool readFile(const char* path, SvgDocument* document) {
  std::string reason;
  if (readSvgFile(path, document, &reason)) return true;
  std::fprintf(stderr, "%s: %s\n", path, reason.c_str());
  return false;
}

int bounds(const char* path) {
  SvgDocument document;
  if (!readFile(path, &document)) return 1;
  pugi::xml_document xml;
  xml.load_string(document.bytes.c_str());
  RootGeometry geometry;
  std::string reason;
  readRootGeometry(xml.document_element(), &geometry, &reason);
  const Point corner = document.space.toHost(geometry.viewport.minX, geometry.viewport.minY);
  std::printf("viewport %.17g %.17g\n", corner.x, corner.y);
  for (const Layer& layer : document.layers) printObjects(layer.objects, layer.hidden);
  return 0;
}

const Object* find(const std::vector<Object>& objects, const std::string& id) {
  for (const Object& o : objects) {
    if (o.id == id) return &o;
    if (const Object* inside = find(o.children, id)) return inside;
  }
  return nullptr;
}

void addSides(const Box& b, SaveContent* content) {
  content->guides.push_back({{b.left, b.bottom}, {0, 1}, "left"});
  content->guides.push_back({{b.right, b.bottom}, {0, 1}, "right"});
  content->guides.push_back({{b.left, b.top}, {1, 0}, "top"});
  content->guides.push_back({{b.left, b.bottom}, {1, 0}, "bottom"});
}

bool write(const char* path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

void printGuides(const std::vector<Guide>& guides) {
  for (const Guide& g : guides) {
    std::printf("guide %.17g %.17g %.17g %.17g\n", g.point.x, g.point.y, g.direction.x, g.direction.y);
  }
}

int guides(const char* path, const char* out, const std::vector<std::string>& ids) {
  SvgDocument document;
  if (!readFile(path, &document)) return 1;
  SaveContent content;
  for (const std::string& id : ids) {
    for (const Layer& layer : document.layers) {
      if (const Object* o = find(layer.objects, id)) addSides(o->bounds, &content);
    }
  }
  printGuides(content.guides);
  return write(out, writeBack(document, content)) ? 0 : 1;
}

int newFile(const char* out) {
  SaveContent content;
  addSides({72, 720, 540, 72}, &content);
  content.guides.push_back({{700, 10}, {0, 1}, "second page"});
  Layer layer;
  layer.title = "Host layer";
  layer.writtenByHost = true;
  Object path;
  path.kind = Object::Kind::Path;
  path.guide = true;
  path.segments = {{{72, 720}, {72, 720}, {72, 720}}, {{540, 720}, {540, 720}, {540, 720}}};
  layer.objects.push_back(path);
  content.layers.push_back(layer);
  printGuides(content.guides);
  return write(out, writeNew({{{0, 792, 612, 0}, "A"}, {{650, 792, 1262, 0}, "B"}}, "mm", content)) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "bounds" && argc == 3) return bounds(argv[2]);
  if (command == "guides" && argc >= 4)
    return guides(argv[2], argv[3], std::vector<std::string>(argv + 4, argv + argc));
  if (command == "new" && argc == 3) return newFile(argv[2]);
  std::fprintf(stderr, "usage: svg_dump bounds FILE | guides FILE OUT ID... | new OUT\n");
  return 2;
}
