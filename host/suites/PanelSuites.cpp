// Floating panels and their flyout menus. A panel is a toolkit window, so its fields take
// the focus and Tab moves through them as in any window; the plug-in fills its content
// view. The panel is shown while the window is visible.
#include <cmath>

#include "kit/View.h"
#include "kit/Window.h"
#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

UserInterface& ui() { return shell().ui; }

Panel* panelOf(AIPanelRef panel) { return ui().panels.find(fromHandle(panel)); }
FlyoutMenu* menuOf(AIPanelFlyoutMenuRef menu) { return ui().flyoutMenus.find(fromHandle(menu)); }

bool isSize(const AISize& size) {
  return std::isfinite(size.width) && std::isfinite(size.height) && size.width >= 0 &&
         size.height >= 0;
}

// An icon is a small PNG image; a bigger one is refused rather than copied.
constexpr size_t kMaxIconBytes = 1u << 20;

// Where panels float on the screen.
constexpr double kPanelLeft = 1100;
constexpr double kPanelBottom = 500;

bool copyIcon(const uint8_t* bytes, size_t size, std::vector<uint8_t>* icon) {
  if ((!bytes && size > 0) || size > kMaxIconBytes) return false;
  icon->assign(bytes, bytes + size);
  return true;
}

AIErr Create(SPPluginRef plugin, AIUnicodeStringRef id, AIUnicodeStringRef title, int32_t stateCount,
             const AISize* minimumSize, AIBoolean resizable, AIPanelFlyoutMenuRef menu, void* userData,
             AIPanelRef* panel) {
  const std::string* idText = receivedString(id);
  const std::string* titleText = receivedString(title);
  if (!idText || !titleText || !minimumSize || !isSize(*minimumSize) || !panel ||
      !shell().plugins.find(fromHandle(plugin)))
    return kBadParameterErr;
  if (menu && !menuOf(menu)) return kBadParameterErr;
  Panel made;
  made.plugin = fromHandle(plugin);
  made.id = *idText;
  made.title = *titleText;
  made.stateCount = stateCount;
  made.minimumSize = made.size = *minimumSize;
  made.resizable = resizable != 0;
  made.flyout = fromHandle(menu);
  made.userData = userData;
  made.window = std::make_shared<kit::Window>(
      kit::makeRect(kPanelLeft, kPanelBottom, minimumSize->width, minimumSize->height), *titleText);
  made.window->setIdentifier(*idText);
  const Ref ref = ui().panels.insert(std::move(made));
  if (ref.isNull()) return kTooManyErr;
  *panel = toHandle<AIPanelRef>(ref);
  return kNoErr;
}

AIErr Destroy(AIPanelRef panel) {
  if (!panelOf(panel)) return kBadParameterErr;
  ui().panels.erase(fromHandle(panel));
  return kNoErr;
}

AIErr Show(AIPanelRef panel, AIBoolean show) {
  Panel* record = panelOf(panel);
  if (!record) return kBadParameterErr;
  if (show && !record->isShown()) record->window->makeKeyAndOrderFront();
  if (!show && record->isShown()) record->window->orderOut();
  return kNoErr;
}

AIErr IsShown(AIPanelRef panel, AIBoolean* shown) {
  const Panel* record = panelOf(panel);
  if (!record || !shown) return kBadParameterErr;
  *shown = toBoolean(record->isShown());
  return kNoErr;
}

AIErr GetUserData(AIPanelRef panel, void** userData) {
  const Panel* record = panelOf(panel);
  if (!record || !userData) return kBadParameterErr;
  *userData = record->userData;
  return kNoErr;
}

AIErr GetPlatformWindow(AIPanelRef panel, void** view) {
  const Panel* record = panelOf(panel);
  if (!record || !view) return kBadParameterErr;
  *view = record->view();
  return kNoErr;
}

AIErr GetSize(AIPanelRef panel, AISize* size) {
  const Panel* record = panelOf(panel);
  if (!record || !size) return kBadParameterErr;
  *size = record->size;
  return kNoErr;
}

// The views a plug-in put in the panel fill it at every size, as in a real panel; their
// controls then follow their autoresizing masks.
void fitPluginViews(const Panel& record) {
  kit::View* content = record.view();
  if (!content) return;
  for (kit::View* view : content->subviews()) view->setFrame(content->bounds());
}

AIErr SetSize(AIPanelRef panel, const AISize* size) {
  Panel* record = panelOf(panel);
  if (!record || !size || !isSize(*size)) return kBadParameterErr;
  record->size = *size;
  const kit::Rect frame = record->window->frame();
  record->window->setFrame(kit::Rect{frame.origin, kit::Size{size->width, size->height}}, false);
  fitPluginViews(*record);
  return kNoErr;
}

AIErr SetPreferredSizes(AIPanelRef panel, AIPoint pair) {
  Panel* record = panelOf(panel);
  if (!record) return kBadParameterErr;
  record->preferredSizes = pair;
  return kNoErr;
}

AIErr SetFlyoutMenuProc(AIPanelRef panel, AIPanelFlyoutMenuProc proc) {
  Panel* record = panelOf(panel);
  if (!record) return kBadParameterErr;
  record->flyoutProc = proc;
  return kNoErr;
}

AIErr GetFlyoutMenu(AIPanelRef panel, AIPanelFlyoutMenuRef* menu) {
  const Panel* record = panelOf(panel);
  if (!record || !menu) return kBadParameterErr;
  *menu = toHandle<AIPanelFlyoutMenuRef>(record->flyout);
  return kNoErr;
}

