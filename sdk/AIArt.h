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
  /* Makes art of the given type (kGroupArt, kPathArt) placed by paintOrder relative to prep.
     With kPlaceInsideOnTop / kPlaceInsideOnBottom, prep must be a group. */
  AIErr (*NewArt)(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt);
  /* Disposes the art and everything inside it. */
  AIErr (*DisposeArt)(AIArtHandle art);
  AIErr (*GetArtType)(AIArtHandle art, int16_t* type);
  AIErr (*GetArtParent)(AIArtHandle art, AIArtHandle* parent);
  /* The front-most child of a group, or null when it has none. */
  AIErr (*GetArtFirstChild)(AIArtHandle art, AIArtHandle* child);
  /* The next art behind this one in its parent, or null. */
  AIErr (*GetArtSibling)(AIArtHandle art, AIArtHandle* sibling);
  AIErr (*GetArtPriorSibling)(AIArtHandle art, AIArtHandle* sibling);
  /* Bounds of the art's anchor points (of all its descendants for a group). */
  AIErr (*GetArtBounds)(AIArtHandle art, AIRealRect* bounds);
  /* *name receives a new string owned by the caller; a string already there is disposed. */
  AIErr (*GetArtName)(AIArtHandle art, AIUnicodeStringRef* name, AIBoolean* isDefaultName);
  AIErr (*SetArtName)(AIArtHandle art, AIUnicodeStringRef name);
  /* attr receives the user attributes masked by whichAttr (kArtLocked, kArtHidden, ...). */
  AIErr (*GetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t* attr);
  /* Sets the attributes of whichAttr to those of attr. */
  AIErr (*SetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t attr);
  /* *valid is true when the handle designates live art of the document in front.
     searchAllLayerLists is accepted for compatibility; every list is always searched. */
  AIErr (*ValidArt)(AIArtHandle art, AIBoolean searchAllLayerLists, AIBoolean* valid);
  /* The layer the art belongs to. */
  AIErr (*GetLayerOfArt)(AIArtHandle art, AILayerHandle* layer);
} AIArtSuite;

AI_END_C

#endif
