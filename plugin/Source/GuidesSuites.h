// The host suites the plug-in uses, each reached through its global pointer.
#ifndef GUIDES_GUIDESSUITES_H
#define GUIDES_GUIDESSUITES_H

#include "SPBasic.h"
#include "AINotifier.h"
#include "AIContext.h"
#include "AIUnicodeString.h"
#include "AIArt.h"
#include "AIPath.h"
#include "AILayer.h"
#include "AIArtboard.h"
#include "AIUser.h"
#include "AIDocument.h"
#include "AIPlugin.h"
#include "AIDataFilter.h"
#include "AIPreference.h"
#include "AIMenu.h"
#include "AITool.h"
#include "AIHitTest.h"
#include "AIDocumentView.h"
#include "AIAnnotator.h"
#include "AIPanel.h"
#include "AIUITheme.h"
#include "AIMath.h"
#include "AIFiles.h"
#include "AIArtUtilities.h"
#include "AIText.h"
#include "AIColor.h"

// One row of a suite table: the suite's name and version, and the global that receives it.
struct ImportSuite {
  const char* name;
  int32_t version;
  const void** suite;
};

extern "C" SPBasicSuite* sSPBasic;

extern "C" const SPAccessSuite* sSPAccess;
extern "C" const SPPluginsSuite* sSPPlugins;
extern "C" const AINotifierSuite* sAINotifier;
extern "C" const AIAppContextSuite* sAIAppContext;
extern "C" const AIUserSuite* sAIUser;
extern "C" const AIFilePathSuite* sAIFilePath;
extern "C" const AIFoldersSuite* sAIFolders;

extern "C" const AIMenuSuite* sAIMenu;
extern "C" const AIToolSuite* sAITool;
extern "C" const AIUnicodeStringSuite* sAIUnicodeString;
extern "C" const AIPluginSuite* sAIPlugin;
extern "C" const SPBlocksSuite* sSPBlocks;
extern "C" const AIUndoSuite* sAIUndo;
extern "C" const AIArtSuite* sAIArt;
extern "C" const AIRealMathSuite* sAIRealMath;
extern "C" const AIPathSuite* sAIPath;
extern "C" const AIPathStyleSuite* sAIPathStyle;
extern "C" const AIAnnotatorSuite* sAIAnnotator;
extern "C" const AIAnnotatorDrawerSuite* sAIAnnotatorDrawer;
extern "C" const AIDocumentViewSuite* sAIDocumentView;
extern "C" const AIDocumentSuite* sAIDocument;
extern "C" const AIStringFormatUtilsSuite* sAIStringFormatUtils;
extern "C" const AIRealMathSuite* sMath;
extern "C" const AITransformArtSuite* sAITransformArt;
extern "C" const AIPanelFlyoutMenuSuite* sAIPanelFlyoutMenu;
extern "C" const AIHitTestSuite* sAIHitTest;
extern "C" const AITagSuite* sAITag;
extern "C" const AICursorSnapSuite* sAICursorSnap;
extern "C" const AILayerSuite* sAILayer;
extern "C" const AIRealBezierSuite* sAIRealBezier;
extern "C" const AIMdMemorySuite* sAIMdMemory;
extern "C" const AIMatchingArtSuite* sAIMatchingArt;
extern "C" const AITextFrameSuite* sAITextFrame;
extern "C" const AIATEPaintSuite* sAIATEPaint;
extern "C" const AIArtConverterSuite* sAIArtConverter;
extern "C" const AIPreferenceSuite* sAIPreference;
extern "C" const AIRuntimeSuite* sAIRuntime;
extern "C" const AIFontSuite* sAIFont;
extern "C" const AICustomColorSuite* sAICustomColor;
extern "C" const AISwatchListSuite* sAISwatchList;
extern "C" const AISwatchGroupSuite* sAISwatchGroup;
extern "C" const AIArtSetSuite* sAIArtSet;
extern "C" const AIGroupSuite* sAIGroup;
extern "C" const AIRandomSuite* sAIRandom;
extern "C" const AIUIThemeSuite* sAIUITheme;
extern "C" const AIPanelSuite* sAIPanel;
extern "C" const AIArtboardSuite* sAIArtboard;

// Acquired at start-up, in order. Each table ends with a row whose name is null.
extern ImportSuite gBasicSuites[];
extern ImportSuite gImportSuites[];

#endif
