/* Synthetic keyboard events, CoreGraphics style: an event is created, posted into the
   platform event queue (kit::EventQueue), then released. */
#pragma once

#include <cstdint>

extern "C" {

typedef struct KitCGEvent* CGEventRef;
typedef struct KitCGEventSource* CGEventSourceRef;
typedef const void* CFTypeRef;
typedef uint16_t CGKeyCode;
typedef uint32_t CGEventTapLocation;

enum { kCGHIDEventTap = 0, kCGSessionEventTap = 1, kCGAnnotatedSessionEventTap = 2 };

/* A key press (keyDown true) or release; the source may be null. */
CGEventRef CGEventCreateKeyboardEvent(CGEventSourceRef source, CGKeyCode virtualKey, bool keyDown);
/* Queues a copy of the event for the host's event loop. A null or released event is ignored. */
void CGEventPost(CGEventTapLocation tap, CGEventRef event);
/* Releases an object made by a Create call. Null, or an object already released, is ignored. */
void CFRelease(CFTypeRef object);
}
