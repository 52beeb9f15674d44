// The interface theme: light or dark, and the colours of the panels in each.
#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

// Colours of the panel selector, by component, as alpha, red, green, blue.
constexpr AIUIThemeColor kLightColours[] = {
    {1, 0.94f, 0.94f, 0.94f},  // background
    {1, 0.10f, 0.10f, 0.10f},  // text
    {1, 0.70f, 0.70f, 0.70f},  // border
    {1, 0.20f, 0.45f, 0.85f},  // highlight
    {1, 1.00f, 1.00f, 1.00f},  // field background
};
constexpr AIUIThemeColor kDarkColours[] = {
    {1, 0.20f, 0.20f, 0.20f},
    {1, 0.90f, 0.90f, 0.90f},
    {1, 0.35f, 0.35f, 0.35f},
    {1, 0.30f, 0.55f, 0.95f},
    {1, 0.12f, 0.12f, 0.12f},
};

AIErr IsDarkTheme(AIBoolean* dark) {
  if (!dark) return kBadParameterErr;
  *dark = toBoolean(shell().ui.darkTheme);
  return kNoErr;
}

AIErr GetUIThemeColor(int32_t selector, int32_t component, AIUIThemeColor* color) {
  if (!color || selector != kAIUIThemeSelectorPanel || component < kAIUIComponentBackground ||
      component > kAIUIComponentFieldBackground)
    return kBadParameterErr;
  const AIUIThemeColor* colours = shell().ui.darkTheme ? kDarkColours : kLightColours;
  *color = colours[component];
  return kNoErr;
}

}  // namespace

extern const AIUIThemeSuite uiThemeSuite = {IsDarkTheme, GetUIThemeColor};

}  // namespace host
