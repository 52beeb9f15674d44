// The hit test answers from its spatial index exactly what a walk over every art answers:
// random documents (layers, nested groups, curves, guides, hidden and locked art, several
// documents), random edits between the tests, random points on and around the art, with
// and without a tolerance, over the whole document or inside one art.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "TestHost.h"
#include "model/HitTest.h"
#include "model/Model.h"

namespace {

using host::Hit;
using host::Model;
using host::Ref;

// Draws documents and edits from one seed; coordinates lie on a coarse grid so that points
// often fall exactly on outlines, corners and shared edges.
class RandomDocuments {
 public:
  explicit RandomDocuments(uint64_t seed) : random_(seed) {}

  void newDocument() {
    const AIRealRect board{0, 100, 100, 0};
    ASSERT_EQ(model().newDocument("Aléatoire", std::span(&board, 1)), kNoErr);
  }

  // One edit of the front document; refusals (a locked layer, a group where a path is
  // needed) are part of the game and change nothing.
  void edit() {
    switch (below(16)) {
      case 0: case 1: case 2: case 3: newPath(); break;
      case 4: newGroup(); break;
      case 5: case 6: movePath(); break;
      case 7: model().setPathSegmentCount(someArt(), static_cast<int16_t>(below(4))); break;
      case 8: model().disposeArt(someArt()); break;
      case 9: toggle(kArtHidden); break;
      case 10: toggle(kArtLocked); break;
      case 11: model().setPathIsGuide(someArt(), below(3) == 0); break;
      case 12: model().setPathClosed(someArt(), below(2) == 0); break;
      case 13: editLayers(); break;
      case 14: editDocuments(); break;
      default: newPath(someArt(), below(2) ? kPlaceAbove : kPlaceBelow); break;
    }
  }

  AIRealPoint point() {
    const auto coordinate = [&] { return static_cast<AIReal>(below(4) ? grid() : grid() + uniform() * 10); };
    return AIRealPoint{coordinate(), coordinate()};
  }
  double tolerance() {
    static constexpr double kTolerances[] = {0, 0, 0.5, 1, 2.5, 4, 30};
    return kTolerances[below(std::size(kTolerances))];
  }
  // Null most of the time, else some art of the front document (a layer's group too).
  Ref within() {
    if (below(4)) return Ref{};
    if (below(4) == 0) {
      Ref layer;
      if (model().nthLayer(0, &layer) == kNoErr) return model().findLayer(layer)->group;
    }
    return someArt();
  }

 private:
  static Model& model() { return host::model(); }
  uint32_t below(size_t n) { return static_cast<uint32_t>(std::uniform_int_distribution<size_t>(0, n - 1)(random_)); }
  double uniform() { return std::uniform_real_distribution<double>(0, 1)(random_); }
  AIReal grid() { return static_cast<AIReal>(below(11) * 10); }

  Ref someArt() {
    for (int tries = 0; tries < 8 && !made_.empty(); ++tries) {
      const Ref art = made_[below(made_.size())];
      if (model().isValidArt(art)) return art;
    }
    return Ref{};
  }
  Ref someGroup() {
    for (int tries = 0; tries < 8; ++tries) {
      const Ref art = someArt();
      int16_t type = 0;
      if (!art.isNull() && model().artType(art, &type) == kNoErr && type == kGroupArt) return art;
    }
    return Ref{};  // the current layer
  }

  std::vector<AIPathSegment> segments() {
    std::vector<AIPathSegment> made(1 + below(5));
    for (AIPathSegment& s : made) {
      s.p = AIRealPoint{grid(), grid()};
      s.in = s.out = s.p;
      if (below(4) == 0) {  // a curve through handles off the grid
        s.in = AIRealPoint{s.p.h + static_cast<AIReal>(uniform() * 40 - 20), s.p.v + static_cast<AIReal>(uniform() * 40 - 20)};
        s.out = AIRealPoint{2 * s.p.h - s.in.h, 2 * s.p.v - s.in.v};
      }
      s.corner = s.in.h == s.p.h && s.in.v == s.p.v;
    }
    return made;
  }

  void giveSegments(Ref path) {
    const std::vector<AIPathSegment> s = segments();
    const auto count = static_cast<int16_t>(s.size());
    if (model().setPathSegmentCount(path, count) == kNoErr) model().setPathSegments(path, 0, count, s.data());
  }

  void newPath(Ref prep = Ref{}, int16_t order = 0) {
    if (order == 0) {
      prep = someGroup();
      order = below(2) ? kPlaceInsideOnTop : kPlaceInsideOnBottom;
    }
    Ref path;
    if (model().newArt(kPathArt, order, prep, &path) != kNoErr) return;
    made_.push_back(path);
    if (below(6) == 0) model().setPathIsGuide(path, true);
    giveSegments(path);
    model().setPathClosed(path, below(2) == 0);
  }

  void newGroup() {
    Ref group;
    if (model().newArt(kGroupArt, below(2) ? kPlaceInsideOnTop : kPlaceAbove, below(2) ? someGroup() : someArt(),
                       &group) == kNoErr)
      made_.push_back(group);
  }

  void movePath() {
    const Ref path = someArt();
    if (below(2)) {
      giveSegments(path);
      return;
    }
    int16_t count = 0;
    if (model().pathSegmentCount(path, &count) != kNoErr || count == 0) return;
    std::vector<AIPathSegment> s(static_cast<size_t>(count));
    model().pathSegments(path, 0, count, s.data());
    const AIReal dh = grid() - 50, dv = grid() - 50;
    for (AIPathSegment& segment : s)
      for (AIRealPoint* p : {&segment.p, &segment.in, &segment.out}) *p = AIRealPoint{p->h + dh, p->v + dv};
    model().setPathSegments(path, 0, count, s.data());
  }

