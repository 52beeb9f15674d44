#include "svg/EngineBounds.h"

#include <librsvg/rsvg.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "svg/SvgElements.h"
#include "svg/SvgNumbers.h"

namespace host::svg {

namespace {

// Elements measured from one copy of the document: few enough that the copy's walks for
// them cost about what making the copy costs.
constexpr size_t kRequestsPerCopy = 256;

const char* const kMeasureId = "host-measured-element-";

std::string measureId(pugi::xml_node element, size_t index) {
  const std::string_view own = element.attribute("id").value();
  return own.empty() ? kMeasureId + std::to_string(index) : std::string(own);
}

// In the copy: measured elements get an id of the engine's own and keep all they hold;
// plain shapes with no id (nothing can refer to them) and elements measured from another
// copy are left out.
class CopyTrimmer {
 public:
  // `measured`: this copy's elements and their indexes; `others`: every element measured.
  CopyTrimmer(const std::unordered_map<const void*, size_t>& measured, const std::unordered_set<const void*>& others)
      : measured_(measured), others_(others) {}

  void trim(pugi::xml_node original, pugi::xml_node copy) {
    // Both trees walked side by side, without recursion. Inside a measured element (`whole`)
    // nothing goes, but the elements measured in it get their ids too.
    pugi::xml_node o = original.first_child(), c = copy.first_child(), whole;
    while (o) {
      const Fate fate = whole ? keepInside(o, c) : fateOf(o, c);
      if (!whole && fate == Fate::KeepWhole) whole = o;
      pugi::xml_node nextO, nextC;
      if (fate != Fate::Remove && o.first_child()) {
        nextO = o.first_child();
        nextC = c.first_child();
      } else {
        pugi::xml_node upO = o, upC = c;
        while (upO != original && !upO.next_sibling()) {
          if (upO == whole) whole = {};
          upO = upO.parent();
          upC = upC.parent();
        }
        if (upO == whole) whole = {};
        if (upO != original) {
          nextO = upO.next_sibling();
          nextC = upC.next_sibling();
        }
      }
      if (fate == Fate::Remove) c.parent().remove_child(c);
      o = nextO;
      c = nextC;
    }
  }

 private:
  enum class Fate { Remove, Trim, KeepWhole };

  Fate fateOf(pugi::xml_node o, pugi::xml_node c) {
    if (o.type() != pugi::node_element) return Fate::Trim;
    if (name(o, c)) return Fate::KeepWhole;
    if (o.attribute("id")) return Fate::Trim;
    return others_.count(o.internal_object()) != 0 || isPlainShape(localName(o.name())) ? Fate::Remove : Fate::Trim;
  }

  Fate keepInside(pugi::xml_node o, pugi::xml_node c) {
    name(o, c);
    return Fate::Trim;
  }

  // Gives a measured element with no id of its own one in the copy; false for any other.
  bool name(pugi::xml_node o, pugi::xml_node c) {
    const auto found = measured_.find(o.internal_object());
    if (found == measured_.end()) return false;
    if (!o.attribute("id")) c.append_attribute("id") = measureId(o, found->second).c_str();
    return true;
  }

  const std::unordered_map<const void*, size_t>& measured_;
  const std::unordered_set<const void*>& others_;
};

struct StringWriter : pugi::xml_writer {
  std::string text;
  void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

class Engine {
 public:
  explicit Engine(const std::string& bytes) {
    handle_ = rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(bytes.data()), bytes.size(), nullptr);
    if (handle_ != nullptr) rsvg_handle_set_dpi(handle_, 96);
  }
  ~Engine() {
    if (handle_ != nullptr) g_object_unref(handle_);
  }
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // The element's bounds with no stroke, in the viewport `viewport` (user units moved by
  // the viewBox's corner).
  bool measure(const std::string& id, const RsvgRectangle& viewport, RsvgRectangle* logical) {
    if (handle_ == nullptr) return false;
    RsvgRectangle ink;
    GError* error = nullptr;
    const bool measured =
        rsvg_handle_get_geometry_for_layer(handle_, ("#" + id).c_str(), &viewport, &ink, logical, &error);
    if (error != nullptr) g_error_free(error);
    return measured && (logical->width > 0 || logical->height > 0);
  }