AIErr SetIcon(AIPanelRef panel, const uint8_t* lightIcon, size_t lightSize, const uint8_t* darkIcon,
              size_t darkSize) {
  Panel* record = panelOf(panel);
  if (!record) return kBadParameterErr;
  std::vector<uint8_t> light, dark;
  if (!copyIcon(lightIcon, lightSize, &light) || !copyIcon(darkIcon, darkSize, &dark))
    return kBadParameterErr;
  record->lightIcon = std::move(light);
  record->darkIcon = std::move(dark);
  return kNoErr;
}

// ---- Flyout menus ---------------------------------------------------------------------

AIErr CreateMenu(AIPanelFlyoutMenuRef* menu) {
  if (!menu) return kBadParameterErr;
  const Ref made = ui().flyoutMenus.insert(FlyoutMenu{});
  if (made.isNull()) return kTooManyErr;
  *menu = toHandle<AIPanelFlyoutMenuRef>(made);
  return kNoErr;
}

AIErr DestroyMenu(AIPanelFlyoutMenuRef menu) {
  if (!menuOf(menu)) return kBadParameterErr;
  ui().flyoutMenus.erase(fromHandle(menu));
  return kNoErr;
}

AIErr append(AIPanelFlyoutMenuRef menu, int32_t itemId, const std::string* text, bool separator) {
  FlyoutMenu* record = menuOf(menu);
  if (!record || !text || record->item(itemId)) return kBadParameterErr;
  record->items.push_back(FlyoutItem{itemId, separator, *text});
  return kNoErr;
}

AIErr AppendItem(AIPanelFlyoutMenuRef menu, int32_t itemId, AIUnicodeStringRef text) {
  return append(menu, itemId, receivedString(text), false);
}

AIErr AppendSeparator(AIPanelFlyoutMenuRef menu, int32_t itemId) {
  static const std::string none;
  return append(menu, itemId, &none, true);
}

// The item of a menu, or null when either is unknown.
FlyoutItem* itemOf(AIPanelFlyoutMenuRef menu, int32_t itemId) {
  FlyoutMenu* record = menuOf(menu);
  return record ? record->item(itemId) : nullptr;
}

AIErr SetItemEnabled(AIPanelFlyoutMenuRef menu, int32_t itemId, AIBoolean enabled) {
  FlyoutItem* item = itemOf(menu, itemId);
  if (!item) return kBadParameterErr;
  item->enabled = enabled != 0;
  return kNoErr;
}

AIErr GetItemEnabled(AIPanelFlyoutMenuRef menu, int32_t itemId, AIBoolean* enabled) {
  const FlyoutItem* item = itemOf(menu, itemId);
  if (!item || !enabled) return kBadParameterErr;
  *enabled = toBoolean(item->enabled);
  return kNoErr;
}

AIErr SetItemMark(AIPanelFlyoutMenuRef menu, int32_t itemId, int32_t mark) {
  FlyoutItem* item = itemOf(menu, itemId);
  if (!item) return kBadParameterErr;
  item->mark = mark;
  return kNoErr;
}

AIErr GetItemMark(AIPanelFlyoutMenuRef menu, int32_t itemId, int32_t* mark) {
  const FlyoutItem* item = itemOf(menu, itemId);
  if (!item || !mark) return kBadParameterErr;
  *mark = item->mark;
  return kNoErr;
}

AIErr SetItemText(AIPanelFlyoutMenuRef menu, int32_t itemId, AIUnicodeStringRef text) {
  FlyoutItem* item = itemOf(menu, itemId);
  const std::string* label = receivedString(text);
  if (!item || !label) return kBadParameterErr;
  item->text = *label;
  return kNoErr;
}

AIErr GetItemText(AIPanelFlyoutMenuRef menu, int32_t itemId, AIUnicodeStringRef* text) {
  const FlyoutItem* item = itemOf(menu, itemId);
  if (!item) return kBadParameterErr;
  return returnString(item->text, text);
}

AIErr GetItemCount(AIPanelFlyoutMenuRef menu, int32_t* count) {
  const FlyoutMenu* record = menuOf(menu);
  if (!record || !count) return kBadParameterErr;
  *count = static_cast<int32_t>(record->items.size());
  return kNoErr;
}

AIErr GetItemId(AIPanelFlyoutMenuRef menu, int32_t index, int32_t* itemId) {
  const FlyoutMenu* record = menuOf(menu);
  if (!record || !itemId || index < 0 || index >= static_cast<int32_t>(record->items.size()))
    return kBadParameterErr;
  *itemId = record->items[static_cast<size_t>(index)].id;
  return kNoErr;
}

}  // namespace

extern const AIPanelSuite panelSuite = {
    Create,  Destroy, Show,    IsShown,           GetUserData,       GetPlatformWindow,
    GetSize, SetSize, SetPreferredSizes, SetFlyoutMenuProc, GetFlyoutMenu, SetIcon,
};

extern const AIPanelFlyoutMenuSuite panelFlyoutMenuSuite = {
    CreateMenu,  DestroyMenu,    AppendItem,  AppendSeparator, SetItemEnabled, GetItemEnabled,
    SetItemMark, GetItemMark,    SetItemText, GetItemText,     GetItemCount,   GetItemId,
};

}  // namespace host
