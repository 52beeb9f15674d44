// A fresh host with one A4 document for every test, the host's suites, and small helpers
// that keep the tests about behaviour rather than plumbing.
#ifndef GUIDES_TESTS_HOST_HOSTFIXTURE_H
#define GUIDES_TESTS_HOST_HOSTFIXTURE_H

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "AIArt.h"
#include "AIArtboard.h"
#include "AIDocument.h"
#include "AILayer.h"
#include "AIPath.h"
#include "AIUnicodeString.h"
#include "AIUser.h"
#include "TestHost.h"
#include "model/NumberText.h"

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testhost::reset();
    testhost::newDocument(595, 842);
  }
  void TearDown() override { testhost::reset(); }

  const AIArtSuite* art = testhost::suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
  const AIPathSuite* path = testhost::suite<AIPathSuite>(kAIPathSuite, kAIPathSuiteVersion);
  const AILayerSuite* layers = testhost::suite<AILayerSuite>(kAILayerSuite, kAILayerSuiteVersion);
  const AIArtboardSuite* artboards =
      testhost::suite<AIArtboardSuite>(kAIArtboardSuite, kAIArtboardSuiteVersion);
  const AIUnicodeStringSuite* strings =
      testhost::suite<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
  const AIUserSuite* user = testhost::suite<AIUserSuite>(kAIUserSuite, kAIUserSuiteVersion);
  const AIDocumentSuite* document =
      testhost::suite<AIDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion);

  AIArtHandle newArt(int16_t type, int16_t order, AIArtHandle prep = nullptr) {
    AIArtHandle made = nullptr;
    EXPECT_EQ(art->NewArt(type, order, prep, &made), kNoErr);
    return made;
  }
  AIArtHandle newGroup(AIArtHandle parent, const char* name) {
    AIArtHandle group = newArt(kGroupArt, kPlaceInsideOnTop, parent);
    setName(group, name);
    return group;
  }
  // An open path with one corner segment per point, on top inside parent.
  AIArtHandle newPath(AIArtHandle parent, std::initializer_list<AIRealPoint> points,
                      const char* name = "") {
    AIArtHandle made = newArt(kPathArt, kPlaceInsideOnTop, parent);
    std::vector<AIPathSegment> segments;
    for (AIRealPoint p : points) segments.push_back(AIPathSegment{p, p, p, 1});
    EXPECT_EQ(path->SetPathSegmentCount(made, static_cast<int16_t>(segments.size())), kNoErr);
    EXPECT_EQ(
        path->SetPathSegments(made, 0, static_cast<int16_t>(segments.size()), segments.data()),
        kNoErr);
    if (*name) setName(made, name);
    return made;
  }

  AIUnicodeStringRef makeString(const char* text) {
    AIUnicodeStringRef made = nullptr;
    EXPECT_EQ(strings->Initialize(&made, text, kAIPlatformCharacterEncoding), kNoErr);
    return made;
  }
  // Reads a string and disposes it.
  std::string take(AIUnicodeStringRef string) {
    size_t length = 0;
    EXPECT_EQ(strings->GetLength(string, kAIPlatformCharacterEncoding, &length), kNoErr);
    std::string text(length + 1, '\0');
    EXPECT_EQ(
        strings->GetAs(string, kAIPlatformCharacterEncoding, text.data(), text.size(), &length),
        kNoErr);
    text.resize(length);
    EXPECT_EQ(strings->Dispose(string), kNoErr);
    return text;
  }
  void setName(AIArtHandle target, const char* name) {
    AIUnicodeStringRef text = makeString(name);
    EXPECT_EQ(art->SetArtName(target, text), kNoErr);
    strings->Dispose(text);
  }
  std::string nameOf(AIArtHandle target) {
    AIUnicodeStringRef name = nullptr;
    EXPECT_EQ(art->GetArtName(target, &name, nullptr), kNoErr);
    return take(name);
  }
  std::string titleOf(AILayerHandle layer) {
    AIUnicodeStringRef title = nullptr;
    EXPECT_EQ(layers->GetLayerTitle(layer, &title), kNoErr);
    return take(title);
  }
  // Names of a group's children, front to back, read through first child and siblings.
  std::vector<std::string> childNames(AIArtHandle group) {
    std::vector<std::string> names;
    AIArtHandle child = nullptr;
    EXPECT_EQ(art->GetArtFirstChild(group, &child), kNoErr);
    while (child) {
      names.push_back(nameOf(child));
      EXPECT_EQ(art->GetArtSibling(child, &child), kNoErr);
    }
    return names;
  }
  AILayerHandle currentLayer() {
    AILayerHandle layer = nullptr;
    EXPECT_EQ(layers->GetCurrentLayer(&layer), kNoErr);
    return layer;
  }
  AIArtHandle groupOf(AILayerHandle layer) {
    AIArtHandle group = nullptr;
    EXPECT_EQ(layers->GetFirstArtOfLayer(layer, &group), kNoErr);
    return group;
  }
  // "left top right bottom", each number written exactly as stored.
  static std::string corners(const AIRealRect& r) {
    return host::numberText(r.left) + " " + host::numberText(r.top) + " " + host::numberText(r.right) + " " +
           host::numberText(r.bottom);
  }
  bool valid(AIArtHandle handle) {
    AIBoolean answer = 1;
    EXPECT_EQ(art->ValidArt(handle, 1, &answer), kNoErr);
    return answer != 0;
  }
};

#endif
