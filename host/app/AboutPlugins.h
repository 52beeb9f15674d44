// The host's own "À propos des modules" menu, under "Aide": one item per running plug-in, by the
// name it gave itself. Choosing one sends the plug-in "SP Interface"/"About", as the host's
// About Plug-ins dialog does when the user asks about a plug-in in its list.
#ifndef GUIDES_HOST_APP_ABOUTPLUGINS_H
#define GUIDES_HOST_APP_ABOUTPLUGINS_H

#include <string>
#include <string_view>

namespace host {

class Application;

// Whether a menu path goes into the host's "Aide" menu.
bool isHelpMenuPath(std::string_view path);

// Sends "About" to the plug-in a path names ("Aide/À propos des modules/My Plug-in"); the reason
// when the path names none, else empty.
std::string chooseAboutPlugin(Application& application, std::string_view path);

}  // namespace host

#endif
