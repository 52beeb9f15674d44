// A simulated host for tests: documents, layers and art made directly in the host's model,
// the host's suite tables, and printouts of what a document holds.
#ifndef GUIDES_TESTS_TESTHOST_H
#define GUIDES_TESTS_TESTHOST_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "AITypes.h"
#include "suites/SuiteRegistry.h"

namespace testhost {

// A fresh host: no document, empty alert log. Handles of the previous host all become stale.
void reset();

// A new document in front: artboard k (0-based) is left k*(width+20), bottom 0,
// right left+width, top height; one layer "Calque 1", editable, visible, current.
void newDocument(float width, float height, int artboards = 1);
void addArtboard(AIRealRect rect);
void removeArtboard(int index);
// Documents in order of creation, 0 first.
void bringDocumentToFront(int index);

// A closed rectangular path in the current layer, on top.
AIArtHandle addRect(AIRealRect bounds, const char* name);
// A new layer above all layers; it becomes the current layer.
AILayerHandle addLayer(const char* title);
void setLayerEditable(const char* title, bool editable);

// Texts given to MessageAlert, oldest first.
std::vector<std::string> alerts();
// Live art objects in all documents, layer groups included.
size_t liveArtCount();

// One line per guide path of the front document, front to back, depth first: the names of
// its layer and groups joined by '/', then x1 y1 x2 y2 (first and last anchor), then
// "locked" or "unlocked". Example:
// "Ralto-Guides/Repères/Marges droite1 586.4960327148438 842 586.4960327148438 0 locked"
std::vector<std::string> guideLines();
// One line per art object of the front document, front to back, depth first: layer title
// and names joined by '/', a space, then "group N" (N children) or "path N" (N segments),
// followed by " guide" for a guide. Layers' own groups are not listed; unnamed art shows
// "<unnamed>".
std::vector<std::string> artLines();

// The host's table for a suite, or null:
// suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion).
template <class S>
const S* suite(const char* name, int32_t version) {
  return static_cast<const S*>(host::findSuite(name, version));
}

}  // namespace testhost

#endif
