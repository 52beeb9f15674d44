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

/* The record and what it points to (type, notifyData) are valid during the message only. */
typedef struct AINotifierMessage {
  SPMessageData d;
  AINotifierHandle notifier;
  const char* type;
  void* notifyData;
} AINotifierMessage;

typedef struct AINotifierSuite {
  /* Usually at Startup; name and type are copied; *notifier is a host handle until the plug-in is unloaded. */
  AIErr (*AddNotifier)(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier);
  /* Any time; an inactive notifier gets no AI Notify message. */
  AIErr (*SetNotifierActive)(AINotifierHandle notifier, AIBoolean active);
  /* Any time. */
  AIErr (*GetNotifierActive)(AINotifierHandle notifier, AIBoolean* active);
  /* Any time; the notifiers of every plug-in. */
  AIErr (*CountNotifiers)(int32_t* count);
} AINotifierSuite;

AI_END_C

#endif
