// Where an element ends in the file's bytes, found from where it starts (pugixml gives
// element starts only): a scanner that knows comments, CDATA sections, processing
// instructions and quoted attribute values, and nothing else of XML.
#ifndef GUIDES_HOST_SVG_ELEMENTEXTENT_H
#define GUIDES_HOST_SVG_ELEMENTEXTENT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace host::svg {

struct ElementExtent {
  size_t startTagEnd = 0;  // just past the start tag's '>'
  size_t endTagBegin = 0;  // the end tag's '<'; for an empty element "<x/>", its "/>"
  size_t end = 0;          // just past the element
  bool empty = false;      // written "<x .../>"
};

// `begin` is the element's '<'. False when the bytes end before the element does.
bool findExtent(std::string_view bytes, size_t begin, ElementExtent* extent);

}  // namespace host::svg

#endif
