#include "suites/SuiteRegistry.h"

#include "suites/GuardedTables.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

template <class Suite>
constexpr SuiteEntry entry(std::string_view name, int32_t version, const Suite& table) {
  return SuiteEntry{name, version, &table, sizeof(Suite)};
}

const SuiteEntry kSuites[] = {
    entry(kSPBasicSuite, kSPBasicSuiteVersion, basicSuite),
    entry(kSPAccessSuite, kSPAccessSuiteVersion, accessSuite),
    entry(kSPPluginsSuite, kSPPluginsSuiteVersion, pluginsSuite),
    entry(kSPBlocksSuite, kSPBlocksSuiteVersion, blocksSuite),
    entry(kAINotifierSuite, kAINotifierSuiteVersion, notifierSuite),
    entry(kAIAppContextSuite, kAIAppContextSuiteVersion, appContextSuite),
    entry(kAIPluginSuite, kAIPluginSuiteVersion, pluginSuite),
    entry(kAIPreferenceSuite, kAIPreferenceSuiteVersion, preferenceSuite),
    entry(kAIDataFilterSuite, kAIDataFilterSuiteVersion, dataFilterSuite),
    entry(kAIUserSuite, kAIUserSuiteVersion, userSuite),
    entry(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, unicodeStringSuite),
    entry(kAIArtSuite, kAIArtSuiteVersion, artSuite),
    entry(kAIPathSuite, kAIPathSuiteVersion, pathSuite),
    entry(kAILayerSuite, kAILayerSuiteVersion, layerSuite),
    entry(kAIArtboardSuite, kAIArtboardSuiteVersion, artboardSuite),
    entry(kAIDocumentSuite, kAIDocumentSuiteVersion, documentSuite),
    entry(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, documentViewSuite),
    entry(kAIHitTestSuite, kAIHitTestSuiteVersion, hitTestSuite),
    entry(kAIMenuSuite, kAIMenuSuiteVersion, menuSuite),
    entry(kAIToolSuite, kAIToolSuiteVersion, toolSuite),
    entry(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, annotatorSuite),
    entry(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, annotatorDrawerSuite),
    entry(kAIPanelSuite, kAIPanelSuiteVersion, panelSuite),
    entry(kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion, panelFlyoutMenuSuite),
    entry(kAIUIThemeSuite, kAIUIThemeSuiteVersion, uiThemeSuite),
    entry(kAIFilePathSuite, kAIFilePathSuiteVersion, filePathSuite),
    entry(kAIFoldersSuite, kAIFoldersSuiteVersion, foldersSuite),
    entry(kAIMdMemorySuite, kAIMdMemorySuiteVersion, mdMemorySuite),
    entry(kAIRuntimeSuite, kAIRuntimeSuiteVersion, runtimeSuite),
    entry(kAIRealMathSuite, kAIRealMathSuiteVersion, realMathSuite),
    entry(kAIRealBezierSuite, kAIRealBezierSuiteVersion, realBezierSuite),
    entry(kAITransformArtSuite, kAITransformArtSuiteVersion, transformArtSuite),
    entry(kAIRandomSuite, kAIRandomSuiteVersion, randomSuite),
    entry(kAIUndoSuite, kAIUndoSuiteVersion, undoSuite),
    entry(kAITagSuite, kAITagSuiteVersion, tagSuite),
    entry(kAICursorSnapSuite, kAICursorSnapSuiteVersion, cursorSnapSuite),
    entry(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, matchingArtSuite),
    entry(kAIArtConverterSuite, kAIArtConverterSuiteVersion, artConverterSuite),
    entry(kAIArtSetSuite, kAIArtSetSuiteVersion, artSetSuite),
    entry(kAIGroupSuite, kAIGroupSuiteVersion, groupSuite),
    entry(kAIPathStyleSuite, kAIPathStyleSuiteVersion, pathStyleSuite),
    entry(kAITextFrameSuite, kAITextFrameSuiteVersion, textFrameSuite),
    entry(kAIATEPaintSuite, kAIATEPaintSuiteVersion, atePaintSuite),
    entry(kAIFontSuite, kAIFontSuiteVersion, fontSuite),
    entry(kAIStringFormatUtilsSuite, kAIStringFormatUtilsSuiteVersion, stringFormatUtilsSuite),
    entry(kAICustomColorSuite, kAICustomColorSuiteVersion, customColorSuite),
    entry(kAISwatchListSuite, kAISwatchListSuiteVersion, swatchListSuite),
    entry(kAISwatchGroupSuite, kAISwatchGroupSuiteVersion, swatchGroupSuite),
};

}  // namespace

std::span<const SuiteEntry> allSuites() { return kSuites; }

const void* findSuite(std::string_view name, int32_t version) {
  for (const SuiteEntry& suite : kSuites)
    if (suite.name == name && suite.version == version) return suite.table;
  return nullptr;
}

const void* tableToHandOut(const void* table) { return guardedTwin(table); }

SPBasicSuite* messageBasicSuite() {
  return const_cast<SPBasicSuite*>(static_cast<const SPBasicSuite*>(tableToHandOut(&basicSuite)));
}

}  // namespace host
