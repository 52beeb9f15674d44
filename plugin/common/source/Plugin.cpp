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
Record* As(void* message) {
  return static_cast<Record*>(message);
}

// The workspace selectors are spelled as the host sends them ("Woskspace").
const Route kRoutes[] = {
    {kSPAccessCaller, kSPAccessUnloadSelector, [](Plugin& p, void* m) { return p.UnloadPlugin(As<SPAccessMessage>(m)); }},
    {kSPAccessCaller, kSPAccessReloadSelector, [](Plugin& p, void* m) { return p.ReloadPlugin(As<SPAccessMessage>(m)); }},
    {kSPInterfaceCaller, kSPInterfaceAboutSelector, [](Plugin&, void*) { return ASErr{kNoErr}; }},
    {kSPInterfaceCaller, kSPInterfaceStartupSelector, [](Plugin&, void*) { return ASErr{kNoErr}; }},
    {kSPCacheCaller, kSPPluginPurgeCachesSelector, [](Plugin& p, void*) { return p.Purge() ? ASErr{kPurgedErr} : ASErr{kNoErr}; }},
    {kSPPropertiesCaller, kSPPropertiesAcquireSelector, [](Plugin& p, void* m) { return p.AcquireProperty(As<SPPropertiesMessage>(m)); }},
    {kSPPropertiesCaller, kSPPropertiesReleaseSelector, [](Plugin& p, void* m) { return p.ReleaseProperty(As<SPPropertiesMessage>(m)); }},
    {kActionManagerCaller, kDoActionSelector, [](Plugin& p, void* m) { return p.GoAction(m); }},
    {kAIMenuCaller, kAIMenuGoSelector, [](Plugin& p, void* m) { return p.GoMenuItem(As<AIMenuMessage>(m)); }},
    {kAIMenuCaller, kAIMenuUpdateSelector, [](Plugin& p, void* m) { return p.UpdateMenuItem(As<AIMenuMessage>(m)); }},
    {kFilterCaller, kGetParametersSelector, [](Plugin& p, void* m) { return p.GetFilterParameters(m); }},
    {kFilterCaller, kGoSelector, [](Plugin& p, void* m) { return p.GoFilter(m); }},
    {kPluginGroupCaller, "AI Notify Edits", [](Plugin& p, void* m) { return p.PluginGroupNotify(m); }},
    {kPluginGroupCaller, "AI Update", [](Plugin& p, void* m) { return p.PluginGroupUpdate(m); }},
    {kFileFormatCaller, kGetParametersSelector, [](Plugin& p, void* m) { return p.GetFileFormatParameters(m); }},
    {kFileFormatCaller, kGoSelector, [](Plugin& p, void* m) { return p.GoFileFormat(m); }},
    {kFileFormatCaller, "AI Check", [](Plugin& p, void* m) { return p.CheckFileFormat(m); }},
    {kFileFormatCaller, "AI Update AI140", [](Plugin& p, void* m) { return p.FileFormatUpdate(m); }},
    {kFileFormatCaller, kDoActionSelector, [](Plugin& p, void* m) { return p.SetFileFormatParameters(m); }},
    {kAIToolCaller, kSelectorAIEditToolOptions, [](Plugin& p, void* m) { return p.EditTool(As<AIToolMessage>(m)); }},
    {kAIToolCaller, kSelectorAITrackToolCursor, [](Plugin& p, void* m) { return p.TrackToolCursor(As<AIToolMessage>(m)); }},
    {kAIToolCaller, kSelectorAIToolMouseDown, [](Plugin& p, void* m) { return p.ToolMouseDown(As<AIToolMessage>(m)); }},
    {kAIToolCaller, kSelectorAIToolMouseDrag, [](Plugin& p, void* m) { return p.ToolMouseDrag(As<AIToolMessage>(m)); }},
    {kAIToolCaller, kSelectorAIToolMouseUp, [](Plugin& p, void* m) { return p.ToolMouseUp(As<AIToolMessage>(m)); }},
    {kAIToolCaller, kSelectorAISelectTool, [](Plugin& p, void* m) { return p.SelectTool(As<AIToolMessage>(m)); }},
    {kAIToolCaller, kSelectorAIDeselectTool, [](Plugin& p, void* m) { return p.DeselectTool(As<AIToolMessage>(m)); }},
    {kAIToolCaller, kSelectorAIReselectTool, [](Plugin& p, void* m) { return p.ReselectTool(As<AIToolMessage>(m)); }},
    {kAIToolCaller, kSelectorAIDecreaseDiameter, [](Plugin& p, void* m) { return p.DecreaseDiameter(As<AIToolMessage>(m)); }},
    {kAIToolCaller, kSelectorAIIncreaseDiameter, [](Plugin& p, void* m) { return p.IncreaseDiameter(As<AIToolMessage>(m)); }},
    {kLiveEffectCaller, "AI Live Effect Edit Parameters", [](Plugin& p, void* m) { return p.EditLiveEffectParameters(m); }},
    {kLiveEffectCaller, "AI Live Effect Go Live", [](Plugin& p, void* m) { return p.GoLiveEffect(m); }},
    {kLiveEffectCaller, "AI Live Effect Interpolate Parameters", [](Plugin& p, void* m) { return p.LiveEffectInterpolate(m); }},
    {kLiveEffectCaller, "AI Live Effect Input Type", [](Plugin& p, void* m) { return p.LiveEffectGetInputType(m); }},
    {kLiveEffectCaller, "AI Live Effect Scale Parameters", [](Plugin& p, void* m) { return p.LiveEffectScaleParameters(m); }},
    {kLiveEffectCaller, "AI Live Effect Convert Color Space", [](Plugin& p, void* m) { return p.LiveEffectConvertColorSpace(m); }},
    {kLiveEffectCaller, "AI Live Effect Adjust Colors", [](Plugin& p, void* m) { return p.LiveEffectAdjustColors(m); }},
    {kLiveEffectCaller, "AI Live Effect Handle Merge", [](Plugin& p, void* m) { return p.LiveEffectHandleMerge(m); }},
    {kTimerCaller, kGoSelector, [](Plugin& p, void* m) { return p.GoTimer(m); }},
    {kClipboardCaller, kGoSelector, [](Plugin& p, void* m) { return p.GoClipboard(m); }},
    {kClipboardCaller, "AI Can Copy", [](Plugin& p, void* m) { return p.CanCopyClipboard(m); }},
    {kClipboardCaller, "AI Clone", [](Plugin& p, void* m) { return p.CloneClipboard(m); }},
    {kClipboardCaller, "AI Dispose", [](Plugin& p, void* m) { return p.DisposeClipboard(m); }},
    {kWorkspaceCaller, "Write Woskspace", [](Plugin& p, void* m) { return p.WorkspaceWrite(m); }},
    {kWorkspaceCaller, "Restore Woskspace", [](Plugin& p, void* m) { return p.WorkspaceRestore(m); }},
    {kWorkspaceCaller, "Default Woskspace", [](Plugin& p, void* m) { return p.WorkspaceDefault(m); }},
};

}  // namespace

ASErr Plugin::Message(const char* caller, const char* selector, void* message) {
  AcquireOptionalSuites();
  if (Same(caller, kAINotifierCaller)) return DispatchNotifier(selector, As<AINotifierMessage>(message));
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
