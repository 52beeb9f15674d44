// The colours of the host's interface theme, as the last brightness notification gave
// them. Every component stays 0 until that first notification.
#ifndef GUIDES_THEME_H
#define GUIDES_THEME_H

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

#endif
