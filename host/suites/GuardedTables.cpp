#include "suites/GuardedTables.h"

#include <string>
#include <type_traits>

#include "model/Shell.h"
#include "suites/SuiteBarrier.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

// The text arguments of a call, which say most about it: ("AI Art Suite"), ("MyPlugin",
// "Son"). Other arguments are left out.
template <class... Args>
std::string textArguments(const Args&... args) {
  std::string out;
  auto add = [&](const auto& arg) {
    if constexpr (std::is_same_v<std::decay_t<decltype(arg)>, const char*>) {
      out += out.empty() ? "(" : ", ";
      out += arg ? "\"" + std::string(arg) + "\"" : std::string("null");
    }
  };
  (add(args), ...);
  return out.empty() ? out : out + ")";
}

// The guarded form of one operation, found by its member: it calls the plain table's
// operation behind the barrier and logs "call <suite>.<operation>(<texts>) -> <result>".
template <auto Member>
struct Guarded;

template <class Suite, class Result, class... Args, Result (*Suite::*Member)(Args...)>
struct Guarded<Member> {
  static inline const Suite* plain = nullptr;
  static inline const char* suiteName = nullptr;
  static inline const char* operation = nullptr;

  static Result call(Args... args) noexcept {
    const Result result =
        behindBarrier<Result>(suiteName, operation, [&] { return (plain->*Member)(args...); });
    // Watching and tracing are the host's own business: a line that cannot be made is lost,
    // the plug-in still gets its answer.
    try {
      watchAndTrace(result, args...);
    } catch (...) {
    }
    return result;
  }

  static void watchAndTrace(Result result, Args... args) {
    if constexpr (std::is_same_v<Result, AIErr>)  // not the answers of yes/no questions
      if (shell().calls.isOn()) shell().calls.record(suiteName, operation, result);
    if (shell().log.tracing()) {
      std::string line = "call ";
      line.append(suiteName).append(".").append(operation);
      line += textArguments(args...);
      line += " -> ";
      line += resultText(static_cast<int32_t>(result));
      shell().log.trace(line);
    }
  }
};

template <auto Member, class Suite>
void wrap(Suite& guarded, const Suite& plain, const char* suiteName, const char* operation) {
  using T = Guarded<Member>;
  T::plain = &plain;
  T::suiteName = suiteName;
  T::operation = operation;
  guarded.*Member = &T::call;
}

// One static twin per suite, made the first time it is asked for.
template <class Suite, class Wrapper>
const void* twinOf(const Suite& plain, const char* suiteName, Wrapper wrapEach) {
  static Suite twin = [&] {
    Suite guarded = plain;
    wrapEach(guarded, plain, suiteName);
    return guarded;
  }();
  return &twin;
}

}  // namespace

#define TWIN(Type, table, name, ...)                                                      \
  if (plain == &table)                                                                    \
    return twinOf<Type>(table, name, [](Type& guarded, const Type& from, const char* n) { \
      using S = Type;                                                                     \
      __VA_ARGS__                                                                         \
    });
#define W(operation) wrap<&S::operation>(guarded, from, n, #operation);