 private:
  RsvgHandle* handle_ = nullptr;
};

// The engine draws curves as short lines within a tolerance of its own in viewport pixels;
// measured in a viewport this much larger, its bounds are that much closer to the curves'.
// Cairo's coordinates stay well within their range.
double magnification(const UserBox& viewBox) {
  const double side = std::max(viewBox.maxX - viewBox.minX, viewBox.maxY - viewBox.minY);
  return std::clamp(1e6 / side, 1.0, 8.0);
}

void setAttribute(pugi::xml_node element, const char* name, const std::string& value) {
  pugi::xml_attribute attribute = element.attribute(name);
  if (!attribute) attribute = element.append_attribute(name);
  attribute.set_value(value.c_str());
}

std::string numbers(std::initializer_list<double> values) {
  std::string text;
  for (const double value : values) text += (text.empty() ? "" : " ") + formatNumber(value);
  return text;
}

std::string copyFor(const pugi::xml_document& document, const RootGeometry& geometry, double k,
                    const std::unordered_map<const void*, size_t>& measured,
                    const std::unordered_set<const void*>& others) {
  pugi::xml_document copy;
  copy.reset(document);
  CopyTrimmer(measured, others).trim(document, copy);
  pugi::xml_node root = copy.document_element();
  if (!root.attribute("xmlns")) root.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
  // Text with no font family of its own is drawn by Inkscape in its default, sans-serif.
  const std::string style = root.attribute("style").value();
  setAttribute(root, "style", "font-family:sans-serif;" + style);
  // Magnified: the viewBox (the viewport itself when there was none) drawn k times larger.
  const UserBox& v = geometry.viewBox;
  setAttribute(root, "viewBox", numbers({v.minX, v.minY, v.maxX - v.minX, v.maxY - v.minY}));
  setAttribute(root, "width", formatNumber((v.maxX - v.minX) * k));
  setAttribute(root, "height", formatNumber((v.maxY - v.minY) * k));
  StringWriter writer;
  copy.save(writer, "", pugi::format_raw | pugi::format_no_declaration);
  return writer.text;
}

}  // namespace

namespace {

// Measures `requests` at magnification k; gives back those the engine could not measure.
std::vector<EngineRequest> measureAt(double k, const pugi::xml_document& document, const RootGeometry& geometry,
                                     const std::vector<EngineRequest>& requests) {
  std::unordered_set<const void*> all;
  for (const EngineRequest& request : requests) all.insert(request.element.internal_object());
  const UserBox& v = geometry.viewBox;
  const RsvgRectangle viewport{0, 0, (v.maxX - v.minX) * k, (v.maxY - v.minY) * k};
  std::vector<EngineRequest> failed;
  for (size_t first = 0; first < requests.size(); first += kRequestsPerCopy) {
    const size_t last = std::min(requests.size(), first + kRequestsPerCopy);
    std::unordered_map<const void*, size_t> measured;
    for (size_t i = first; i < last; ++i) measured.emplace(requests[i].element.internal_object(), i);
    Engine engine(copyFor(document, geometry, k, measured, all));
    for (size_t i = first; i < last; ++i) {
      RsvgRectangle logical;
      const size_t named = measured.at(requests[i].element.internal_object());  // the first of its requests
      if (!engine.measure(measureId(requests[i].element, named), viewport, &logical)) {
        failed.push_back(requests[i]);
        continue;
      }
      const UserBox box{logical.x / k + v.minX, logical.y / k + v.minY, (logical.x + logical.width) / k + v.minX,
                        (logical.y + logical.height) / k + v.minY};
      requests[i].box->add(box.mapped(requests[i].map));
    }
  }
  return failed;
}

}  // namespace

// Images and filters the engine cannot draw that large are measured again at their size.
void measureWithEngine(const pugi::xml_document& document, const RootGeometry& geometry,
                       const std::vector<EngineRequest>& requests) {
  const double k = magnification(geometry.viewBox);
  const std::vector<EngineRequest> failed = measureAt(k, document, geometry, requests);
  if (k != 1 && !failed.empty()) measureAt(1, document, geometry, failed);
}

}  // namespace host::svg
