// SVG files as documents: opening one as a new document in front, and saving the document
// in front as one. Errors come back as one line for the user; nothing is half done.
#ifndef GUIDES_HOST_FILES_DOCUMENTFILES_H
#define GUIDES_HOST_FILES_DOCUMENTFILES_H

#include <filesystem>
#include <string>

namespace host {

// Opens a file as a new document in front, named after the file; a later save without a
// path writes it back there.
bool openDocumentFile(const std::filesystem::path& file, std::string* reason);
// Opens the bytes of a file that came without a folder (an upload): nothing beside it is read.
bool openDocumentBytes(std::string bytes, const std::string& name, std::string* reason);

// The document in front as its SVG file: the file it was opened from with the host's guides
// and layers in it, or a new file for a document made in the host. False without a document.
bool documentFileBytes(std::string* bytes, std::string* reason);
// Writes that file, atomically and where symbolic links lead, to `file`, or with an empty
// path to the file the document was opened from or last saved to.
bool saveDocumentFile(const std::filesystem::path& file, std::string* reason);

// The name under which the document in front would be saved or downloaded ("poster.svg").
std::string documentFileName();

}  // namespace host

#endif
