#include "SimuleAppuiTouche.h"

#include "GuidesOutil.h"
#include "kit/CoreGraphics.h"

namespace {
constexpr CGKeyCode kToucheFn = 63;
}

void SimuleAppuiToucheFn() {
  CGEventRef evenement = CGEventCreateKeyboardEvent(nullptr, kToucheFn, true);
  CGEventPost(kCGSessionEventTap, evenement);
  CFRelease(evenement);
  DoitRedessiner = true;
}
