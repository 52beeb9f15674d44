#include "Theme.h"

bool InterfaceSombre = false;

float RougeTheme = 0.0f;
float VertTheme = 0.0f;
float BleuTheme = 0.0f;
float AlphaTheme = 0.0f;

float RougeTexteTheme = 0.0f;
float VertTexteTheme = 0.0f;
float BleuTexteTheme = 0.0f;
float AlphaTexteTheme = 0.0f;

float RougeFondTheme = 0.0f;
float VertFondTheme = 0.0f;
float BleuFondTheme = 0.0f;
float AlphaFondTheme = 0.0f;
