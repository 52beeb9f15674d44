// The wake-up view: a translucent veil over the panel while the guides tool is not
// selected. A click on it moves it out of the visible panel and selects the tool.
#ifndef GUIDES_BOUTONREVEILGUIDES_H
#define GUIDES_BOUTONREVEILGUIDES_H

#include "VueSuivie.h"

extern kit::TrackingArea* trbtreveilguides;

// Where a click sends the veil: beyond the right edge of the widest panel.
inline constexpr double kAbscisseReveilCache = 500;

class BoutonReveilGuides : public VueSuivie {
 public:
  explicit BoutonReveilGuides(const kit::Rect& frame);

  void mouseDown(const kit::Event& event) override;
  void mouseEntered(const kit::Event& event) override;
  void drawRect(const kit::Rect& dirtyRect) override;
};

#endif