  void toggle(int32_t attribute) {
    const Ref art = someArt();
    int32_t now = 0;
    if (model().artUserAttributes(art, attribute, &now) == kNoErr)
      model().setArtUserAttributes(art, attribute, now ^ attribute);
  }

  void editLayers() {
    int32_t count = 0;
    model().layerCount(&count);
    Ref layer;
    model().nthLayer(static_cast<int32_t>(below(static_cast<size_t>(count))), &layer);
    switch (below(6)) {
      case 0: model().insertLayer(layer, below(2) ? kPlaceAbove : kPlaceBelow, &layer); break;
      case 1: model().setLayerVisible(layer, !model().findLayer(layer)->visible); break;
      case 2: model().setLayerEditable(layer, !model().findLayer(layer)->editable); break;
      case 3: model().deleteLayer(layer); break;
      default: model().setCurrentLayer(layer); break;
    }
  }

  void editDocuments() {
    if (model().documentCount() < 3 && below(2)) {
      newDocument();
    } else if (below(3) == 0 && model().documentCount() > 1) {
      model().closeDocument(below(model().documentCount()));
    } else {
      model().bringToFront(below(model().documentCount()));
    }
  }

  std::mt19937_64 random_;
  std::vector<Ref> made_;
};

std::string described(const Hit& hit) {
  return hit.art.isNull() ? "nothing"
                          : "slot " + std::to_string(hit.art.slot) + " part " + std::to_string(int(hit.part));
}

class IndexedHitTest : public ::testing::Test {
 protected:
  void SetUp() override { testhost::reset(); }
  void TearDown() override { testhost::reset(); }

  // Both tests at many points; the first difference fails with what each found.
  static void expectSameAnswers(RandomDocuments& documents, int points, const std::string& where) {
    for (int k = 0; k < points; ++k) {
      const AIRealPoint at = documents.point();
      const double tolerance = documents.tolerance();
      const Ref within = documents.within();
      const Hit indexed = host::hitTest(host::model(), at, tolerance, within);
      const Hit walked = host::hitTestByWalk(host::model(), at, tolerance, within);
      ASSERT_TRUE(indexed.art == walked.art && indexed.part == walked.part)
          << where << ", at (" << at.h << ", " << at.v << ") tolerance " << tolerance << " within slot "
          << within.slot << ": indexed " << described(indexed) << ", walk " << described(walked);
    }
  }
};

// Rounds of a few edits (applied one by one to the index) and of many (the index rebuilt),
// a test after each round.
TEST_F(IndexedHitTest, AnswersAsTheWalkOverRandomDocumentsEditsAndPoints) {
  for (uint64_t seed = 1; seed <= 1500; ++seed) {
    RandomDocuments documents(seed);
    documents.newDocument();
    for (int round = 0; round < 6; ++round) {
      const int edits = round % 3 == 0 ? 120 : 1 + static_cast<int>(seed % 12);
      for (int e = 0; e < edits; ++e) documents.edit();
      if (!host::model().front()) documents.newDocument();
      expectSameAnswers(documents, 25, "seed " + std::to_string(seed) + " round " + std::to_string(round));
      if (HasFatalFailure()) return;
    }
    testhost::reset();
  }
}

// Art placed again and again at one place runs out of room between its neighbours' orders;
// the siblings are then numbered afresh and the topmost stays the topmost.
TEST_F(IndexedHitTest, ManyInsertionsAtOnePlaceKeepThePaintOrder) {
  const AIRealRect board{0, 100, 100, 0};
  ASSERT_EQ(host::model().newDocument("Pile", std::span(&board, 1)), kNoErr);
  Ref bottom, top;
  ASSERT_EQ(host::model().newRectangle(AIRealRect{0, 100, 100, 0}, "dessous", &bottom), kNoErr);
  ASSERT_EQ(host::model().newRectangle(AIRealRect{0, 100, 100, 0}, "dessus", &top), kNoErr);
  Ref latest;
  for (int k = 0; k < 200; ++k) {
    ASSERT_EQ(host::model().newArt(kPathArt, k % 2 ? kPlaceBelow : kPlaceAbove, k % 2 ? top : bottom, &latest), kNoErr);
    const AIReal side = static_cast<AIReal>(10 + k % 50);
    const AIPathSegment corners[4] = {{{0, side}, {0, side}, {0, side}, 1},
                                      {{side, side}, {side, side}, {side, side}, 1},
                                      {{side, 0}, {side, 0}, {side, 0}, 1},
                                      {{0, 0}, {0, 0}, {0, 0}, 1}};
    ASSERT_EQ(host::model().setPathSegmentCount(latest, 4), kNoErr);
    ASSERT_EQ(host::model().setPathSegments(latest, 0, 4, corners), kNoErr);
    ASSERT_EQ(host::model().setPathClosed(latest, true), kNoErr);
    for (AIRealPoint at : {AIRealPoint{5, 5}, AIRealPoint{30, 30}, AIRealPoint{80, 80}}) {
      const Hit indexed = host::hitTest(host::model(), at, 0);
      const Hit walked = host::hitTestByWalk(host::model(), at, 0);
      ASSERT_EQ(indexed.art, walked.art) << "after " << k + 1 << " insertions, at " << at.h;
    }
  }
  EXPECT_EQ(host::hitTest(host::model(), AIRealPoint{80, 80}, 0).art, top);
}

}  // namespace
