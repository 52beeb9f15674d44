// The plug-in's own classes that the panel's layout file names: the eleven drawn views
// and the field delegate.
#ifndef GUIDES_CLASSESVUES_H
#define GUIDES_CLASSESVUES_H

#include "kit/Layout.h"

// Teaches the bindings how to make each of them.
void DeclarerClassesVues(kit::LayoutBindings& liaisons);

#endif
