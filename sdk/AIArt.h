/* Art objects: groups and paths in the document in front. */
#ifndef GUIDES_SDK_AIART_H
#define GUIDES_SDK_AIART_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 1016

/* Every call given a handle that is not valid (disposed art, art of a document that is
   not in front) returns kStaleHandleErr and changes nothing. */
typedef struct AIArtSuite {
  /* With a document in front; makes art of the given type (kGroupArt, kPathArt) placed by paintOrder
     relative to prep (a group with kPlaceInsideOnTop / kPlaceInsideOnBottom). *newArt is a host handle. */
  AIErr (*NewArt)(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt);
  /* Any time; disposes the art and everything inside it: every handle to them goes stale. */
  AIErr (*DisposeArt)(AIArtHandle art);
  /* Any time; kGroupArt or kPathArt. */
  AIErr (*GetArtType)(AIArtHandle art, int16_t* type);
  /* Any time; *parent is a host handle: the group holding the art. */
  AIErr (*GetArtParent)(AIArtHandle art, AIArtHandle* parent);
  /* Any time; the front-most child of a group, or null when it has none; a host handle. */
  AIErr (*GetArtFirstChild)(AIArtHandle art, AIArtHandle* child);
  /* Any time; the next art behind this one in its parent, or null; a host handle. */
  AIErr (*GetArtSibling)(AIArtHandle art, AIArtHandle* sibling);
  /* Any time; the art in front of this one in its parent, or null; a host handle. */
  AIErr (*GetArtPriorSibling)(AIArtHandle art, AIArtHandle* sibling);
  /* Any time; bounds of the art's anchor points (of all its descendants for a group). */
  AIErr (*GetArtBounds)(AIArtHandle art, AIRealRect* bounds);
  /* Any time; *name receives a new string, the caller's until Dispose; a string already there is disposed. */
  AIErr (*GetArtName)(AIArtHandle art, AIUnicodeStringRef* name, AIBoolean* isDefaultName);
  /* Any time; the text is copied, the caller keeps its string. */
  AIErr (*SetArtName)(AIArtHandle art, AIUnicodeStringRef name);
  /* Any time; attr receives the user attributes masked by whichAttr (kArtLocked, kArtHidden, ...). */
  AIErr (*GetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t* attr);
  /* Any time; sets the attributes of whichAttr to those of attr. */
  AIErr (*SetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t attr);
  /* Any time; *valid is true when the handle designates live art of the document in front.
     searchAllLayerLists is accepted for compatibility; every list is always searched. */
  AIErr (*ValidArt)(AIArtHandle art, AIBoolean searchAllLayerLists, AIBoolean* valid);
  /* Any time; the layer the art belongs to, a host handle. */
  AIErr (*GetLayerOfArt)(AIArtHandle art, AILayerHandle* layer);
} AIArtSuite;

AI_END_C

#endif
