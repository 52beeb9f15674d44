#include "GuidesSuites.h"

SPBasicSuite* sSPBasic = nullptr;

const SPAccessSuite* sSPAccess = nullptr;
const SPPluginsSuite* sSPPlugins = nullptr;
const AINotifierSuite* sAINotifier = nullptr;
const AIAppContextSuite* sAIAppContext = nullptr;
const AIUserSuite* sAIUser = nullptr;
const AIFilePathSuite* sAIFilePath = nullptr;
const AIFoldersSuite* sAIFolders = nullptr;

const AIMenuSuite* sAIMenu = nullptr;
const AIToolSuite* sAITool = nullptr;
const AIUnicodeStringSuite* sAIUnicodeString = nullptr;
const AIPluginSuite* sAIPlugin = nullptr;
const SPBlocksSuite* sSPBlocks = nullptr;
const AIUndoSuite* sAIUndo = nullptr;
const AIArtSuite* sAIArt = nullptr;
const AIRealMathSuite* sAIRealMath = nullptr;
const AIPathSuite* sAIPath = nullptr;
const AIPathStyleSuite* sAIPathStyle = nullptr;
const AIAnnotatorSuite* sAIAnnotator = nullptr;
const AIAnnotatorDrawerSuite* sAIAnnotatorDrawer = nullptr;
const AIDocumentViewSuite* sAIDocumentView = nullptr;
const AIDocumentSuite* sAIDocument = nullptr;
const AIStringFormatUtilsSuite* sAIStringFormatUtils = nullptr;
const AIRealMathSuite* sMath = nullptr;
const AITransformArtSuite* sAITransformArt = nullptr;
const AIPanelFlyoutMenuSuite* sAIPanelFlyoutMenu = nullptr;
const AIHitTestSuite* sAIHitTest = nullptr;
const AITagSuite* sAITag = nullptr;
const AICursorSnapSuite* sAICursorSnap = nullptr;
const AILayerSuite* sAILayer = nullptr;
const AIRealBezierSuite* sAIRealBezier = nullptr;
const AIMdMemorySuite* sAIMdMemory = nullptr;
const AIMatchingArtSuite* sAIMatchingArt = nullptr;
const AITextFrameSuite* sAITextFrame = nullptr;
const AIATEPaintSuite* sAIATEPaint = nullptr;
const AIArtConverterSuite* sAIArtConverter = nullptr;
const AIPreferenceSuite* sAIPreference = nullptr;
const AIRuntimeSuite* sAIRuntime = nullptr;
const AIFontSuite* sAIFont = nullptr;
const AICustomColorSuite* sAICustomColor = nullptr;
const AISwatchListSuite* sAISwatchList = nullptr;
const AISwatchGroupSuite* sAISwatchGroup = nullptr;
const AIArtSetSuite* sAIArtSet = nullptr;
const AIGroupSuite* sAIGroup = nullptr;
const AIRandomSuite* sAIRandom = nullptr;
const AIUIThemeSuite* sAIUITheme = nullptr;
const AIPanelSuite* sAIPanel = nullptr;
const AIArtboardSuite* sAIArtboard = nullptr;

#define SUITE_ROW(name, version, global) {name, version, reinterpret_cast<const void**>(&global)}

ImportSuite gBasicSuites[] = {
    SUITE_ROW(kSPAccessSuite, kSPAccessSuiteVersion, sSPAccess),
    SUITE_ROW(kSPPluginsSuite, kSPPluginsSuiteVersion, sSPPlugins),
    SUITE_ROW(kAINotifierSuite, kAINotifierSuiteVersion, sAINotifier),
    SUITE_ROW(kAIAppContextSuite, kAIAppContextSuiteVersion, sAIAppContext),
    SUITE_ROW(kAIUserSuite, kAIUserSuiteVersion, sAIUser),
    SUITE_ROW(kAIFilePathSuite, kAIFilePathSuiteVersion, sAIFilePath),
    SUITE_ROW(kAIFoldersSuite, kAIFoldersSuiteVersion, sAIFolders),
    {nullptr, 0, nullptr},
};