const void* guardedTwin(const void* plain) {
  TWIN(SPBasicSuite, basicSuite, kSPBasicSuite,
       W(AcquireSuite) W(ReleaseSuite) W(IsEqual) W(AllocateBlock) W(FreeBlock))
  TWIN(SPAccessSuite, accessSuite, kSPAccessSuite,
       W(AcquirePlugin) W(ReleasePlugin) W(GetPluginAccessCount))
  TWIN(SPPluginsSuite, pluginsSuite, kSPPluginsSuite, W(SetPluginName) W(GetPluginName))
  TWIN(SPBlocksSuite, blocksSuite, kSPBlocksSuite, W(AllocateBlock) W(FreeBlock))
  TWIN(AINotifierSuite, notifierSuite, kAINotifierSuite,
       W(AddNotifier) W(SetNotifierActive) W(GetNotifierActive) W(CountNotifiers))
  TWIN(AIAppContextSuite, appContextSuite, kAIAppContextSuite, W(PushAppContext) W(PopAppContext))
  TWIN(AIPluginSuite, pluginSuite, kAIPluginSuite, W(GetPluginOptions) W(SetPluginOptions))
  TWIN(AIPreferenceSuite, preferenceSuite, kAIPreferenceSuite,
       W(GetBooleanPreference) W(PutBooleanPreference) W(GetIntegerPreference)
           W(PutIntegerPreference) W(GetRealPreference) W(PutRealPreference)
               W(GetStringPreference) W(PutStringPreference))
  TWIN(AIDataFilterSuite, dataFilterSuite, kAIDataFilterSuite,
       W(NewResourceDataFilter) W(LinkDataFilter) W(UnlinkDataFilter) W(ReadDataFilter))
  TWIN(AIUserSuite, userSuite, kAIUserSuite,
       W(MessageAlert) W(CreateCursorResourceMgr) W(DisposeCursorResourceMgr))
  TWIN(AIUnicodeStringSuite, unicodeStringSuite, kAIUnicodeStringSuite,
       W(Initialize) W(Copy) W(Dispose) W(Compare) W(GetAs) W(GetLength))
  TWIN(AIArtSuite, artSuite, kAIArtSuite,
       W(NewArt) W(DisposeArt) W(GetArtType) W(GetArtParent) W(GetArtFirstChild)
           W(GetArtSibling) W(GetArtPriorSibling) W(GetArtBounds) W(GetArtName) W(SetArtName)
               W(GetArtUserAttr) W(SetArtUserAttr) W(ValidArt) W(GetLayerOfArt))
  TWIN(AIPathSuite, pathSuite, kAIPathSuite,
       W(GetPathSegmentCount) W(SetPathSegmentCount) W(GetPathSegments) W(SetPathSegments)
           W(GetPathClosed) W(SetPathClosed) W(GetPathIsGuide) W(SetPathIsGuide))
  TWIN(AILayerSuite, layerSuite, kAILayerSuite,
       W(CountLayers) W(GetNthLayer) W(GetCurrentLayer) W(SetCurrentLayer) W(InsertLayer)
           W(DeleteLayer) W(GetLayerTitle) W(SetLayerTitle) W(GetLayerEditable)
               W(SetLayerEditable) W(GetLayerVisible) W(SetLayerVisible) W(GetFirstArtOfLayer))
  TWIN(AIArtboardSuite, artboardSuite, kAIArtboardSuite,
       W(GetArtboardList) W(ReleaseArtboardList) W(GetCount) W(GetActive) W(SetActive)
           W(GetArtboardProperties) W(DisposeArtboardProperties) W(GetPosition) W(GetName))
  TWIN(AIDocumentSuite, documentSuite, kAIDocumentSuite,
       W(GetDocument) W(GetDocumentRulerUnits) W(SetDocumentRulerUnits))
  TWIN(AIDocumentViewSuite, documentViewSuite, kAIDocumentViewSuite,
       W(CountDocumentViews) W(GetNthDocumentView) W(GetDocumentViewZoom) W(SetDocumentViewZoom)
           W(GetDocumentViewBounds) W(ArtworkPointToViewPoint) W(ViewPointToArtworkPoint))
  TWIN(AIHitTestSuite, hitTestSuite, kAIHitTestSuite, W(HitTestEx) W(GetHitData) W(Release))
  TWIN(AIMenuSuite, menuSuite, kAIMenuSuite,
       W(AddMenuItem) W(AddMenuGroupAsSubMenu) W(CountMenuGroups) W(GetNthMenuGroup)
           W(GetMenuGroupName) W(SetItemText) W(GetItemText) W(EnableItem) W(DisableItem)
               W(CheckItem))
  TWIN(AIToolSuite, toolSuite, kAIToolSuite,
       W(AddTool) W(GetToolNumberFromName) W(GetToolNumberFromHandle) W(GetToolName)
           W(SetToolInfoVars) W(SetSelectedTool) W(SetSelectedToolByName) W(GetSelectedTool))
  TWIN(AIAnnotatorSuite, annotatorSuite, kAIAnnotatorSuite,
       W(AddAnnotator) W(SetAnnotatorActive) W(GetAnnotatorActive) W(InvalAnnotationRect))
  TWIN(AIAnnotatorDrawerSuite, annotatorDrawerSuite, kAIAnnotatorDrawerSuite,
       W(SetColor) W(SetLineWidth) W(SetLineDashed) W(SetFontPreset) W(DrawTextAligned)
           W(DrawLine))
  TWIN(AIPanelSuite, panelSuite, kAIPanelSuite,
       W(Create) W(Destroy) W(Show) W(IsShown) W(GetUserData) W(GetPlatformWindow) W(GetSize)
           W(SetSize) W(SetPreferredSizes) W(SetFlyoutMenuProc) W(GetFlyoutMenu) W(SetIcon))
  TWIN(AIPanelFlyoutMenuSuite, panelFlyoutMenuSuite, kAIPanelFlyoutMenuSuite,
       W(Create) W(Destroy) W(AppendItem) W(AppendSeparator) W(SetItemEnabled)
           W(GetItemEnabled) W(SetItemMark) W(GetItemMark) W(SetItemText) W(GetItemText)
               W(GetItemCount) W(GetItemId))
  TWIN(AIUIThemeSuite, uiThemeSuite, kAIUIThemeSuite, W(IsDarkTheme) W(GetUIThemeColor))
  TWIN(AIFilePathSuite, filePathSuite, kAIFilePathSuite, W(GetFileName))
  TWIN(AIFoldersSuite, foldersSuite, kAIFoldersSuite, W(GetResourcesFolderPath))
  TWIN(AIMdMemorySuite, mdMemorySuite, kAIMdMemorySuite,
       W(MdMemoryNewHandle) W(MdMemoryDisposeHandle))
  TWIN(AIRuntimeSuite, runtimeSuite, kAIRuntimeSuite, W(GetAppVersion) W(GetAppName))
  TWIN(AIRealMathSuite, realMathSuite, kAIRealMathSuite, W(AIRealMultiply) W(AIRealRectUnion))
  TWIN(AIRealBezierSuite, realBezierSuite, kAIRealBezierSuite, W(Evaluate))
  TWIN(AITransformArtSuite, transformArtSuite, kAITransformArtSuite, W(TranslateArt))
  TWIN(AIRandomSuite, randomSuite, kAIRandomSuite, W(SetSeed) W(FloatRnd))
  TWIN(AIUndoSuite, undoSuite, kAIUndoSuite, W(SetUndoText))
  TWIN(AITagSuite, tagSuite, kAITagSuite, W(SetTag))
  TWIN(AICursorSnapSuite, cursorSnapSuite, kAICursorSnapSuite, W(UseCustomConstraints))
  TWIN(AIMatchingArtSuite, matchingArtSuite, kAIMatchingArtSuite, W(CountSelectedArt))
  TWIN(AIArtConverterSuite, artConverterSuite, kAIArtConverterSuite, W(ArtCanBeConverted))
  TWIN(AIArtSetSuite, artSetSuite, kAIArtSetSuite, W(CountArtSet))
  TWIN(AIGroupSuite, groupSuite, kAIGroupSuite, W(GetGroupClipped))
  TWIN(AIPathStyleSuite, pathStyleSuite, kAIPathStyleSuite, W(GetPathStrokeWidth))
  TWIN(AITextFrameSuite, textFrameSuite, kAITextFrameSuite, W(CountTextFrames))
  TWIN(AIATEPaintSuite, atePaintSuite, kAIATEPaintSuite, W(IsPaintedText))
  TWIN(AIFontSuite, fontSuite, kAIFontSuite, W(CountFonts))
  TWIN(AIStringFormatUtilsSuite, stringFormatUtilsSuite, kAIStringFormatUtilsSuite,
       W(RealToString))
  TWIN(AICustomColorSuite, customColorSuite, kAICustomColorSuite, W(CountCustomColors))
  TWIN(AISwatchListSuite, swatchListSuite, kAISwatchListSuite, W(CountSwatches))
  TWIN(AISwatchGroupSuite, swatchGroupSuite, kAISwatchGroupSuite, W(CountSwatchGroups))
  return plain;
}

#undef W
#undef TWIN

}  // namespace host
