#include "svg/EngineBounds.h"

#include <librsvg/rsvg.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>

#include "svg/SvgElements.h"
#include "svg/SvgNumbers.h"

namespace host::svg {

namespace {

// Elements measured from one copy of the document: few enough that the copy's walks for
// them cost about what making the copy costs.
constexpr size_t kRequestsPerCopy = 256;

const char* const kMeasureId = "host-measured-element-";

// In the copy: measured elements get an id of the engine's own; plain shapes with no id
// (nothing can refer to them) and elements measured in another copy are left out.
std::string measureId(pugi::xml_node element, size_t index) {
  const std::string_view own = element.attribute("id").value();
  return own.empty() ? kMeasureId + std::to_string(index) : std::string(own);
}

class CopyTrimmer {
 public:
  CopyTrimmer(const std::unordered_map<const void*, size_t>& indexes, size_t first, size_t last)
      : indexes_(indexes), first_(first), last_(last) {}

  void trim(pugi::xml_node original, pugi::xml_node copy) {
    // Both trees walked side by side, without recursion.
    pugi::xml_node o = original.first_child(), c = copy.first_child();
    while (o) {
      pugi::xml_node nextO = o, nextC = c;
      const bool keep = visit(o, c);
      if (keep && o.first_child()) {
        nextO = o.first_child();
        nextC = c.first_child();
      } else {
        while (nextO && !nextO.next_sibling() && nextO != original) {
          nextO = nextO.parent();
          nextC = nextC.parent();
        }
        if (nextO == original || !nextO) break;
        nextO = nextO.next_sibling();
        nextC = nextC.next_sibling();
      }
      if (!keep) c.parent().remove_child(c);
      o = nextO;
      c = nextC;
    }
  }

 private:
  // False when the copy's element is to go.
  bool visit(pugi::xml_node o, pugi::xml_node c) {
    if (o.type() != pugi::node_element) return true;
    const auto found = indexes_.find(o.internal_object());
    if (found != indexes_.end()) {
      if (found->second >= first_ && found->second < last_) {
        setId(c, found->second);
        return true;
      }
      return o.attribute("id");
    }
    return o.attribute("id") || !isPlainShape(localName(o.name()));
  }
  // An element with an id of its own keeps it: a `use` may refer to it.
  static void setId(pugi::xml_node element, size_t index) {
    if (!element.attribute("id")) element.append_attribute("id") = measureId(element, index).c_str();
  }

  const std::unordered_map<const void*, size_t>& indexes_;
  size_t first_, last_;
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
                    const std::unordered_map<const void*, size_t>& indexes, size_t first, size_t last) {
  pugi::xml_document copy;
  copy.reset(document);
  CopyTrimmer(indexes, first, last).trim(document, copy);
  pugi::xml_node root = copy.document_element();
  if (!root.attribute("xmlns")) root.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
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

void measureWithEngine(const pugi::xml_document& document, const RootGeometry& geometry,
                       const std::vector<EngineRequest>& requests) {
  std::unordered_map<const void*, size_t> indexes;
  for (size_t i = 0; i < requests.size(); ++i) indexes.emplace(requests[i].element.internal_object(), i);
  const UserBox& v = geometry.viewBox;
  const double k = magnification(v);
  const RsvgRectangle viewport{0, 0, (v.maxX - v.minX) * k, (v.maxY - v.minY) * k};
  for (size_t first = 0; first < requests.size(); first += kRequestsPerCopy) {
    const size_t last = std::min(requests.size(), first + kRequestsPerCopy);
    Engine engine(copyFor(document, geometry, k, indexes, first, last));
    for (size_t i = first; i < last; ++i) {
      RsvgRectangle logical;
      if (!engine.measure(measureId(requests[i].element, i), viewport, &logical)) continue;
      requests[i].box->add(logical.x / k + v.minX, logical.y / k + v.minY);
      requests[i].box->add((logical.x + logical.width) / k + v.minX, (logical.y + logical.height) / k + v.minY);
    }
  }
}

}  // namespace host::svg
