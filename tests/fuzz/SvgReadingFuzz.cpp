// An SVG file of any content, read by the host: it opens or gives a reason, never crashes
// nor reads outside its bytes. A file that opens has a page; the places a save changes lie
// within its bytes; saving nothing gives it back less what the host wrote, and saving a
// guide and a layer gives a file that opens again with them.
#include <cstdint>
#include <string>

#include "VerifieFuzz.h"
#include "svg/SvgReading.h"
#include "svg/SvgWriting.h"

using namespace host::svg;

namespace {

std::string withoutHostWritten(const SvgDocument& document) {
  std::string kept;
  size_t at = 0;
  for (const Span& span : document.hostWritten) {
    if (span.begin < at) continue;
    kept += document.bytes.substr(at, span.begin - at);
    at = span.end;
  }
  return kept + document.bytes.substr(at);
}

void checkPlaces(const SvgDocument& document) {
  const size_t size = document.bytes.size();
  VERIFIE(!document.pages.empty(), "a file opened with no page");
  for (const Span& span : document.hostWritten) {
    VERIFIE(span.begin <= span.end && span.end <= size, "a span [%zu, %zu) of %zu bytes", span.begin, span.end, size);
  }
  VERIFIE(document.layersAt <= size && document.namedViewAt <= size, "a place beyond the bytes");
  VERIFIE(document.guidesAt == std::string::npos || document.guidesAt <= size, "guides beyond the bytes");
}

SaveContent someWork() {
  SaveContent content;
  content.guides = {{{10, 20}, {0, 1}, "x"}, {{10, 20}, {1, 0}, ""}};
  Layer layer;
  layer.title = "host";
  layer.writtenByHost = true;
  Object path;
  path.kind = Object::Kind::Path;
  path.guide = true;
  path.segments = {{{0, 0}, {0, 0}, {0, 0}}, {{5, 5}, {5, 5}, {5, 5}}};
  layer.objects = {path};
  content.layers = {layer};
  return content;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SvgDocument document;
  std::string reason;
  if (!readSvg(std::string(reinterpret_cast<const char*>(data), size), {}, &document, &reason)) {
    VERIFIE(!reason.empty(), "a file refused with no reason");
    return 0;
  }
  checkPlaces(document);
  VERIFIE(writeBack(document, {}) == withoutHostWritten(document), "saving nothing changed other bytes");
  SvgDocument again;
  const std::string saved = writeBack(document, someWork());
  VERIFIE(readSvg(saved, {}, &again, &reason), "the file saved does not open: %s", reason.c_str());
  VERIFIE(again.hostGuides.size() == 2, "%zu guides read back of the 2 written", again.hostGuides.size());
  return 0;
}
