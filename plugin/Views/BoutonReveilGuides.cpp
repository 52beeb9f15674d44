#include "BoutonReveilGuides.h"

#include "GuidesOutil.h"
#include "PanneauGlobals.h"
#include "Theme.h"
#include "kit/Button.h"
#include "kit/Color.h"
#include "kit/Cursor.h"
#include "kit/GraphicsContext.h"

kit::TrackingArea* trbtreveilguides = nullptr;

BoutonReveilGuides::BoutonReveilGuides(const kit::Rect& frame)
    : VueSuivie("BoutonReveilGuides", frame, trbtreveilguides) {}

void BoutonReveilGuides::mouseDown(const kit::Event&) {
  kit::Rect cadre = frame();
  cadre.origin.x = kAbscisseReveilCache;
  setFrame(cadre);
  OutilSelectionne = true;
  // The hidden button's action asks the host to select the tool; it may run anything,
  // so nothing of this view is touched afterwards.
  if (GbidonActiveOutilGuides) GbidonActiveOutilGuides->performClick();
}

void BoutonReveilGuides::mouseEntered(const kit::Event&) { kit::Cursor::pointingHandCursor().set(); }

void BoutonReveilGuides::drawRect(const kit::Rect& dirtyRect) {
  kit::Color::colorWithCalibratedRed(RougeTheme, VertTheme, BleuTheme, 0.5).set();
  kit::rectFillUsingOperation(dirtyRect, kit::CompositingOperation::SourceOver);
}
