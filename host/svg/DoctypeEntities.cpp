#include "svg/DoctypeEntities.h"

#include <vector>

namespace host::svg {

namespace {

constexpr size_t npos = std::string_view::npos;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view skipSpace(std::string_view text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  return text;
}

// The DOCTYPE's internal subset ("[...]"), empty when there is none.
std::string_view internalSubset(std::string_view bytes) {
  const size_t doctype = bytes.find("<!DOCTYPE");
  if (doctype == npos) return {};
  const size_t open = bytes.find('[', doctype);
  const size_t close = bytes.find("]>", open == npos ? doctype : open);
  if (open == npos || close == npos || open > bytes.find('>', doctype)) return {};
  return bytes.substr(open + 1, close - open - 1);
}

// One "<!ENTITY name "value">" at the start of `text`, which moves past it.
bool readEntity(std::string_view* text, Entities* entities, std::string* reason) {
  std::string_view rest = skipSpace(text->substr(8));
  if (rest.starts_with("%")) {
    *reason = "the file declares a parameter entity, which the host does not expand";
    return false;
  }
  const size_t nameEnd = rest.find_first_of(" \t\r\n");
  if (nameEnd == npos) return false;
  const std::string name(rest.substr(0, nameEnd));
  rest = skipSpace(rest.substr(nameEnd));
  if (rest.starts_with("SYSTEM") || rest.starts_with("PUBLIC")) {
    *reason = "the file declares the external entity \"" + name + "\"; the host never reads what it points to";
    return false;
  }
  const char quote = rest.empty() ? 0 : rest.front();
  const size_t valueEnd = (quote == '"' || quote == '\'') ? rest.find(quote, 1) : npos;
  if (valueEnd == npos) {
    *reason = "the file's declaration of the entity \"" + name + "\" does not read";
    return false;
  }
  const std::string_view value = rest.substr(1, valueEnd - 1);
  if (value.find_first_of("&%<") != npos) {
    *reason = "the file declares the entity \"" + name +
              "\" made of other entities or markup, which the host does not expand";
    return false;
  }
  entities->emplace(name, std::string(value));
  *text = rest.substr(valueEnd + 1);
  return true;
}

// The text with its "&name;" of known entities replaced; other references stay as they are.
std::string expanded(std::string_view text, const Entities& entities) {
  std::string out;
  size_t at = 0;
  for (size_t amp = text.find('&'); amp != npos; amp = text.find('&', at)) {
    const size_t semicolon = text.find(';', amp);
    const auto found = semicolon == npos ? entities.end() : entities.find(text.substr(amp + 1, semicolon - amp - 1));
    out.append(text.substr(at, amp - at));
    if (found == entities.end()) {
      out += '&';
      at = amp + 1;
    } else {
      out += found->second;
      at = semicolon + 1;
    }
  }
  out.append(text.substr(at));
  return out;
}

}  // namespace

bool readEntities(std::string_view prolog, Entities* entities, std::string* reason) {
  std::string_view subset = internalSubset(prolog);
  for (size_t at = subset.find("<!ENTITY"); at != npos; at = subset.find("<!ENTITY")) {
    subset.remove_prefix(at);
    if (!readEntity(&subset, entities, reason)) {
      if (reason->empty()) *reason = "the file's DOCTYPE does not read";
      return false;
    }
  }
  return true;
}

bool expandEntities(const Entities& entities, size_t limit, pugi::xml_document* document, std::string* reason) {
  if (entities.empty()) return true;
  size_t added = 0;
  auto expand = [&](std::string_view text, auto set) {
    if (text.find('&') == npos) return true;
    const std::string result = expanded(text, entities);
    added += result.size() > text.size() ? result.size() - text.size() : 0;
    if (added > limit) return false;
    set(result.c_str());
    return true;
  };
  for (pugi::xml_node node = document->first_child(); node;) {
    for (pugi::xml_attribute attribute : node.attributes()) {
      if (!expand(attribute.value(), [&](const char* v) { attribute.set_value(v); })) break;
    }
    if (node.type() == pugi::node_pcdata && !expand(node.value(), [&](const char* v) { node.set_value(v); })) break;
    if (added > limit) break;
    // The next node in document order, without recursion.
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && !node.next_sibling()) node = node.parent();
    if (node) node = node.next_sibling();
  }
  if (added > limit) {
    *reason = "the file's entities would make it larger than the host opens";
    return false;
  }
  return true;
}

}  // namespace host::svg
