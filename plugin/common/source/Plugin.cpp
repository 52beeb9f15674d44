#include "Plugin.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

#include "AppContext.h"
#include "GuidesSuites.h"
#include "IAIUnicodeString.h"
#include "Suites.h"

namespace {

Plugin::ReportSeams gReportSeams;

bool Same(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

}  // namespace

Plugin::Plugin(SPPluginRef pluginRef) : fPluginRef(pluginRef), fName{"Plugin"} {}

Plugin::Plugin(Plugin&& other) noexcept
    : fPluginRef(other.fPluginRef),
      fSuites(std::move(other.fSuites)),
      fLockCount(std::exchange(other.fLockCount, 0)),
      fAccessRef(std::exchange(other.fAccessRef, nullptr)),
      fLastError(other.fLastError),
      fErrorTimeout(other.fErrorTimeout),
      fSuppressRepeats(other.fSuppressRepeats),
      fLastErrorTime(other.fLastErrorTime) {
  std::memcpy(fName, other.fName, sizeof fName);
}

// An object deleted while still locked (a start-up that failed after the lock) gives its
// access back, or the host would keep a dead plug-in locked. After a shutdown the suites
// are gone and the host forgets the lock by itself.
Plugin::~Plugin() {
  if (fAccessRef && sSPAccess) sSPAccess->ReleasePlugin(fAccessRef);
}

void* Plugin::operator new(size_t size, const std::nothrow_t& tag) noexcept { return ::operator new[](size, tag); }
void Plugin::operator delete(void* storage) noexcept { ::operator delete[](storage); }
void Plugin::operator delete(void* storage, const std::nothrow_t& tag) noexcept { ::operator delete[](storage, tag); }

// ---- Life cycle -------------------------------------------------------------------------

ASErr Plugin::StartupPlugin(SPInterfaceMessage*) {
  ASErr error = SetGlobal(this);
  if (error == kNoErr) error = CreateSuites();
  if (error == kNoErr) error = sSPPlugins->SetPluginName(fPluginRef, fName);
  if (error == kNoErr) error = RegisterStartedNotifier();
  if (error == kNoErr) error = AllocateSuiteTables();
  if (error == kNoErr) error = FillSuiteTables();
  if (error == kNoErr) error = LockPlugin(true);
  return error;
}

ASErr Plugin::CreateSuites() {
  fSuites.reset(new (std::nothrow) Suites);
  if (!fSuites) return kOutOfMemoryErr;
  ASErr error = fSuites->Error();
  fSuites->InitializeRefCount();
  if (error != kNoErr) fSuites.reset();
  return error;
}

// Its handle is not kept: the dispatcher recognises the notification by its type.
ASErr Plugin::RegisterStartedNotifier() {
  char notifierName[kMaxStringLength + 32];
  std::snprintf(notifierName, sizeof notifierName, "%s App Started Notifier", fName);
  AINotifierHandle notifier = nullptr;
  return sAINotifier->AddNotifier(fPluginRef, notifierName, kAIApplicationStartedNotifier, &notifier);
}

ASErr Plugin::PostStartupPlugin() { return kNoErr; }

ASErr Plugin::ShutdownPlugin(SPInterfaceMessage*) {
  fSuites.reset();
  SetGlobal(nullptr);
  return kNoErr;
}

ASErr Plugin::UnloadPlugin(SPAccessMessage*) {
  EmptySuiteTables();
  SetGlobal(nullptr);
  fSuites.reset();
  return kNoErr;
}

ASErr Plugin::ReloadPlugin(SPAccessMessage*) {
  ASErr error = SetGlobal(this);
  if (error == kNoErr && !fSuites) error = CreateSuites();
  if (error == kNoErr) error = FillSuiteTables();
  return error;
}

// The access reference is held while the count is above 0, so the host never unloads
// a locked plug-in.
ASErr Plugin::LockPlugin(ASBoolean lock) {
  if (lock) {
    if (++fLockCount == 1 && sSPAccess) sSPAccess->AcquirePlugin(fPluginRef, &fAccessRef);
    return kNoErr;
  }
  if (--fLockCount == 0 && fAccessRef) {
    if (sSPAccess) sSPAccess->ReleasePlugin(fAccessRef);
    fAccessRef = nullptr;
  }
  if (fLockCount < 0) fLockCount = 0;
  return kNoErr;
}

bool Plugin::IsReloadMsg(const char* caller, const char* selector) {
  return Same(caller, kSPAccessCaller) && Same(selector, kSPAccessReloadSelector);
}

// ---- Defaults -----------------------------------------------------------------------------

ASErr Plugin::AcquireProperty(SPPropertiesMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ReleaseProperty(SPPropertiesMessage*) { return kUnhandledMsgErr; }

void Plugin::GetPluginName(char* buffer, int length) {
  if (!buffer || length <= 0) return;
  std::snprintf(buffer, static_cast<size_t>(length), "%s", fName);
}

ASBoolean Plugin::Purge() { return false; }

ASErr Plugin::SetGlobal(Plugin*) { return kNoErr; }
ASErr Plugin::AllocateSuiteTables() { return kNoErr; }
ASErr Plugin::FillSuiteTables() { return kNoErr; }
ASErr Plugin::EmptySuiteTables() { return kNoErr; }

ASErr Plugin::AcquireOptionalSuites() {
  if (fSuites) fSuites->AcquireOptionalSuites();
  return kNoErr;
}

ASErr Plugin::Notify(AINotifierMessage*) { return kNoErr; }
ASErr Plugin::GoAction(void*) { return kNoErr; }
ASErr Plugin::GoMenuItem(AIMenuMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::UpdateMenuItem(AIMenuMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GetFilterParameters(void*) { return kUnhandledMsgErr; }
ASErr Plugin::GoFilter(void*) { return kUnhandledMsgErr; }
ASErr Plugin::PluginGroupNotify(void*) { return kUnhandledMsgErr; }
ASErr Plugin::PluginGroupUpdate(void*) { return kUnhandledMsgErr; }
ASErr Plugin::GetFileFormatParameters(void*) { return kUnhandledMsgErr; }
ASErr Plugin::GoFileFormat(void*) { return kUnhandledMsgErr; }
ASErr Plugin::CheckFileFormat(void*) { return kUnhandledMsgErr; }
ASErr Plugin::FileFormatUpdate(void*) { return kUnhandledMsgErr; }
ASErr Plugin::SetFileFormatParameters(void*) { return kUnhandledMsgErr; }

ASErr Plugin::EditTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::TrackToolCursor(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseDown(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseDrag(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseUp(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::SelectTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::DeselectTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ReselectTool(AIToolMessage*) { return kNoErr; }
ASErr Plugin::DecreaseDiameter(AIToolMessage*) { return kNoErr; }
ASErr Plugin::IncreaseDiameter(AIToolMessage*) { return kNoErr; }

ASErr Plugin::EditLiveEffectParameters(void*) { return kUnhandledMsgErr; }
ASErr Plugin::GoLiveEffect(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectInterpolate(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectGetInputType(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectConvertColorSpace(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectScaleParameters(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectAdjustColors(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectHandleMerge(void*) { return kUnhandledMsgErr; }

ASErr Plugin::GoTimer(void*) { return kUnhandledMsgErr; }

ASErr Plugin::GoClipboard(void*) { return kUnhandledMsgErr; }
ASErr Plugin::CanCopyClipboard(void*) { return kUnhandledMsgErr; }
ASErr Plugin::CloneClipboard(void*) { return kUnhandledMsgErr; }
ASErr Plugin::DisposeClipboard(void*) { return kUnhandledMsgErr; }

ASErr Plugin::WorkspaceWrite(void*) { return kUnhandledMsgErr; }
ASErr Plugin::WorkspaceRestore(void*) { return kUnhandledMsgErr; }
ASErr Plugin::WorkspaceDefault(void*) { return kUnhandledMsgErr; }

// ---- Errors -------------------------------------------------------------------------------

bool Plugin::FilterError(ASErr error) {
  static constexpr ASErr kFiltered[] = {
      ai_fourcc("FMT?"), ai_fourcc("RFSE"), ai_fourcc("AFTR"), ai_fourcc("VALD"), ai_fourcc("MOOT"),
      ai_fourcc("TRSH"), ai_fourcc("CHEK"), ai_fourcc("CHIT"), ai_fourcc("TLTK"), ai_fourcc("pFls"),
      ai_fourcc("S!Fd"), ai_fourcc("!Acq"), ai_fourcc("dsRP"), ai_fourcc("skpE"), ai_fourcc("DONE"),
      ai_fourcc("STOP"), 361,                0};
  for (const ASErr* code = kFiltered; *code != 0; ++code)
    if (*code == error) return true;
  return false;
}

void Plugin::ReportError(ASErr error, const char*, const char*, void*) {
  if (FilterError(error)) return;
  const int64_t now = Now();
  if (error == fLastError && fSuppressRepeats && now < fLastErrorTime + fErrorTimeout) return;
  fLastError = error;
  fLastErrorTime = now;
  DefaultError(fPluginRef, error);
}

void Plugin::DefaultError(SPPluginRef pluginRef, ASErr error) {
  if (FilterError(error)) return;
  if (gReportSeams.reported) gReportSeams.reported(pluginRef, error);
  char text[kMaxStringLength];
  if (!FindMsg(pluginRef, error, text, sizeof text) || !sAIUser) return;
  CallGuarded([&] { return sAIUser->MessageAlert(ai::UnicodeString(text).ref()); });
}

bool Plugin::FindMsg(SPPluginRef, ASErr, char* buffer, int length) {
  if (buffer && length > 0) buffer[0] = '\0';
  return false;
}

void Plugin::SetReportSeams(const ReportSeams& seams) noexcept { gReportSeams = seams; }

int64_t Plugin::Now() { return gReportSeams.now ? gReportSeams.now() : static_cast<int64_t>(std::time(nullptr)); }

// ---- Dispatch -----------------------------------------------------------------------------

namespace {

// The callers and selectors the framework knows beyond those of the suites it uses.
constexpr const char* kActionManagerCaller = "Action Manager";
constexpr const char* kDoActionSelector = "Do Action";
constexpr const char* kFilterCaller = "AI Filter";
constexpr const char* kGetParametersSelector = "AI Get Parameters";
constexpr const char* kGoSelector = "AI Go";
constexpr const char* kPluginGroupCaller = "AI Plugin Group";
constexpr const char* kFileFormatCaller = "AI File Format";
constexpr const char* kLiveEffectCaller = "AI Live Effect";
constexpr const char* kTimerCaller = "AI Timer";
constexpr const char* kClipboardCaller = "AI Clipboard";
constexpr const char* kWorkspaceCaller = "Workspace Manager";

using Handler = ASErr (*)(Plugin& plugin, void* message);

struct Route {
  const char* caller;
  const char* selector;
  Handler handle;
};

template <class Record>
ASErr CallWith(Plugin& plugin, ASErr (Plugin::*handler)(Record*), void* message) {
  return (plugin.*handler)(static_cast<Record*>(message));
}

// Calls a handler with the message as the record type it takes.
template <auto handler>
ASErr Call(Plugin& plugin, void* message) {
  return CallWith(plugin, handler, message);
}

ASErr Answered(Plugin&, void*) { return kNoErr; }
ASErr PurgeCaches(Plugin& plugin, void*) { return plugin.Purge() ? ASErr{kPurgedErr} : ASErr{kNoErr}; }

// The workspace selectors are spelled as the host sends them ("Woskspace").
const Route kRoutes[] = {
    {kSPAccessCaller, kSPAccessUnloadSelector, Call<&Plugin::UnloadPlugin>},
    {kSPAccessCaller, kSPAccessReloadSelector, Call<&Plugin::ReloadPlugin>},
    {kSPInterfaceCaller, kSPInterfaceAboutSelector, Answered},
    {kSPInterfaceCaller, kSPInterfaceStartupSelector, Answered},
    {kSPCacheCaller, kSPPluginPurgeCachesSelector, PurgeCaches},
    {kSPPropertiesCaller, kSPPropertiesAcquireSelector, Call<&Plugin::AcquireProperty>},
    {kSPPropertiesCaller, kSPPropertiesReleaseSelector, Call<&Plugin::ReleaseProperty>},
    {kActionManagerCaller, kDoActionSelector, Call<&Plugin::GoAction>},
    {kAIMenuCaller, kAIMenuGoSelector, Call<&Plugin::GoMenuItem>},
    {kAIMenuCaller, kAIMenuUpdateSelector, Call<&Plugin::UpdateMenuItem>},
    {kFilterCaller, kGetParametersSelector, Call<&Plugin::GetFilterParameters>},
    {kFilterCaller, kGoSelector, Call<&Plugin::GoFilter>},
    {kPluginGroupCaller, "AI Notify Edits", Call<&Plugin::PluginGroupNotify>},
    {kPluginGroupCaller, "AI Update", Call<&Plugin::PluginGroupUpdate>},
    {kFileFormatCaller, kGetParametersSelector, Call<&Plugin::GetFileFormatParameters>},
    {kFileFormatCaller, kGoSelector, Call<&Plugin::GoFileFormat>},
    {kFileFormatCaller, "AI Check", Call<&Plugin::CheckFileFormat>},
    {kFileFormatCaller, "AI Update AI140", Call<&Plugin::FileFormatUpdate>},
    {kFileFormatCaller, kDoActionSelector, Call<&Plugin::SetFileFormatParameters>},
    {kAIToolCaller, kSelectorAIEditToolOptions, Call<&Plugin::EditTool>},
    {kAIToolCaller, kSelectorAITrackToolCursor, Call<&Plugin::TrackToolCursor>},
    {kAIToolCaller, kSelectorAIToolMouseDown, Call<&Plugin::ToolMouseDown>},
    {kAIToolCaller, kSelectorAIToolMouseDrag, Call<&Plugin::ToolMouseDrag>},
    {kAIToolCaller, kSelectorAIToolMouseUp, Call<&Plugin::ToolMouseUp>},
    {kAIToolCaller, kSelectorAISelectTool, Call<&Plugin::SelectTool>},
    {kAIToolCaller, kSelectorAIDeselectTool, Call<&Plugin::DeselectTool>},
    {kAIToolCaller, kSelectorAIReselectTool, Call<&Plugin::ReselectTool>},
    {kAIToolCaller, kSelectorAIDecreaseDiameter, Call<&Plugin::DecreaseDiameter>},
    {kAIToolCaller, kSelectorAIIncreaseDiameter, Call<&Plugin::IncreaseDiameter>},
    {kLiveEffectCaller, "AI Live Effect Edit Parameters", Call<&Plugin::EditLiveEffectParameters>},
    {kLiveEffectCaller, "AI Live Effect Go Live", Call<&Plugin::GoLiveEffect>},
    {kLiveEffectCaller, "AI Live Effect Interpolate Parameters", Call<&Plugin::LiveEffectInterpolate>},
    {kLiveEffectCaller, "AI Live Effect Input Type", Call<&Plugin::LiveEffectGetInputType>},
    {kLiveEffectCaller, "AI Live Effect Scale Parameters", Call<&Plugin::LiveEffectScaleParameters>},
    {kLiveEffectCaller, "AI Live Effect Convert Color Space", Call<&Plugin::LiveEffectConvertColorSpace>},
    {kLiveEffectCaller, "AI Live Effect Adjust Colors", Call<&Plugin::LiveEffectAdjustColors>},
    {kLiveEffectCaller, "AI Live Effect Handle Merge", Call<&Plugin::LiveEffectHandleMerge>},
    {kTimerCaller, kGoSelector, Call<&Plugin::GoTimer>},
    {kClipboardCaller, kGoSelector, Call<&Plugin::GoClipboard>},
    {kClipboardCaller, "AI Can Copy", Call<&Plugin::CanCopyClipboard>},
    {kClipboardCaller, "AI Clone", Call<&Plugin::CloneClipboard>},
    {kClipboardCaller, "AI Dispose", Call<&Plugin::DisposeClipboard>},
    {kWorkspaceCaller, "Write Woskspace", Call<&Plugin::WorkspaceWrite>},
    {kWorkspaceCaller, "Restore Woskspace", Call<&Plugin::WorkspaceRestore>},
    {kWorkspaceCaller, "Default Woskspace", Call<&Plugin::WorkspaceDefault>},
};

}  // namespace

ASErr Plugin::Message(const char* caller, const char* selector, void* message) {
  AcquireOptionalSuites();
  if (Same(caller, kAINotifierCaller)) return DispatchNotifier(selector, static_cast<AINotifierMessage*>(message));
  for (const Route& route : kRoutes)
    if (Same(caller, route.caller) && Same(selector, route.selector)) return route.handle(*this, message);
  return kUnhandledMsgErr;
}

// The application-started notification finishes the start-up; a failure there skips the
// notification itself.
ASErr Plugin::DispatchNotifier(const char* selector, AINotifierMessage* message) {
  AppContext context(fPluginRef);
  ASErr result = kUnhandledMsgErr;
  if (message && Same(message->type, kAIApplicationStartedNotifier)) result = PostStartupPlugin();
  if ((result == kNoErr || result == kUnhandledMsgErr) && Same(selector, kAINotifySelector)) result = Notify(message);
  return result;
}
