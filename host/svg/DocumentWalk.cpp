#include "svg/DocumentWalk.h"

#include <map>
#include <string_view>
#include <vector>

#include "svg/CurveBounds.h"
#include "svg/ElementExtent.h"
#include "svg/ElementStyle.h"
#include "svg/EngineBounds.h"
#include "svg/HostPaths.h"
#include "svg/NamedView.h"
#include "svg/ShapeBounds.h"
#include "svg/SvgElements.h"
#include "svg/SvgNumbers.h"
#include "svg/UseBounds.h"
#include "svg/XmlNames.h"

namespace host::svg {

namespace {

bool isTrue(std::string_view value) { return value == "true" || value == "1"; }

// A span of the file's bytes with the white space before it, back to the previous tag:
// removing it leaves no empty line behind.
Span spanWithIndent(std::string_view bytes, size_t begin, size_t end) {
  size_t start = begin;
  while (start > 0 && (bytes[start - 1] == ' ' || bytes[start - 1] == '\t' || bytes[start - 1] == '\n' ||
                       bytes[start - 1] == '\r')) {
    --start;
  }
  return {start > 0 && bytes[start - 1] == '>' ? start : begin, end};
}

struct Item {
  pugi::xml_node element;
  int parent = -1;  // the enclosing group's item, -1 directly in a layer
  size_t layer = 0;
  Object object;
  UserBox box;
};

struct Frame {
  pugi::xml_node next;  // the next child to visit
  Affine ctm;           // the children's map to the root's user units
  int item = -1;
};

class Walker {
 public:
  Walker(const pugi::xml_document& xml, const RootGeometry& geometry, SvgDocument* document)
      : xml_(xml),
        geometry_(geometry),
        document_(document),
        names_(xmlNamesFor(xml.document_element())),
        ids_(xml.document_element()) {}

  bool walk(std::string* reason) {
    const pugi::xml_node root = xml_.document_element();
    if (!readExtents(root, reason)) return false;
    document_->inkscapePrefix = names_.inkscape;
    document_->sodipodiPrefix = names_.sodipodi;
    document_->hostPrefix = names_.host;
    const NamedView view = readNamedView(root, names_);
    readPages(view);
    readGuides(view);
    for (const pugi::xml_node child : root.children()) visitTopLevel(child);
    std::vector<EngineRequest> requests;
    for (const size_t i : engineItems_) {
      const auto use = engineUses_.find(i);
      if (use == engineUses_.end()) {
        requests.push_back({items_[i].element, &items_[i].box, {}});
      } else {
        requests.push_back({use->second.referenced, &items_[i].box, use->second.map});
      }
    }
    measureWithEngine(xml_, geometry_, requests);
    assemble();
    return true;
  }

 private:
  size_t offsetOf(const pugi::xml_node& element) const {
    const ptrdiff_t offset = element.offset_debug();
    return offset > 0 ? static_cast<size_t>(offset) - 1 : 0;  // the name's offset; '<' is before it
  }

  bool extentOf(const pugi::xml_node& element, ElementExtent* extent, std::string* reason) const {
    if (findExtent(document_->bytes, offsetOf(element), extent)) return true;
    *reason = "the file ends inside the element <" + std::string(element.name()) + ">";
    return false;
  }

  bool readExtents(const pugi::xml_node& root, std::string* reason) {
    ElementExtent extent;
    if (!extentOf(root, &extent, reason)) return false;
    document_->rootName = root.name();
    document_->layersAt = extent.endTagBegin;
    document_->namedViewAt = extent.empty ? extent.endTagBegin : extent.startTagEnd;
    return true;
  }

  void readPages(const NamedView& view) {
    document_->documentUnit = view.documentUnit;
    std::vector<NamedView::UserPage> pages = view.pages;
    if (pages.empty()) pages.push_back({geometry_.viewport, ""});
    document_->space = userSpaceFor(geometry_, pages.front().box);
    document_->guideSpace = guideSpaceFor(geometry_, document_->space);
    document_->viewport = hostBox(document_->space, geometry_.viewport);
    for (const auto& page : pages) document_->pages.push_back({hostBox(document_->space, page.box), page.label});
  }

