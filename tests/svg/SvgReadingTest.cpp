// What the host sees of an SVG file: pages and units, layers, objects' geometric bounds,
// the user's guides and what a previous save of the host wrote.
#include <gtest/gtest.h>

#include <cmath>

#include "SvgFixture.h"

namespace svgtest {
namespace {

// 210 × 297 mm, a user unit of 2 mm (5.669291338582678 pt), the viewBox offset by (10, 20).
const std::string kMillimetres = "width=\"210mm\" height=\"297mm\" viewBox=\"10 20 105 148.5\"";

// The page and a rectangle "r" in host points, for each way a file gives its size.
TEST(SvgPages, TheRootsSizeAndViewBoxGiveOnePageOfPoints) {
  const struct { std::string root, rect; Box page, r; double tolerance; } cases[] = {
      // A viewBox in millimetres offset from the origin.
      {kMillimetres, "x=\"20\" y=\"30\" width=\"10\" height=\"5\"", {0, 841.8897637795277, 595.2755905511812, 0},
       {56.69291338582678, 785.1968503937009, 113.38582677165356, 756.8503937007874}, 1e-9},
      // Pixels with no viewBox are three quarters of a point.
      {"width=\"200\" height=\"100\"", "x=\"10\" y=\"10\" width=\"20\" height=\"10\"", {0, 75, 150, 0},
       {7.5, 67.5, 22.5, 60}, 0},
      // A viewBox of the same number of points: exactly one point a user unit.
      {"width=\"612pt\" height=\"792pt\" viewBox=\"0 0 612 792\"", "x=\"0.1\" width=\"10\" height=\"10\"",
       {0, 792, 612, 0}, {0.1, 792, 10.1, 782}, 0},
      // A viewBox of another shape is centred and meets the page, unless told not to keep it.
      {"width=\"200pt\" height=\"100pt\" viewBox=\"0 0 100 100\"", "width=\"10\" height=\"10\"", {0, 100, 200, 0},
       {50, 100, 60, 90}, 1e-12},
      {"width=\"200pt\" height=\"100pt\" viewBox=\"0 0 100 100\" preserveAspectRatio=\"none\"",
       "width=\"10\" height=\"10\"", {0, 100, 200, 0}, {0, 100, 20, 90}, 1e-12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.root);
    const SvgDocument document = read(svgFile(c.root, "<rect id=\"r\" " + c.rect + "/>"));
    ASSERT_EQ(document.pages.size(), 1u);
    EXPECT_BOX_NEAR(document.pages[0].bounds, c.page.left, c.page.top, c.page.right, c.page.bottom, c.tolerance);
    EXPECT_BOX_NEAR(object(document, "r").bounds, c.r.left, c.r.top, c.r.right, c.r.bottom, c.tolerance);
  }
}

TEST(SvgPages, InkscapePagesAreArtboardsInOrderFromTheFirstPagesCorner) {
  const SvgDocument document =
      read(svgFile("width=\"200pt\" height=\"50pt\" viewBox=\"0 0 200 50\"",
                   "<sodipodi:namedview inkscape:document-units=\"mm\">"
                   "<inkscape:page x=\"20\" y=\"0\" width=\"100\" height=\"50\" inkscape:label=\"Front\"/>"
                   "<inkscape:page x=\"140\" y=\"10\" width=\"50\" height=\"40\"/></sodipodi:namedview>"));
  ASSERT_EQ(document.pages.size(), 2u);
  EXPECT_BOX_NEAR(document.pages[0].bounds, 0, 50, 100, 0, 0);
  EXPECT_EQ(document.pages[0].label, "Front");
  EXPECT_BOX_NEAR(document.pages[1].bounds, 120, 40, 170, 0, 0);
  EXPECT_EQ(document.documentUnit, "mm");
}

TEST(SvgLayers, InkscapeLayersComeTopFirstWithTheirFlagsAndLooseContentHasALayerOfItsOwn) {
  const SvgDocument document = read(svgFile(
      "width=\"100\" height=\"100\"",
      "<rect id=\"loose\" width=\"1\" height=\"1\"/>"
      "<g inkscape:groupmode=\"layer\" inkscape:label=\"Back\" sodipodi:insensitive=\"true\"><rect id=\"a\" "
      "width=\"1\" height=\"1\"/></g>"
      "<g inkscape:groupmode=\"layer\" id=\"front\" style=\"opacity:1;display:none\">"
      "<g inkscape:groupmode=\"layer\" inkscape:label=\"Sub\"><rect id=\"b\" width=\"1\" height=\"1\"/></g></g>"));
  ASSERT_EQ(document.layers.size(), 3u);
  EXPECT_EQ(document.layers[0].title, "front");
  EXPECT_TRUE(document.layers[0].hidden);
  EXPECT_FALSE(document.layers[0].locked);
  EXPECT_EQ(document.layers[0].objects[0].kind, Object::Kind::Group);  // a sublayer is a group
  EXPECT_EQ(document.layers[0].objects[0].label, "Sub");
  EXPECT_EQ(document.layers[1].title, "Back");
  EXPECT_TRUE(document.layers[1].locked);
  EXPECT_FALSE(document.layers[1].hidden);
  EXPECT_EQ(document.layers[2].objects[0].id, "loose");
  EXPECT_EQ(document.layers[2].insertAt, std::string::npos);
}

TEST(SvgBounds, CurvesAreBoundedAtTheirExtremaNotTheirControlPoints) {
  const SvgDocument document =
      read(svgFile("width=\"100pt\" height=\"100pt\" viewBox=\"0 0 100 100\"",
                   "<path id=\"cubic\" d=\"M 0 0 C 0 100 100 100 100 0\"/>"
                   "<path id=\"arc\" d=\"m 0 50 a 50 50 0 0 1 100 0\"/>"
                   "<path id=\"quadratic\" d=\"M 0 0 Q 50 100 100 0 T 200 0\"/>"
                   "<ellipse id=\"turned\" cx=\"0\" cy=\"0\" rx=\"20\" ry=\"10\" transform=\"rotate(90)\"/>"
                   "<path id=\"smooth\" d=\"M0,0 S 50,100 100,0 h 10 v -20 z\"/>"));
  EXPECT_BOX_NEAR(object(document, "cubic").bounds, 0, 100, 100, 25, 1e-12);
  EXPECT_BOX_NEAR(object(document, "arc").bounds, 0, 100, 100, 50, 1e-12);
  EXPECT_BOX_NEAR(object(document, "quadratic").bounds, 0, 150, 200, 50, 1e-12);
  EXPECT_BOX_NEAR(object(document, "turned").bounds, -10, 120, 10, 80, 1e-12);
  // S with no curve before it: its first control point is the current point.
  EXPECT_BOX_NEAR(object(document, "smooth").bounds, 0, 120, 110, 100 - 400.0 / 9, 1e-12);
}

TEST(SvgBounds, GroupsHoldTheirChildrenUnderNestedTransformsAndLeaveHiddenOnesOut) {
  const SvgDocument document =
      read(svgFile("width=\"100pt\" height=\"100pt\" viewBox=\"0 0 100 100\"",
                   "<g id=\"outer\" transform=\"translate(10,20)\"><g id=\"inner\" transform=\"scale(2) rotate(90)\">"
                   "<rect id=\"r\" x=\"0\" y=\"0\" width=\"10\" height=\"5\"/><rect id=\"hidden\" display=\"none\" "
                   "width=\"90\" height=\"90\"/>"
                   "</g><line id=\"l\" x1=\"0\" y1=\"0\" x2=\"5\" y2=\"5\"/></g>"));
  // rotate(90) takes (x, y) to (-y, x); scale(2) doubles; translate moves by (10, 20).
  EXPECT_BOX_NEAR(object(document, "r").bounds, 0, 80, 10, 60, 1e-12);
  EXPECT_BOX_NEAR(object(document, "outer").bounds, 0, 80, 15, 60, 1e-12);
  EXPECT_EQ(object(document, "outer").children.size(), 2u);
  EXPECT_EQ(object(document, "outer").children[0].id, "l");  // top first
  EXPECT_TRUE(object(document, "hidden").hidden);
}

TEST(SvgBounds, UseTextAndPercentagesAreMeasured) {
  const SvgDocument document = read(
      svgFile("width=\"200pt\" height=\"100pt\" viewBox=\"0 0 200 100\"",
              "<defs><rect id=\"proto\" width=\"10\" height=\"20\"/></defs>"
              "<use id=\"clone\" xlink:href=\"#proto\" x=\"100\" y=\"10\" transform=\"rotate(90)\"/>"
              "<rect id=\"half\" x=\"10%\" y=\"0\" width=\"50%\" height=\"10\"/>"
              "<text id=\"words\" x=\"10\" y=\"50\" style=\"font-family:DejaVu Sans;font-size:20px\">Hello</text>"));
  EXPECT_BOX_NEAR(object(document, "clone").bounds, -30, 0, -10, -10, 1e-12);
  EXPECT_BOX_NEAR(object(document, "half").bounds, 20, 100, 120, 90, 1e-3);
  const Box& words = object(document, "words").bounds;
  // The glyphs' outlines: within the line, on the baseline (y = 50).
  EXPECT_GT(words.left, 10);
  EXPECT_LT(words.left, 12);
  EXPECT_NEAR(words.bottom, 50, 0.5);
  EXPECT_GT(words.top, 60);
  EXPECT_GT(words.right, 50);
}

TEST(SvgGuides, UserGuidesAreReadInHostPointsWithTheirDirection) {
  const SvgDocument document = read(
      svgFile(kMillimetres,
              "<sodipodi:namedview><sodipodi:guide position=\"10,138.5\" orientation=\"1,0\" inkscape:label=\"left\"/>"
              "<sodipodi:guide position=\"10,133.5\" orientation=\"0,-75.5\"/>"
              "<sodipodi:guide position=\"0,0\" orientation=\"1,1\"/></sodipodi:namedview>"));
  ASSERT_EQ(document.userGuides.size(), 3u);
  EXPECT_NEAR(document.userGuides[0].point.x, 56.69291338582678, 1e-9);
  EXPECT_EQ(document.userGuides[0].direction.x, 0);
  EXPECT_EQ(document.userGuides[0].direction.y, 1);
  EXPECT_EQ(document.userGuides[0].label, "left");
  EXPECT_NEAR(document.userGuides[1].point.y, 756.8503937007874, 1e-9);
  EXPECT_EQ(document.userGuides[1].direction.x, 1);
  EXPECT_EQ(document.userGuides[1].direction.y, 0);
  EXPECT_NEAR(document.userGuides[2].direction.x, std::sqrt(0.5), 1e-15);
  EXPECT_NEAR(document.userGuides[2].direction.y, -std::sqrt(0.5), 1e-15);
  EXPECT_TRUE(document.hostWritten.empty());
}

TEST(SvgHostMarks, WhatTheHostWroteIsToldApartAndReadAsTheHostHadIt) {
  const std::string bytes = svgFile(
      "width=\"100pt\" height=\"100pt\" viewBox=\"0 0 100 100\"",
      "<sodipodi:namedview>\n<sodipodi:guide position=\"5,5\" orientation=\"1,0\" inkscape:color=\"#00b4ff\"/>\n"
      "</sodipodi:namedview>\n<g xmlns:host=\"urn:x-drawing-host:svg\" inkscape:groupmode=\"layer\" "
      "inkscape:label=\"Host\""
      " host:written=\"layer\" host:hidden=\"false\" host:locked=\"true\" style=\"display:none\">"
      "<path d=\"M 0,100 C 0,100 10,90 10,90\" host:written=\"path\" host:guide=\"true\" host:segments=\"0 0 0 0 0 0 "
      "10 10 10 10 10 10\"/>"
      "</g>");
  const SvgDocument document = read(bytes);
  EXPECT_TRUE(document.userGuides.empty());
  ASSERT_EQ(document.hostGuides.size(), 1u);
  ASSERT_EQ(document.hostWritten.size(), 2u);
  EXPECT_EQ(bytes.substr(document.hostWritten[0].begin, document.hostWritten[0].end - document.hostWritten[0].begin),
            "\n<sodipodi:guide position=\"5,5\" orientation=\"1,0\" inkscape:color=\"#00b4ff\"/>");
  const Layer& layer = document.layers[0];
  EXPECT_TRUE(layer.writtenByHost);
  EXPECT_FALSE(layer.hidden);
  EXPECT_TRUE(layer.locked);
  const Object& path = layer.objects[0];
  EXPECT_EQ(path.kind, Object::Kind::Path);
  EXPECT_TRUE(path.guide);
  ASSERT_EQ(path.segments.size(), 2u);
  EXPECT_EQ(path.segments[1].p.x, 10);
  EXPECT_EQ(path.segments[1].p.y, 10);
}

}  // namespace
}  // namespace svgtest
