#include "svg/SvgReading.h"

#include <algorithm>
#include <fstream>
#include <pugixml.hpp>
#include <string_view>
#include <system_error>

#include "svg/DoctypeEntities.h"
#include "svg/DocumentWalk.h"
#include "svg/HostMarks.h"
#include "svg/RootGeometry.h"
#include "svg/SvgElements.h"

namespace host::svg {

namespace {

bool onlySpace(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

bool checkSize(std::string_view bytes, std::string* reason) {
  if (bytes.size() > kMaxFileBytes) {
    *reason = "the file is larger than the host opens (64 MB)";
  } else if (onlySpace(bytes)) {
    *reason = "the file is empty";
  } else if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f &&
             static_cast<unsigned char>(bytes[1]) == 0x8b) {
    *reason = "the file is compressed (SVGZ); the host opens plain SVG files";
  } else {
    return true;
  }
  return false;
}

bool parse(const std::string& bytes, pugi::xml_document* xml, std::string* reason) {
  const pugi::xml_parse_result result =
      xml->load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8);
  if (!result) {
    // A whole file ends with a '>': its root's end tag, or a comment after it.
    const size_t last = bytes.find_last_not_of(" \t\r\n");
    const bool cutShort = result.status != pugi::status_no_document_element &&
                          (bytes[last] != '>' || (result.status == pugi::status_end_element_mismatch &&
                                                  static_cast<size_t>(result.offset) >= last));
    *reason = cutShort ? "the file ends before its root element does: it is cut short"
                       : std::string("not an XML file: ") + result.description() + " at byte " +
                             std::to_string(result.offset);
    return false;
  }
  if (!xml->document_element()) {
    *reason = "not an XML file: it holds no element";
    return false;
  }
  return true;
}

// The root is <svg> in SVG's namespace (or in none, as hand-written files have it).
bool checkRoot(const pugi::xml_node& root, std::string* reason) {
  const std::string_view name = root.name();
  if (localName(name) != "svg") {
    *reason = "not an SVG file: the root element is <" + std::string(name) + ">";
    return false;
  }
  const std::string prefix(prefixOf(name));
  const pugi::xml_attribute declared = root.attribute(prefix.empty() ? "xmlns" : ("xmlns:" + prefix).c_str());
  if (declared && std::string_view(declared.value()) != marks::kSvgNamespace) {
    *reason = "not an SVG file: its root element is in the namespace \"" + std::string(declared.value()) + "\"";
    return false;
  }
  return true;
}

// Without recursion: the reader's walk and the engine take what passes here.
bool checkNesting(const pugi::xml_node& root, std::string* reason) {
  size_t depth = 0;
  for (pugi::xml_node node = root; node;) {
    if (node.first_child()) {
      node = node.first_child();
      if (++depth > kDeepestNesting) {
        *reason = "the file nests elements more than " + std::to_string(kDeepestNesting) + " deep";
        return false;
      }
      continue;
    }
    while (node != root && !node.next_sibling()) {
      node = node.parent();
      --depth;
    }
    if (node == root) break;
    node = node.next_sibling();
  }
  return true;
}

bool expand(const std::string& bytes, pugi::xml_document* xml, std::string* reason) {
  const ptrdiff_t rootAt = xml->document_element().offset_debug();
  Entities entities;
  return readEntities(std::string_view(bytes).substr(0, rootAt > 0 ? static_cast<size_t>(rootAt) : 0), &entities,
                      reason) &&
         expandEntities(entities, kMaxFileBytes, xml, reason);
}

}  // namespace

bool readSvg(std::string bytes, const std::filesystem::path&, SvgDocument* document, std::string* reason) {
  reason->clear();
  *document = SvgDocument();
  if (!checkSize(bytes, reason)) return false;
  document->bytes = std::move(bytes);
  pugi::xml_document xml;
  RootGeometry geometry;
  return parse(document->bytes, &xml, reason) && expand(document->bytes, &xml, reason) &&
         checkRoot(xml.document_element(), reason) && checkNesting(xml.document_element(), reason) &&
         readRootGeometry(xml.document_element(), &geometry, reason) && walkDocument(xml, geometry, document, reason);
}

bool readSvgFile(const std::filesystem::path& file, SvgDocument* document, std::string* reason) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) {
    *reason = "cannot read " + file.string() + ": " + error.message();
    return false;
  }
  if (size > kMaxFileBytes) {
    *reason = "the file is larger than the host opens (64 MB)";
    return false;
  }
  std::ifstream in(file, std::ios::binary);
  std::string bytes(static_cast<size_t>(size), '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())) ||
      in.gcount() != static_cast<std::streamsize>(size)) {
    *reason = "cannot read " + file.string();
    return false;
  }
  return readSvg(std::move(bytes), file.parent_path(), document, reason);
}

}  // namespace host::svg
