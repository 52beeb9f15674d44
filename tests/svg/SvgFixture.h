// Reading SVG text in tests: the document read, an object found by id, a box's sides.
#ifndef GUIDES_TESTS_SVG_SVGFIXTURE_H
#define GUIDES_TESTS_SVG_SVGFIXTURE_H

#include <gtest/gtest.h>

#include <string>

#include "svg/SvgReading.h"

namespace svgtest {

using namespace host::svg;

// The root element of a file that declares Inkscape's namespaces and the given size.
inline std::string svgFile(const std::string& rootAttributes, const std::string& content) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"\n"
         "     xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"\n"
         "     xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\" " +
         rootAttributes + ">\n" + content + "\n</svg>\n";
}

inline SvgDocument read(const std::string& bytes) {
  SvgDocument document;
  std::string reason;
  EXPECT_TRUE(readSvg(bytes, {}, &document, &reason)) << reason;
  return document;
}

inline std::string refusal(const std::string& bytes) {
  SvgDocument document;
  std::string reason;
  EXPECT_FALSE(readSvg(bytes, {}, &document, &reason));
  return reason;
}

inline const Object* find(const std::vector<Object>& objects, const std::string& id) {
  for (const Object& object : objects) {
    if (object.id == id) return &object;
    if (const Object* inside = find(object.children, id)) return inside;
  }
  return nullptr;
}

inline const Object& object(const SvgDocument& document, const std::string& id) {
  for (const Layer& layer : document.layers) {
    if (const Object* found = find(layer.objects, id)) return *found;
  }
  ADD_FAILURE() << "no object " << id;
  static const Object none;
  return none;
}

#define EXPECT_BOX_NEAR(box, l, t, r, b, tolerance) \
  do {                                              \
    EXPECT_NEAR((box).left, l, tolerance);          \
    EXPECT_NEAR((box).top, t, tolerance);           \
    EXPECT_NEAR((box).right, r, tolerance);         \
    EXPECT_NEAR((box).bottom, b, tolerance);        \
  } while (0)

}  // namespace svgtest

#endif
