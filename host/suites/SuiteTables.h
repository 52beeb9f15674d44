// The suite tables the host implements, one file per suite family.
#ifndef GUIDES_HOST_SUITES_SUITETABLES_H
#define GUIDES_HOST_SUITES_SUITETABLES_H

#include "AIAnnotator.h"
#include "AIArt.h"
#include "AIArtUtilities.h"
#include "AIArtboard.h"
#include "AIColor.h"
#include "AIContext.h"
#include "AIDataFilter.h"
#include "AIDocument.h"
#include "AIDocumentView.h"
#include "AIFiles.h"
#include "AIHitTest.h"
#include "AILayer.h"
#include "AIMath.h"
#include "AIMenu.h"
#include "AINotifier.h"
#include "AIPanel.h"
#include "AIPath.h"
#include "AIPlugin.h"
#include "AIPreference.h"
#include "AIText.h"
#include "AITool.h"
#include "AIUITheme.h"
#include "AIUnicodeString.h"
#include "AIUser.h"
#include "SPBasic.h"

namespace host {

// Documents and art.
extern const AIArtSuite artSuite;
extern const AIPathSuite pathSuite;
extern const AILayerSuite layerSuite;
extern const AIArtboardSuite artboardSuite;
extern const AIDocumentSuite documentSuite;
extern const AIDocumentViewSuite documentViewSuite;
extern const AIHitTestSuite hitTestSuite;

// Strings, alerts, preferences, resources.
extern const AIUnicodeStringSuite unicodeStringSuite;
extern const AIUserSuite userSuite;
extern const AIPreferenceSuite preferenceSuite;
extern const AIDataFilterSuite dataFilterSuite;

// The plug-in's life in the host.
extern SPBasicSuite basicSuite;
extern const SPAccessSuite accessSuite;
extern const SPPluginsSuite pluginsSuite;
extern const AIPluginSuite pluginSuite;
extern const AINotifierSuite notifierSuite;
extern const AIAppContextSuite appContextSuite;

// User interface.
extern const AIMenuSuite menuSuite;
extern const AIToolSuite toolSuite;
extern const AIAnnotatorSuite annotatorSuite;
extern const AIAnnotatorDrawerSuite annotatorDrawerSuite;
extern const AIPanelSuite panelSuite;
extern const AIPanelFlyoutMenuSuite panelFlyoutMenuSuite;
extern const AIUIThemeSuite uiThemeSuite;

// Files, folders, memory, run-time information.
extern const AIFilePathSuite filePathSuite;
extern const AIFoldersSuite foldersSuite;
extern const AIMdMemorySuite mdMemorySuite;
extern const AIRuntimeSuite runtimeSuite;
extern const SPBlocksSuite blocksSuite;

// Helpers the plug-in acquires and hardly uses.
extern const AIRealMathSuite realMathSuite;
extern const AIRealBezierSuite realBezierSuite;
extern const AITransformArtSuite transformArtSuite;
extern const AIRandomSuite randomSuite;
extern const AIUndoSuite undoSuite;
extern const AITagSuite tagSuite;
extern const AICursorSnapSuite cursorSnapSuite;
extern const AIMatchingArtSuite matchingArtSuite;
extern const AIArtConverterSuite artConverterSuite;
extern const AIArtSetSuite artSetSuite;
extern const AIGroupSuite groupSuite;
extern const AIPathStyleSuite pathStyleSuite;
extern const AITextFrameSuite textFrameSuite;
extern const AIATEPaintSuite atePaintSuite;
extern const AIFontSuite fontSuite;
extern const AIStringFormatUtilsSuite stringFormatUtilsSuite;
extern const AICustomColorSuite customColorSuite;
extern const AISwatchListSuite swatchListSuite;
extern const AISwatchGroupSuite swatchGroupSuite;

}  // namespace host

#endif
