// Scope of the host's application context: pushed for this plug-in on construction,
// popped on destruction. Without the Context suite both do nothing.
#ifndef GUIDES_APPCONTEXT_H
#define GUIDES_APPCONTEXT_H

#include "AITypes.h"

class AppContext {
 public:
  explicit AppContext(SPPluginRef pluginRef);
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;
  ~AppContext();

 private:
  AIAppContextHandle fAppContext = nullptr;
  bool fPushed = false;
};

#endif
