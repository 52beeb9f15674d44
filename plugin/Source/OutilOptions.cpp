// Return with the tool selected opens the preferences dialog.
#include "OutilGuides.h"
#include "PanneauGlobals.h"
#include "kit/Application.h"
#include "kit/Window.h"

AIErr EditeOptionsOutil() {
  kit::Window* dialogue = GdialoguePRE;
  if (dialogue == nullptr) return kNoErr;  // the panel is not loaded yet
  kit::Application& application = kit::Application::shared();
  if (application.modalWindow() == dialogue) return kNoErr;  // already showing
  application.runModalForWindow(*dialogue);
  // OK and Cancel hide it; a run cut short (no more events) must not leave it showing.
  // The global is read again: the panel may have gone during the run.
  if (GdialoguePRE != nullptr) GdialoguePRE->orderOut();
  return kNoErr;
}
