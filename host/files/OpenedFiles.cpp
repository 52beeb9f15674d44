#include "files/OpenedFiles.h"

#include <unordered_map>

#include "model/Model.h"

namespace host {

namespace {

std::unordered_map<uint64_t, OpenedFile>& records() {
  static std::unordered_map<uint64_t, OpenedFile> all;
  return all;
}

bool isOpen(uint64_t document) {
  for (size_t i = 0; i < model().documentCount(); ++i)
    if (model().documentAt(i).id == document) return true;
  return false;
}

}  // namespace

OpenedFile* openedFile(uint64_t document) {
  auto found = records().find(document);
  return found == records().end() ? nullptr : &found->second;
}

OpenedFile& recordFile(uint64_t document, OpenedFile file) {
  std::erase_if(records(), [](const auto& entry) { return !isOpen(entry.first); });
  return records()[document] = std::move(file);
}

}  // namespace host
