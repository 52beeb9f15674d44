// The guides plug-in object: one per run of the host, kept in the host's globals slot.
#ifndef GUIDES_GUIDESPLUGIN_H
#define GUIDES_GUIDESPLUGIN_H

#include "AIAnnotator.h"
#include "Plugin.h"

class GuidesPlugIn : public Plugin {
 public:
  explicit GuidesPlugIn(SPPluginRef pluginRef);
  ~GuidesPlugIn() override;

  // Ends the life of the object at plugin and makes a new one in the same storage with all
  // of its data, so that it has this code's virtual table; the result is the object now.
  static GuidesPlugIn* FixupVTable(GuidesPlugIn* plugin);

  ASErr StartupPlugin(SPInterfaceMessage* message) override;
  ASErr PostStartupPlugin() override;
  ASErr Message(const char* caller, const char* selector, void* message) override;
  ASErr Notify(AINotifierMessage* message) override;
  ASErr GoMenuItem(AIMenuMessage* message) override;
  ASErr UpdateMenuItem(AIMenuMessage* message) override;
  ASErr EditTool(AIToolMessage* message) override;
  ASErr TrackToolCursor(AIToolMessage* message) override;
  ASErr ToolMouseDown(AIToolMessage* message) override;
  ASErr ToolMouseDrag(AIToolMessage* message) override;
  ASErr ToolMouseUp(AIToolMessage* message) override;
  ASErr SelectTool(AIToolMessage* message) override;
  ASErr DeselectTool(AIToolMessage* message) override;

  // The annotator's handlers: drawing the hint at the cursor, and invalidating its place.
  ASErr toolAnnotate(AIAnnotatorMessage* message);
  ASErr InvalAnnotator(AIAnnotatorMessage* message);

  // Start-up steps: the tool, the annotator, the menus, the notifiers; and the panel's
  // content once the application has started.
  ASErr AddTools(SPInterfaceMessage* message);
  ASErr AddAnnotator(SPInterfaceMessage* message);
  ASErr AddMenus(SPInterfaceMessage* message);
  ASErr AddNotifier(SPInterfaceMessage* message);

  // Handles the host gave the plug-in; all null until registered.
  AIMenuItemHandle fAboutMenuItem = nullptr;
  AIMenuItemHandle fShowHideMenuItem = nullptr;
  AIRect fInvalRect = {0, 0, 0, 0};
  AIAnnotatorHandle fAnnotator = nullptr;
  AINotifierHandle fShutdownNotifier = nullptr;
  AINotifierHandle fSelectionNotifier = nullptr;
  AINotifierHandle fBrightnessNotifier = nullptr;
  AINotifierHandle fRulerUnitNotifier = nullptr;
  AIResourceManagerHandle fCursorManager = nullptr;

 private:
  GuidesPlugIn(GuidesPlugIn&& other) noexcept = default;

  ASErr AnnotationMessage(const char* selector, AIAnnotatorMessage* message);
  static ASErr KeepPluginOptions(SPPluginRef pluginRef);
};

#endif
