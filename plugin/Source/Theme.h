// The colours of the host's interface theme, as the host gave them when the panel was
// loaded or at the last brightness notification since. Every component is 0 before.
#ifndef GUIDES_THEME_H
#define GUIDES_THEME_H

#include "AITypes.h"

// The host's interface is dark.
extern bool InterfaceSombre;

// Theme colour: the veil of the wake-up view.
extern float RougeTheme;
extern float VertTheme;
extern float BleuTheme;
extern float AlphaTheme;

// Text colour: the help page label.
extern float RougeTexteTheme;
extern float VertTexteTheme;
extern float BleuTexteTheme;
extern float AlphaTexteTheme;

// Field background colour: the ten value fields.
extern float RougeFondTheme;
extern float VertFondTheme;
extern float BleuFondTheme;
extern float AlphaFondTheme;

// Takes the host's current theme: dark or not, and the colours above. Nothing without the
// host's theme suite.
AIErr LitLeTheme();

#endif