  void readGuides(const NamedView& view) {
    if (!view.element) return;
    ElementExtent extent;
    std::string ignored;
    if (extentOf(view.element, &extent, &ignored)) {
      document_->guidesAt = extent.endTagBegin;
      document_->namedViewName = view.element.name();
    }
    for (const pugi::xml_node& element : view.userGuides) {
      Guide guide;
      if (readGuide(element, names_, document_->guideSpace, &guide)) document_->userGuides.push_back(guide);
    }
    for (const pugi::xml_node& element : view.hostGuides) {
      Guide guide;
      if (readGuide(element, names_, document_->guideSpace, &guide)) document_->hostGuides.push_back(guide);
      markHostWritten(element);
    }
  }

  void markHostWritten(const pugi::xml_node& element) {
    ElementExtent extent;
    std::string ignored;
    if (!extentOf(element, &extent, &ignored)) return;
    document_->hostWritten.push_back(spanWithIndent(document_->bytes, offsetOf(element), extent.end));
  }

  bool isLayer(const pugi::xml_node& element) const {
    return localName(element.name()) == "g" &&
           std::string_view(element.attribute(names_.groupmode.c_str()).value()) == "layer";
  }
  bool writtenAs(const pugi::xml_node& element, std::string_view what) const {
    return std::string_view(element.attribute(names_.written.c_str()).value()) == what;
  }

  void visitTopLevel(const pugi::xml_node& child) {
    if (child.type() != pugi::node_element) return;
    if (isLayer(child)) {
      startLayer(child);
      walkFrom({child.first_child(), transformOf(child), -1});
    } else if (isDrawn(child)) {
      if (outsideLayers_ < 0) {
        outsideLayers_ = static_cast<int>(layers_.size());
        layers_.emplace_back();
        layers_.back().title = "Hors calques";  // the host speaks French, as "Calque 1" does
      }
      current_ = static_cast<size_t>(outsideLayers_);
      Frame children;
      if (visit(child, Affine{}, -1, &children)) walkFrom(children);
    }
  }

  void startLayer(const pugi::xml_node& element) {
    Layer layer;
    layer.title = element.attribute(names_.label.c_str()).value();
    if (layer.title.empty()) layer.title = element.attribute("id").value();
    layer.writtenByHost = writtenAs(element, "layer");
    if (layer.writtenByHost) {
      layer.hidden = isTrue(element.attribute(names_.hidden.c_str()).value());
      layer.locked = isTrue(element.attribute(names_.locked.c_str()).value());
      markHostWritten(element);
    } else {
      layer.hidden = notDisplayed(element);
      layer.locked = isTrue(element.attribute(names_.insensitive.c_str()).value());
      ElementExtent extent;
      std::string ignored;
      if (extentOf(element, &extent, &ignored) && !extent.empty) layer.insertAt = extent.endTagBegin;
    }
    current_ = layers_.size();
    layers_.push_back(std::move(layer));
  }

  bool isDrawn(const pugi::xml_node& element) const {
    const std::string_view name = element.name();
    if (name.find(':') != std::string_view::npos && prefixOf(name) != "svg") return false;
    const std::string_view local = localName(name);
    return isPlainShape(local) || isContainer(local) || isEngineDrawn(local);
  }

  // Every drawn element under the frame's, depth first, an item each.
  void walkFrom(const Frame& start) {
    std::vector<Frame> stack{start};
    while (!stack.empty()) {
      Frame& frame = stack.back();
      if (!frame.next) {
        stack.pop_back();
        continue;
      }
      const pugi::xml_node element = frame.next;
      frame.next = element.next_sibling();
      const Frame parent = frame;
      Frame children;
      if (element.type() == pugi::node_element && isDrawn(element) &&
          visit(element, parent.ctm, parent.item, &children)) {
        stack.push_back(children);
      }
    }
  }

