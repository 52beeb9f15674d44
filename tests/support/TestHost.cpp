#include "TestHost.h"

#include <stdexcept>

#include "model/Geometry.h"
#include "model/Model.h"
#include "model/Printout.h"

namespace testhost {

namespace {

// Misuse of the test host is a fault of the test: it stops the test with a clear message.
void require(AIErr error, const char* what) {
  if (error)
    throw std::runtime_error(std::string("testhost: ") + what + " failed, code " +
                             std::to_string(error));
}

host::Ref layerTitled(const char* title) {
  const host::Ref layer = host::model().layerTitled(title ? title : "");
  if (layer.isNull())
    throw std::runtime_error(std::string("testhost: no layer titled ") + (title ? title : ""));
  return layer;
}

}  // namespace

void reset() { host::resetModel(); }

void newDocument(float width, float height, int artboards) {
  if (artboards < 1) throw std::runtime_error("testhost: a document needs an artboard");
  std::vector<AIRealRect> rects;
  for (int k = 0; k < artboards; ++k) {
    const float left = static_cast<float>(k) * (width + 20);
    rects.push_back(AIRealRect{left, height, left + width, 0});
  }
  host::Model& model = host::model();
  const std::string name = "Document " + std::to_string(model.documentCount() + 1);
  require(model.newDocument(name, rects), "newDocument");
}

void addArtboard(AIRealRect rect) {
  host::Document* document = host::model().front();
  require(document ? document->addArtboard(rect) : kNoDocumentErr, "addArtboard");
}

void removeArtboard(int index) {
  host::Document* document = host::model().front();
  require(document ? document->removeArtboard(index) : kNoDocumentErr, "removeArtboard");
}

void bringDocumentToFront(int index) {
  require(index < 0 ? kBadParameterErr : host::model().bringToFront(static_cast<size_t>(index)),
          "bringDocumentToFront");
}

AIArtHandle addRect(AIRealRect bounds, const char* name) {
  host::Model& model = host::model();
  if (!host::isFinite(bounds)) require(kNotFiniteErr, "addRect");
  host::Ref path;
  require(model.newRectangle(bounds, name ? name : "", &path), "addRect");
  return host::toHandle<AIArtHandle>(path);
}

AILayerHandle addLayer(const char* title) {
  host::Model& model = host::model();
  host::Ref layer;
  require(model.insertLayer(host::Ref{}, kPlaceAboveAll, &layer), "addLayer");
  require(model.setLayerTitle(layer, title ? title : ""), "addLayer");
  require(model.setCurrentLayer(layer), "addLayer");
  return host::toHandle<AILayerHandle>(layer);
}

void setLayerEditable(const char* title, bool editable) {
  require(host::model().setLayerEditable(layerTitled(title), editable), "setLayerEditable");
}

std::vector<std::string> alerts() { return host::model().alerts(); }

size_t liveArtCount() { return host::model().arts().liveCount(); }

std::vector<std::string> guideLines() { return host::guideLines(host::model()); }

std::vector<std::string> artLines() { return host::artLines(host::model()); }

}  // namespace testhost
