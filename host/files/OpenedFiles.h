// Documents that came from SVG files, or were saved to one: what a later save needs to give
// the file back with only the host's guides and layers changed.
#ifndef GUIDES_HOST_FILES_OPENEDFILES_H
#define GUIDES_HOST_FILES_OPENEDFILES_H

#include <cstdint>
#include <filesystem>
#include <optional>
#include <unordered_set>
#include <vector>

#include "model/Ref.h"
#include "svg/SvgDocument.h"

namespace host {

struct OpenedFile {
  // The file as it was read; empty bytes for a document made in the host and saved since.
  // Saves always start again from these bytes, so that nothing the host wrote piles up.
  std::optional<svg::SvgDocument> read;
  std::filesystem::path path;  // where `document save` writes; empty for an upload
  // Generations of the art made from the file's objects: written back as they were read.
  std::unordered_set<uint64_t> readArt;
  // The model layer of each layer of `read` that the host did not write, in order.
  std::vector<Ref> readLayers;
};

// The record of a document (by id), or null when it has none.
OpenedFile* openedFile(uint64_t document);
// Records a document's file, replacing any earlier record; records of documents no longer
// open are dropped on the way.
OpenedFile& recordFile(uint64_t document, OpenedFile file);

}  // namespace host

#endif
