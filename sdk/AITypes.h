/* Common types of the host interface. C-compatible. */
#ifndef GUIDES_SDK_AITYPES_H
#define GUIDES_SDK_AITYPES_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define AI_EXTERN_C extern "C"
#define AI_BEGIN_C extern "C" {
#define AI_END_C }
#else
#define AI_EXTERN_C
#define AI_BEGIN_C
#define AI_END_C
#endif

AI_BEGIN_C

typedef int32_t AIErr;
typedef int32_t ASErr;
typedef float AIReal;
typedef double AIDouble;
typedef unsigned char AIBoolean;
typedef unsigned char ASBoolean;
typedef int16_t ai_int16;
typedef int32_t ai_int32;

/* Four-character codes, most significant byte first: '!MSG' == 0x214D5347. */
#define AI_FOURCC(a, b, c, d) \
  ((int32_t)(((uint32_t)(unsigned char)(a) << 24) | ((uint32_t)(unsigned char)(b) << 16) | \
             ((uint32_t)(unsigned char)(c) << 8) | (uint32_t)(unsigned char)(d)))

/* Artwork geometry: points, y growing upwards, single precision. */
typedef struct AIRealPoint { AIReal h, v; } AIRealPoint;
typedef struct AIRealRect { AIReal left, top, right, bottom; } AIRealRect;
/* A path segment: anchor point, in and out direction handles, corner flag. */
typedef struct AIPathSegment { AIRealPoint p, in, out; AIBoolean corner; } AIPathSegment;
/* View geometry: pixels of the document window, y growing downwards. */
typedef struct AIPoint { int32_t h, v; } AIPoint;
typedef struct AIRect { int32_t left, top, right, bottom; } AIRect;
typedef struct AISize { AIReal width, height; } AISize;
typedef struct AIRGBColor { uint16_t red, green, blue; } AIRGBColor;

/* Opaque handles. Art handles carry a (slot, generation) pair, so a stale one is detected. */
typedef struct AIOpaqueArt* AIArtHandle;
typedef struct AIOpaqueLayer* AILayerHandle;
typedef struct AIOpaqueDocument* AIDocumentHandle;
typedef struct AIOpaqueDocumentView* AIDocumentViewHandle;
typedef struct AIOpaqueTool* AIToolHandle;
typedef struct AIOpaqueNotifier* AINotifierHandle;
typedef struct AIOpaqueMenuItem* AIMenuItemHandle;
typedef struct AIOpaqueMenuGroup* AIMenuGroup;
typedef struct AIOpaqueAnnotator* AIAnnotatorHandle;
typedef struct AIOpaqueAnnotatorDrawer AIAnnotatorDrawer;
typedef struct AIOpaqueHit* AIHitRef;
typedef struct AIOpaquePanel* AIPanelRef;
typedef struct AIOpaqueFlyoutMenu* AIPanelFlyoutMenuRef;
typedef struct AIOpaqueArtboardList* AIArtboardListRef;
typedef struct AIOpaqueArtboardProperties* AIArtboardPropertiesRef;
typedef struct AIOpaqueUnicodeString* AIUnicodeStringRef;
typedef struct AIOpaqueAppContext* AIAppContextHandle;
typedef struct AIOpaqueResourceManager* AIResourceManagerHandle;
typedef struct AIOpaqueDataFilter AIDataFilter;
typedef struct SPOpaquePlugin* SPPluginRef;
typedef struct SPOpaqueAccess* SPAccessRef;

/* Paint orders: where new art or a new layer goes relative to a reference. */
enum {
  kPlaceAbove = 1,
  kPlaceBelow = 2,
  kPlaceInsideOnTop = 3,
  kPlaceInsideOnBottom = 4,
  kPlaceAboveAll = 5,
  kPlaceBelowAll = 6
};

/* Art types. */
enum { kUnknownArt = 0, kGroupArt = 1, kPathArt = 2 };

/* User attributes of art. */
enum { kArtSelected = 0x1, kArtLocked = 0x2, kArtHidden = 0x4 };

/* Result codes. */
enum {
  kNoErr = 0,
  kUnhandledMsgErr = AI_FOURCC('!', 'M', 'S', 'G'),
  kOutOfMemoryErr = AI_FOURCC('!', 'M', 'E', 'M'),
  kCantHappenErr = AI_FOURCC('C', 'A', 'N', 'T'),
  kBadParameterErr = AI_FOURCC('P', 'A', 'R', 'M'),
  kNotFoundErr = AI_FOURCC('N', 'F', 'N', 'D'),
  kStaleHandleErr = AI_FOURCC('S', 'T', 'A', 'L'),
  kNoDocumentErr = AI_FOURCC('D', 'O', 'C', '?'),
  kLayerLockedErr = AI_FOURCC('L', 'O', 'C', 'K'),
  kNotFiniteErr = AI_FOURCC('N', 'A', 'N', '!'),
  kSuiteNotFoundErr = AI_FOURCC('S', '!', 'F', 'd'),
  kBadSuiteVersionErr = AI_FOURCC('S', 'V', 'e', 'r'),
  kPurgedErr = AI_FOURCC('p', 'F', 'l', 's'),
  kTooManyErr = AI_FOURCC('M', 'A', 'X', '!'),
  kModalAbortedErr = AI_FOURCC('A', 'B', 'R', 'T')
};

/* Text encodings: 0 is the platform encoding, UTF-8 on this platform. */
enum { kAIPlatformCharacterEncoding = 0, kAIUTF8CharacterEncoding = 1 };

AI_END_C

#ifdef __cplusplus
/* The same four-character helper as a constant expression for C++ code. */
constexpr int32_t ai_fourcc(const char (&s)[5]) {
  return static_cast<int32_t>((static_cast<uint32_t>(static_cast<unsigned char>(s[0])) << 24) |
                              (static_cast<uint32_t>(static_cast<unsigned char>(s[1])) << 16) |
                              (static_cast<uint32_t>(static_cast<unsigned char>(s[2])) << 8) |
                              static_cast<uint32_t>(static_cast<unsigned char>(s[3])));
}
static_assert(ai_fourcc("!MSG") == 0x214D5347, "four-character codes are big-endian");
#endif

#endif
