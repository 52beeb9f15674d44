// The front document as JSON (the contract other tools read) and as SVG.
#include "AppFixture.h"
#include "exports/Exports.h"

namespace {

// Makes art directly in the model, as a plug-in would through the suites.
host::Ref makePath(host::Ref parent, std::initializer_list<AIPathSegment> segments, const char* name) {
  host::Model& model = host::model();
  host::Ref path;
  EXPECT_EQ(model.newArt(kPathArt, kPlaceInsideOnBottom, parent, &path), kNoErr);
  const std::vector<AIPathSegment> list(segments);
  EXPECT_EQ(model.setPathSegmentCount(path, static_cast<int16_t>(list.size())), kNoErr);
  EXPECT_EQ(model.setPathSegments(path, 0, static_cast<int16_t>(list.size()), list.data()), kNoErr);
  EXPECT_EQ(model.setArtName(path, name), kNoErr);
  return path;
}

AIPathSegment corner(float h, float v) { return AIPathSegment{{h, v}, {h, v}, {h, v}, 1}; }

class ExportTest : public AppTest {
 protected:
  // A guides layer holding groups inside groups, with one guide, and a hidden path.
  void SetUp() override {
    AppTest::SetUp();
    const AIRealRect artboard{0, 842, 595, 0};
    ASSERT_EQ(host::model().newDocument("Mise en \"page\"", {&artboard, 1}), kNoErr);
    host::Model& model = host::model();
    host::Ref layer;
    model.currentLayer(&layer);
    const host::Ref root = model.findLayer(layer)->group;
    const host::Ref outer = newGroup(root, "Repères", kPlaceInsideOnBottom);
    const host::Ref inner = newGroup(outer, "Marges droite1", kPlaceInsideOnBottom);
    guide = makePath(inner, {corner(586.496063f, 842), corner(586.496063f, 0)}, "");
    model.setPathIsGuide(guide, true);
    model.setArtUserAttributes(guide, kArtLocked, kArtLocked);
    newGroup(outer, "vide", kPlaceInsideOnBottom);
    hidden = makePath(root, {corner(10, 10), corner(20, 20)}, "caché");
    model.setArtUserAttributes(hidden, kArtHidden, kArtHidden);
    AIPathSegment curve = corner(100, 100);
    curve.out = AIRealPoint{110, 120};
    makePath(root, {curve, corner(200, 100)}, "courbe");
  }
  host::Ref guide, hidden;
};

}  // namespace

TEST_F(ExportTest, JsonHoldsTheWholeTreeWithExactNumbers) {
  EXPECT_EQ(host::documentJson(host::model()),
            R"({
  "name": "Mise en \"page\"",
  "rulerUnit": 3,
  "activeArtboard": 0,
  "artboards": [
    {"name": "Plan de travail 1", "rect": [0, 842, 595, 0]}
  ],
  "layers": [
    {"title": "Calque 1", "editable": true, "visible": true, "art": [
      {"type": "group", "name": "Repères", "locked": false, "hidden": false, "children": [
        {"type": "group", "name": "Marges droite1", "locked": false, "hidden": false, "children": [
          {"type": "path", "name": "", "locked": true, "hidden": false, "guide": true, "closed": false, "points": [[586.4960327148438, 842], [586.4960327148438, 0]]}
        ]},
        {"type": "group", "name": "vide", "locked": false, "hidden": false, "children": []}
      ]},
      {"type": "path", "name": "caché", "locked": false, "hidden": true, "guide": false, "closed": false, "points": [[10, 10], [20, 20]]},
      {"type": "path", "name": "courbe", "locked": false, "hidden": false, "guide": false, "closed": false, "points": [[100, 100], [200, 100]]}
    ]}
  ]
}
)");
}

TEST_F(ExportTest, SvgDrawsThePageTheRightWayUpWithGuidesOnTopAndHiddenArtLeftOut) {
  const std::string svg = host::documentSvg(host::model());
  EXPECT_NE(svg.find(R"(<rect x="0" y="-842" width="595" height="842"><title>Plan de travail 1</title></rect>)"),
            std::string::npos);
  EXPECT_NE(svg.find("<title>Mise en &quot;page&quot;</title>"), std::string::npos);
  EXPECT_NE(svg.find(R"(<path d="M 100 -100 C 110 -120 200 -100 200 -100"/>)"), std::string::npos);
  const size_t line = svg.find(R"(<path d="M 586.4960327148438 -842 L 586.4960327148438 0"/>)");
  EXPECT_NE(line, std::string::npos);
  EXPECT_LT(svg.find(R"(<g id="guides")"), line);
  EXPECT_EQ(svg.find("M 10 -10"), std::string::npos);

  // A layer that is not visible draws nothing.
  host::Ref layer;
  host::model().currentLayer(&layer);
  host::model().setLayerVisible(layer, false);
  EXPECT_EQ(host::documentSvg(host::model()).find("<path"), std::string::npos);
}