  // One drawn element becomes an item; true, with the frame of its children, for a group.
  bool visit(const pugi::xml_node& element, const Affine& ctm, int parent, Frame* children) {
    const std::string_view local = localName(element.name());
    Item item{element, parent, current_, {}, {}};
    Object& object = item.object;
    object.id = element.attribute("id").value();
    object.label = element.attribute(names_.label.c_str()).value();
    object.hidden = notDisplayed(element);
    object.locked = isTrue(element.attribute(names_.insensitive.c_str()).value());
    Affine own = ctm.after(transformOf(element));
    const size_t index = items_.size();
    // A nested svg with a viewBox is measured whole by the engine.
    const bool group = isContainer(local) && !(local == "svg" && element.attribute("viewBox"));
    if (group) {
      object.kind = Object::Kind::Group;
      if (local == "svg") own = own.after(Affine{1, 0, 0, 1, lengthOf(element, "x"), lengthOf(element, "y")});
      *children = {element.first_child(), own, static_cast<int>(index)};
      if (writtenAs(element, "group") && !layers_[current_].writtenByHost) {
        markHostWritten(element);
        object.writtenByHost = true;
      }
    } else if (local == "path" && writtenAs(element, "path")) {
      readHostPath(element, own, &item);
    } else if (local == "use") {
      UseByEngine engine;
      if (!measureUse(element, ctm, &ids_, &item.box, &engine)) {
        engineItems_.push_back(index);
        if (engine.referenced) engineUses_.emplace(index, engine);
      }
    } else if (measureShape(element, local, own, &item.box) != ShapeMeasure::Measured) {
      engineItems_.push_back(index);
    }
    items_.push_back(std::move(item));
    return group;
  }

  static double lengthOf(const pugi::xml_node& element, const char* name) {
    std::string_view text = element.attribute(name).value();
    double value = 0;
    return readNumber(&text, &value) ? value : 0;
  }

  void readHostPath(const pugi::xml_node& element, const Affine& ctm, Item* item) {
    const std::string_view d = element.attribute("d").value();
    item->box = pathBounds(d, ctm);
    if (!ctm.isIdentity() ||
        !readHostSegments(d, element.attribute(names_.segments.c_str()).value(), document_->space, &item->object)) {
      return;  // moved or redrawn elsewhere: the host sees it as any other shape
    }
    item->object.kind = Object::Kind::Path;
    item->object.guide = isTrue(element.attribute(names_.guideFlag.c_str()).value());
    if (!layers_[current_].writtenByHost) {
      markHostWritten(element);
      item->object.writtenByHost = true;
    }
  }

  // Items in reverse document order: children before their group, top first in each.
  void assemble() {
    for (size_t i = items_.size(); i-- > 0;) {
      Item& item = items_[i];
      if (!item.box.empty()) {
        item.object.bounds = hostBox(document_->space, item.box);
        item.object.hasBounds = true;
      }
      if (item.parent >= 0) {
        Item& group = items_[static_cast<size_t>(item.parent)];
        if (!item.object.hidden) group.box.add(item.box);
        group.object.children.push_back(std::move(item.object));
      } else {
        layers_[item.layer].objects.push_back(std::move(item.object));
      }
    }
    for (size_t i = layers_.size(); i-- > 0;) document_->layers.push_back(std::move(layers_[i]));
  }

  const pugi::xml_document& xml_;
  const RootGeometry& geometry_;
  SvgDocument* document_;
  XmlNames names_;
  Ids ids_;
  std::vector<Layer> layers_;  // document order
  std::vector<Item> items_;    // document order
  std::vector<size_t> engineItems_;
  std::map<size_t, UseByEngine> engineUses_;
  size_t current_ = 0;
  int outsideLayers_ = -1;
};

}  // namespace

bool walkDocument(const pugi::xml_document& xml, const RootGeometry& geometry, SvgDocument* document,
                  std::string* reason) {
  return Walker(xml, geometry, document).walk(reason);
}

}  // namespace host::svg
