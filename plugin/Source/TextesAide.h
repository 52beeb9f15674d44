// The eleven pages of the panel's help, read from the plug-in's Resources folder.
#ifndef GUIDES_TEXTESAIDE_H
#define GUIDES_TEXTESAIDE_H

#include <cstddef>
#include <string>

inline constexpr int kNombrePagesAide = 11;
// A help page is a few paragraphs; a file much larger is not one of ours.
inline constexpr std::size_t kTailleMaxPageAide = 64 * 1024;

// The text of help page `numero` (1 to 11), UTF-8. The pages are read once, at the first
// call, from Resources/Aide/page01.txt ... page11.txt beside the module that holds this
// code. A page number out of range, or a page that is missing, unreadable, too large or
// not valid UTF-8, gives the empty text.
const std::string& TexteDePageAide(int numero);

// One help page file as TexteDePageAide takes it: its UTF-8 text without the line breaks
// that end it, or the empty text when it cannot be read, is larger than kTailleMaxPageAide
// or is not valid UTF-8.
std::string LireTexteAide(const std::string& chemin);

#endif
