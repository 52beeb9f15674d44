// Feedback sounds, played from the files of the plug-in's Resources folder.
#include "GuidesOutil.h"

void Sonorise(int16_t) {}
