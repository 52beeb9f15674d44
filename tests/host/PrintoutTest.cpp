// The printouts of a document and the number writer they use.
#include "HostFixture.h"
#include "model/NumberText.h"

namespace {

TEST(NumberText, WritesTheShortestDecimalOfTheStoredValue) {
  EXPECT_EQ(host::numberText(586.4960327148438f), "586.4960327148438");
  EXPECT_EQ(host::numberText(8.503937244415283f), "8.503936767578125");
  EXPECT_EQ(host::numberText(842.0f), "842");
  EXPECT_EQ(host::numberText(-0.5f), "-0.5");
  EXPECT_EQ(host::numberText(0.0), "0");
  EXPECT_EQ(host::numberText(0.1), "0.1");
}

class Printouts : public HostTest {
 protected:
  // The structure the guides plug-in makes: a layer, a parent group, kind groups, guides.
  void SetUp() override {
    HostTest::SetUp();
    testhost::addLayer("Ralto-Guides");
    AIArtHandle parent = newGroup(nullptr, "Repères");
    AIArtHandle margin = newGroup(parent, "Marges droite1");
    AIArtHandle guide = newPath(margin, {{586.4960327148438f, 842}, {586.4960327148438f, 0}});
    path->SetPathIsGuide(guide, 1);
    art->SetArtUserAttr(guide, kArtLocked, kArtLocked);
    AIArtHandle columns = newGroup(parent, "Colonnes1");
    for (float x : {300.3346252441406f, 294.66534423828125f}) {
      AIArtHandle g = newPath(columns, {{x, 833.4960327148438f}, {x, 8.503936767578125f}});
      path->SetPathIsGuide(g, 1);
    }
  }
};

TEST_F(Printouts, GuideLinesListGuidesFrontToBackWithTheirGroups) {
  testhost::setCurrentLayer("Calque 1");
  testhost::addRect(AIRealRect{0, 10, 10, 0}, "not a guide");
  EXPECT_EQ(
      testhost::guideLines(),
      (std::vector<std::string>{
          "Ralto-Guides/Repères/Colonnes1 294.66534423828125 833.4960327148438 294.66534423828125 "
          "8.503936767578125 unlocked",
          "Ralto-Guides/Repères/Colonnes1 300.3346252441406 833.4960327148438 300.3346252441406 "
          "8.503936767578125 unlocked",
          "Ralto-Guides/Repères/Marges droite1 586.4960327148438 842 586.4960327148438 0 locked",
      }));
}

TEST_F(Printouts, ArtLinesListEveryArtWithItsKindAndSize) {
  AIArtHandle unnamed = newArt(kGroupArt, kPlaceBelowAll);
  newPath(unnamed, {{0, 0}, {1, 1}, {2, 2}});
  testhost::setCurrentLayer("Calque 1");
  testhost::addRect(AIRealRect{0, 10, 10, 0}, "Cadre");
  EXPECT_EQ(testhost::artLines(), (std::vector<std::string>{
                                      "Ralto-Guides/Repères group 2",
                                      "Ralto-Guides/Repères/Colonnes1 group 2",
                                      "Ralto-Guides/Repères/Colonnes1/<unnamed> path 2 guide",
                                      "Ralto-Guides/Repères/Colonnes1/<unnamed> path 2 guide",
                                      "Ralto-Guides/Repères/Marges droite1 group 1",
                                      "Ralto-Guides/Repères/Marges droite1/<unnamed> path 2 guide",
                                      "Ralto-Guides/<unnamed> group 1",
                                      "Ralto-Guides/<unnamed>/<unnamed> path 3",
                                      "Calque 1/Cadre path 4",
                                  }));
}

TEST_F(Printouts, OnlyTheFrontDocumentIsPrinted) {
  testhost::newDocument(100, 100);
  EXPECT_EQ(testhost::guideLines(), std::vector<std::string>{});
  EXPECT_EQ(testhost::artLines(), std::vector<std::string>{});
  testhost::bringDocumentToFront(0);
  EXPECT_EQ(testhost::guideLines().size(), 3u);
}

}  // namespace
