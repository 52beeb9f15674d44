// The guides tool's three cursors, drawn once when the panel is loaded.
#ifndef GUIDES_CURSEURS_H
#define GUIDES_CURSEURS_H

namespace kit {
class Cursor;
}

// A cross: over empty canvas, and when the tool is selected.
extern kit::Cursor* CurseurGenerique;
// An arrow beside a small page of columns: over an object.
extern kit::Cursor* CurseurGuidesObjet;
// A cross with a dotted line: while Alt is held.
extern kit::Cursor* CurseurPointille;

// Builds the three 16 x 16 images and their cursors, hot spot (7, 8) from the top-left
// corner. Null before the first call; later calls keep the cursors already made, which
// live until the process ends.
void CalculerCurseurs();

#endif
