/* Notifiers: the host tells registered plug-ins about events. */
#ifndef GUIDES_SDK_AINOTIFIER_H
#define GUIDES_SDK_AINOTIFIER_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion 1003

#define kAINotifierCaller "AI Notifier"
#define kAINotifySelector "AI Notify"

#define kAIApplicationStartedNotifier "AI Application Started Notifier"
#define kAIApplicationShutdownNotifier "AI Application Shutdown Notifier"
#define kAIArtSelectionChangedNotifier "AI Art Selection Changed Notifier"
#define kAIUIBrightnessChangedNotifier "AI UI Brightness Changed Notifier"
#define kAIDocumentRulerUnitChangedNotifier "AI Document Ruler Unit Changed Notifier"

typedef struct AINotifierMessage {
  SPMessageData d;
  AINotifierHandle notifier;
  const char* type;
  void* notifyData;
} AINotifierMessage;

typedef struct AINotifierSuite {
  AIErr (*AddNotifier)(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier);
  AIErr (*SetNotifierActive)(AINotifierHandle notifier, AIBoolean active);
  AIErr (*GetNotifierActive)(AINotifierHandle notifier, AIBoolean* active);
  AIErr (*CountNotifiers)(int32_t* count);
} AINotifierSuite;

AI_END_C

#endif
