#include "session/Printouts.h"

#include <nlohmann/json.hpp>

#include "model/NumberText.h"
#include "model/Printout.h"
#include "session/RulerUnits.h"

namespace host {

namespace {

// A text as JSON writes it: quoted, with its quotes and controls escaped.
std::string quoted(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string rectText(const AIRealRect& r) {
  return numberText(r.left) + " " + numberText(r.top) + " " + numberText(r.right) + " " +
         numberText(r.bottom);
}

std::string valueText(const PreferenceStore::Value& value) {
  return std::visit(
      [](const auto& v) -> std::string {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, bool>) return v ? "boolean true" : "boolean false";
        if constexpr (std::is_same_v<T, int32_t>) return "integer " + std::to_string(v);
        if constexpr (std::is_same_v<T, double>) return "real " + numberText(v);
        if constexpr (std::is_same_v<T, std::string>) return "string " + quoted(v);
      },
      value);
}

}  // namespace

std::vector<std::string> documentLines(const Model& model) {
  const Document* document = model.front();
  if (!document) return {"no document"};
  size_t position = 0;
  while (&model.documentAt(position) != document) ++position;

  std::vector<std::string> lines;
  lines.push_back("document " + std::to_string(position + 1) + " of " +
                  std::to_string(model.documentCount()) + " " + quoted(document->name) + ", unit " +
                  std::string(rulerUnitName(document->rulerUnits)) + ", active artboard " +
                  std::to_string(document->activeArtboard + 1));
  for (size_t k = 0; k < document->artboards.size(); ++k) {
    const Artboard& artboard = document->artboards[k];
    lines.push_back("artboard " + std::to_string(k + 1) + " " + quoted(artboard.name) + " " +
                    rectText(artboard.rect));
  }
  for (const FileGuide& guide : document->fileGuides) {
    std::string line = "guide of the file through";
    for (double value : {guide.x, guide.y}) appendNumber(line += ' ', value);
    line += " along";
    for (double value : {guide.dx, guide.dy}) appendNumber(line += ' ', value);
    lines.push_back(std::move(line));
  }
  for (Ref ref : document->layers) {
    const Layer& layer = *model.findLayer(ref);
    std::string line = "layer " + quoted(layer.title);
    line += layer.editable ? " editable" : " locked";
    line += layer.visible ? " visible" : " hidden";
    if (ref == document->currentLayer) line += " current";
    lines.push_back(std::move(line));
  }
  for (std::string& line : artLines(model)) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> preferenceLines(const PreferenceStore& store) {
  std::vector<std::string> lines;
  for (const auto& [section, entries] : store.sections())
    for (const auto& [key, value] : entries)
      lines.push_back("[" + section + "] " + key + " = " + valueText(value));
  return lines;
}

std::vector<std::string> logLines(const Shell& shell, const Model& model) {
  std::vector<std::string> lines = shell.log.lines();
  for (const std::string& alert : model.alerts()) lines.push_back("alert: " + alert);
  const int32_t acquired = shell.suites.totalAcquired();
  const int32_t released = shell.suites.totalReleased();
  lines.push_back("suites: " + std::to_string(acquired) + " acquired, " + std::to_string(released) +
                  " released, " + std::to_string(acquired - released) + " held");
  for (const auto& [key, count] : shell.suites.counts())
    lines.push_back("suite " + key.first + " " + std::to_string(key.second) + ": " +
                    std::to_string(count.acquired) + " acquired, " + std::to_string(count.released) +
                    " released");
  return lines;
}

}  // namespace host
