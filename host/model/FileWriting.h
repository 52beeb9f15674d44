// Files the host writes so that a crash never leaves half of one: the text goes to a
// temporary file in the same folder, is flushed to the disk, then renamed over the target.
#ifndef GUIDES_HOST_MODEL_FILEWRITING_H
#define GUIDES_HOST_MODEL_FILEWRITING_H

#include <filesystem>
#include <string>
#include <string_view>

namespace host {

// Writes text to file atomically, creating missing folders. False, with the reason, when
// it could not; the file is then as it was and no temporary file is left.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view text,
                         std::string* reason);

// Renames a file to "<file>.damaged", or "<file>.damaged.N" with the first N free, so
// that nothing is overwritten. Returns the new path, or an empty one when it failed.
std::filesystem::path moveAside(const std::filesystem::path& file);

// The file a path leads to once its symbolic links are followed, even to a target that does
// not exist yet; the path itself when it is no link. A file written there keeps the links
// that lead to it. A loop of links answers the path as given.
std::filesystem::path followLinks(const std::filesystem::path& file);

// The whole content of a file; false when it cannot be read.
bool readFile(const std::filesystem::path& file, std::string* text);

}  // namespace host

#endif
