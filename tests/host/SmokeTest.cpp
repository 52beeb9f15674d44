#include <gtest/gtest.h>

#include "AIArt.h"
#include "AILayer.h"
#include "AIPath.h"
#include "AIUnicodeString.h"
#include "TestHost.h"

TEST(Smoke, GuidePrintout) {
  testhost::reset();
  testhost::newDocument(595, 842);
  auto art = testhost::suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
  auto path = testhost::suite<AIPathSuite>(kAIPathSuite, kAIPathSuiteVersion);
  auto str = testhost::suite<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
  testhost::addLayer("Ralto-Guides");
  AIArtHandle g = nullptr, p = nullptr;
  ASSERT_EQ(art->NewArt(kGroupArt, kPlaceInsideOnTop, nullptr, &g), kNoErr);
  AIUnicodeStringRef s = nullptr;
  str->Initialize(&s, "Repères", 0);
  art->SetArtName(g, s);
  str->Dispose(s);
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceInsideOnTop, g, &p), kNoErr);
  art->SetArtUserAttr(p, kArtLocked, kArtLocked);
  path->SetPathSegmentCount(p, 2);
  AIPathSegment seg[2] = {};
  seg[0].p = {586.4960327148438f, 842};
  seg[1].p = {586.4960327148438f, 0};
  ASSERT_EQ(path->SetPathSegments(p, 0, 2, seg), kNoErr);
  path->SetPathIsGuide(p, 1);
  ASSERT_EQ(testhost::guideLines().size(), 1u);
  EXPECT_EQ(testhost::guideLines()[0], "Ralto-Guides/Repères 586.4960327148438 842 586.4960327148438 0 locked");
  for (auto& l : testhost::artLines()) std::cout << l << "\n";
}