ImportSuite gImportSuites[] = {
    SUITE_ROW(kAIMenuSuite, kAIMenuSuiteVersion, sAIMenu),
    SUITE_ROW(kAIToolSuite, kAIToolSuiteVersion, sAITool),
    SUITE_ROW(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, sAIUnicodeString),
    SUITE_ROW(kAIPluginSuite, kAIPluginSuiteVersion, sAIPlugin),
    SUITE_ROW(kSPBlocksSuite, kSPBlocksSuiteVersion, sSPBlocks),
    SUITE_ROW(kAIUndoSuite, kAIUndoSuiteVersion, sAIUndo),
    SUITE_ROW(kAIArtSuite, kAIArtSuiteVersion, sAIArt),
    SUITE_ROW(kAIRealMathSuite, kAIRealMathSuiteVersion, sAIRealMath),
    SUITE_ROW(kAIPathSuite, kAIPathSuiteVersion, sAIPath),
    SUITE_ROW(kAIPathStyleSuite, kAIPathStyleSuiteVersion, sAIPathStyle),
    SUITE_ROW(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, sAIAnnotator),
    SUITE_ROW(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, sAIAnnotatorDrawer),
    SUITE_ROW(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, sAIDocumentView),
    SUITE_ROW(kAIDocumentSuite, kAIDocumentSuiteVersion, sAIDocument),
    SUITE_ROW(kAIStringFormatUtilsSuite, kAIStringFormatUtilsSuiteVersion, sAIStringFormatUtils),
    SUITE_ROW(kAIRealMathSuite, kAIRealMathSuiteVersion, sMath),
    SUITE_ROW(kAITransformArtSuite, kAITransformArtSuiteVersion, sAITransformArt),
    SUITE_ROW(kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion, sAIPanelFlyoutMenu),
    SUITE_ROW(kAIHitTestSuite, kAIHitTestSuiteVersion, sAIHitTest),
    SUITE_ROW(kAITagSuite, kAITagSuiteVersion, sAITag),
    SUITE_ROW(kAICursorSnapSuite, kAICursorSnapSuiteVersion, sAICursorSnap),
    SUITE_ROW(kAILayerSuite, kAILayerSuiteVersion, sAILayer),
    SUITE_ROW(kAIRealBezierSuite, kAIRealBezierSuiteVersion, sAIRealBezier),
    SUITE_ROW(kAIMdMemorySuite, kAIMdMemorySuiteVersion, sAIMdMemory),
    SUITE_ROW(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, sAIMatchingArt),
    SUITE_ROW(kAITextFrameSuite, kAITextFrameSuiteVersion, sAITextFrame),
    SUITE_ROW(kAIATEPaintSuite, kAIATEPaintSuiteVersion, sAIATEPaint),
    SUITE_ROW(kAIArtConverterSuite, kAIArtConverterSuiteVersion, sAIArtConverter),
    SUITE_ROW(kAIPreferenceSuite, kAIPreferenceSuiteVersion, sAIPreference),
    SUITE_ROW(kAIRuntimeSuite, kAIRuntimeSuiteVersion, sAIRuntime),
    SUITE_ROW(kAIFontSuite, kAIFontSuiteVersion, sAIFont),
    SUITE_ROW(kAICustomColorSuite, kAICustomColorSuiteVersion, sAICustomColor),
    SUITE_ROW(kAISwatchListSuite, kAISwatchListSuiteVersion, sAISwatchList),
    SUITE_ROW(kAISwatchGroupSuite, kAISwatchGroupSuiteVersion, sAISwatchGroup),
    SUITE_ROW(kAIArtSetSuite, kAIArtSetSuiteVersion, sAIArtSet),
    SUITE_ROW(kAIGroupSuite, kAIGroupSuiteVersion, sAIGroup),
    SUITE_ROW(kAIRandomSuite, kAIRandomSuiteVersion, sAIRandom),
    SUITE_ROW(kAIUIThemeSuite, kAIUIThemeSuiteVersion, sAIUITheme),
    SUITE_ROW(kAIPanelSuite, kAIPanelSuiteVersion, sAIPanel),
    SUITE_ROW(kAIArtboardSuite, kAIArtboardSuiteVersion, sAIArtboard),
    {nullptr, 0, nullptr},
};
