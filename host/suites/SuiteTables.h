// The suite tables the host implements, one per suite family.
#ifndef GUIDES_HOST_SUITES_SUITETABLES_H
#define GUIDES_HOST_SUITES_SUITETABLES_H

#include "AIArt.h"
#include "AIArtboard.h"
#include "AIDocument.h"
#include "AILayer.h"
#include "AIPath.h"
#include "AIUnicodeString.h"
#include "AIUser.h"

namespace host {

extern const AIArtSuite artSuite;
extern const AIPathSuite pathSuite;
extern const AILayerSuite layerSuite;
extern const AIArtboardSuite artboardSuite;
extern const AIUnicodeStringSuite unicodeStringSuite;
extern const AIUserSuite userSuite;
extern const AIDocumentSuite documentSuite;

}  // namespace host

#endif
