#include "svg/ElementExtent.h"

namespace host::svg {

namespace {

constexpr size_t npos = std::string_view::npos;

// Past the '>' of the tag starting at `at` ('<'), quoted values skipped; npos at the end.
size_t tagEnd(std::string_view bytes, size_t at) {
  char quote = 0;
  for (++at; at < bytes.size(); ++at) {
    const char c = bytes[at];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return at + 1;
    }
  }
  return npos;
}

size_t pastText(std::string_view bytes, size_t from, std::string_view closing) {
  const size_t found = bytes.find(closing, from);
  return found == npos ? npos : found + closing.size();
}

// Past the markup starting at `at` ('<') that is no tag: a comment, CDATA, a processing
// instruction or a declaration; `at` itself for a tag.
size_t pastNonTag(std::string_view bytes, size_t at) {
  const std::string_view rest = bytes.substr(at);
  if (rest.starts_with("<!--")) return pastText(bytes, at + 4, "-->");
  if (rest.starts_with("<![CDATA[")) return pastText(bytes, at + 9, "]]>");
  if (rest.starts_with("<?")) return pastText(bytes, at + 2, "?>");
  if (rest.starts_with("<!")) return tagEnd(bytes, at);
  return at;
}

}  // namespace

bool findExtent(std::string_view bytes, size_t begin, ElementExtent* extent) {
  const size_t startEnd = tagEnd(bytes, begin);
  if (startEnd == npos) return false;
  extent->startTagEnd = startEnd;
  if (bytes[startEnd - 2] == '/') {
    extent->empty = true;
    extent->endTagBegin = startEnd - 2;
    extent->end = startEnd;
    return true;
  }
  size_t depth = 1, at = startEnd;
  while (depth > 0) {
    at = bytes.find('<', at);
    if (at == npos) return false;
    const size_t skipped = pastNonTag(bytes, at);
    if (skipped == npos) return false;
    if (skipped != at) {
      at = skipped;
      continue;
    }
    const size_t end = tagEnd(bytes, at);
    if (end == npos) return false;
    if (bytes[at + 1] == '/') {
      if (--depth == 0) extent->endTagBegin = at;
    } else if (bytes[end - 2] != '/') {
      ++depth;
    }
    at = end;
  }
  extent->end = at;
  return true;
}

}  // namespace host::svg
