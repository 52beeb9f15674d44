#include "model/Shell.h"

namespace host {

// Never destroyed, like the model: a plug-in's static objects may still call the host
// while the process exits.
Shell& shell() {
  static Shell* const instance = new Shell();
  return *instance;
}

void resetShell() { shell() = Shell(); }

}  // namespace host
