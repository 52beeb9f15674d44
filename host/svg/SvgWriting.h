// Writing SVG files: a file the host read, given back with only the host's guides and
// layers in it changed, and a new file for a document made in the host.
#ifndef GUIDES_HOST_SVG_SVGWRITING_H
#define GUIDES_HOST_SVG_SVGWRITING_H

#include <string>
#include <vector>

#include "svg/SvgDocument.h"

namespace host::svg {

// What the host has to write into a file.
struct SaveContent {
  // The guide lines the host laid, in any number: one guide is written per distinct line.
  std::vector<Guide> guides;
  // The layers the host made (writtenByHost), top first; their objects are Kind::Path, or
  // Kind::Group holding them.
  std::vector<Layer> layers;
  // Art the host made on a layer read from the file (index into SvgDocument::layers).
  struct Added {
    size_t layer = 0;
    std::vector<Object> objects;  // top first, Kind::Path or Kind::Group holding them
  };
  std::vector<Added> added;
};

// The bytes read, with the previous save's guides and layers replaced by these; every other
// byte is unchanged.
std::string writeBack(const SvgDocument& read, const SaveContent& content);

// A new file: the pages (host points) as Inkscape pages, user units of one point, the
// ruler unit as the document's unit, the host's layers and guides as writeBack writes them.
std::string writeNew(const std::vector<Page>& pages, const std::string& documentUnit,
                     const SaveContent& content);

}  // namespace host::svg

#endif
