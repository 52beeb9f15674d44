// Printouts of the host's interface, one line each, as the print commands show them.
#ifndef GUIDES_HOST_SESSION_INTERFACEPRINTOUTS_H
#define GUIDES_HOST_SESSION_INTERFACEPRINTOUTS_H

#include <string>
#include <vector>

namespace host {

// The toolbox: groups and toolsets in order, numbered from 1, each tool under its toolset
// with its number (its place in the toolbox), its name and "selected" for the selected one:
//   group 2
//     toolset 1
//       1 "Adobe Eyedropper Tool"
//       2 "My Tool" selected by MyPlugin.so title "My Tool" tooltip "My Tool 1.0" icons 101 102 options 1 info 15 16 23
// A companion's tool says "companion"; an icon whose file (ID.png in the plug-in's Resources
// folder) is missing is followed by "(missing)".
std::vector<std::string> toolLines();

// The overlay of the last frame: one line per item drawn, in order, or "overlay empty":
//   text "Click to lay out the guides." at 512 390 color 52428 13107 39321 font 0
//   line 10 20 to 30 40 color 0 0 0 width 1 solid
// then "invalidated L T R B" for each rectangle invalidated before it was drawn.
std::vector<std::string> overlayLines();

// The current cursor: "arrow" or "pointingHand" for the built-in ones; otherwise its
// image, top row first, one character a pixel ('#' dark, '.' light, ' ' transparent),
// then "hot spot X Y" (pixels from the top-left corner).
std::vector<std::string> cursorLines();

// The sounds played so far by file name, or "no sounds played"; the web pages opened, or
// "no urls opened".
std::vector<std::string> soundLines();
std::vector<std::string> urlLines();

}  // namespace host

#endif
