#include "GuidesPlugIn.h"

#include <cstring>
#include <new>
#include <utility>

#include "GuidesSuites.h"

Plugin* AllocatePlugin(SPPluginRef pluginRef) { return new (std::nothrow) GuidesPlugIn(pluginRef); }

Plugin* FixupReload(Plugin* plugin) { return GuidesPlugIn::FixupVTable(static_cast<GuidesPlugIn*>(plugin)); }

GuidesPlugIn::GuidesPlugIn(SPPluginRef pluginRef) : Plugin(pluginRef) {
  std::strncpy(fName, "Guides", sizeof fName - 1);
}

GuidesPlugIn::~GuidesPlugIn() = default;

// The data is moved out to a local object first, so the new object is built from values
// that the old one no longer holds (suites, lock); building a new object in the storage
// ends the old one's life without running its destructor, which would release them.
GuidesPlugIn* GuidesPlugIn::FixupVTable(GuidesPlugIn* plugin) {
  GuidesPlugIn data(std::move(*plugin));
  return ::new (static_cast<void*>(plugin)) GuidesPlugIn(std::move(data));
}

// ---- Start-up -----------------------------------------------------------------------------

ASErr GuidesPlugIn::StartupPlugin(SPInterfaceMessage* message) {
  ASErr error = Plugin::StartupPlugin(message);
  if (error == kNoErr) error = KeepPluginOptions(fPluginRef);
  if (error == kNoErr) error = AddTools(message);
  if (error == kNoErr) error = AddAnnotator(message);
  if (error == kNoErr) error = AddMenus(message);
  if (error == kNoErr) error = AddNotifier(message);
  return error;
}

// The options the host keeps for the plug-in are read and written back unchanged.
ASErr GuidesPlugIn::KeepPluginOptions(SPPluginRef pluginRef) {
  int32_t options = 0;
  ASErr error = sAIPlugin->GetPluginOptions(pluginRef, &options);
  if (error == kNoErr) error = sAIPlugin->SetPluginOptions(pluginRef, options);
  return error;
}

ASErr GuidesPlugIn::PostStartupPlugin() { return Plugin::PostStartupPlugin(); }

// ---- Messages -----------------------------------------------------------------------------

// No exception leaves a message; a failure is reported here and returned to the host.
ASErr GuidesPlugIn::Message(const char* caller, const char* selector, void* message) {
  ASErr result = CallGuarded([&] { return Plugin::Message(caller, selector, message); });
  if (result == kNoErr) return kNoErr;
  if (result != kUnhandledMsgErr) {
    ReportError(result, caller, selector, message);
    return result;
  }
  if (std::strcmp(caller, kCallerAIAnnotation) == 0)
    return CallGuarded([&] { return AnnotationMessage(selector, static_cast<AIAnnotatorMessage*>(message)); });
  return kUnhandledMsgErr;
}

ASErr GuidesPlugIn::AnnotationMessage(const char* selector, AIAnnotatorMessage* message) {
  if (std::strcmp(selector, kSelectorAIDrawAnnotation) == 0) return toolAnnotate(message);
  if (std::strcmp(selector, kSelectorAIInvalAnnotation) == 0) return InvalAnnotator(message);
  return kUnhandledMsgErr;
}
