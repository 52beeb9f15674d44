// The files the plug-in reads from its Resources folder (sounds, icons, help pages),
// checked once when the application has started: one alert names every file that is
// missing or damaged, and the plug-in goes on without it (no sound, an empty help page;
// the host shows no icon it cannot read). The panel's layout reports itself when it is
// loaded.
#ifndef GUIDES_VERIFIERESSOURCES_H
#define GUIDES_VERIFIERESSOURCES_H

#include <string>
#include <string_view>
#include <vector>

// True for the bytes of a whole PNG image: the signature, a header chunk with a width and
// a height, and the end chunk last (a cut file lacks it).
bool EstImagePng(std::string_view octets);

// True for a regular file holding a whole AIFF sound: the FORM chunk of type AIFF whose
// length is the rest of the file.
bool EstSonAiff(const std::string& chemin);

// The names, relative to the Resources folder, of the files that are missing or damaged,
// in a fixed order; all of them when the module's folder cannot be found.
std::vector<std::string> RessourcesAbimees();

// Shows the alert when RessourcesAbimees names any file.
void SignaleRessourcesAbimees();

#endif
