// A panel view that follows the mouse through one tracking area, kept in a process-wide
// reference of its class (each of these classes serves a single view of the panel).
#ifndef GUIDES_VUESUIVIE_H
#define GUIDES_VUESUIVIE_H

#include <string>

#include "kit/View.h"

// Mouse entered and exited, mouse moved, active in the key window.
inline constexpr kit::TrackingAreaOptions kOptionsSuiviSouris =
    kit::TrackingMouseEnteredAndExited | kit::TrackingMouseMoved | kit::TrackingActiveInKeyWindow;
static_assert(kOptionsSuiviSouris == 35);

class VueSuivie : public kit::View {
 public:
  ~VueSuivie() override;

  bool acceptsFirstResponder() const override;
  // Leaving the view gives the arrow back.
  void mouseExited(const kit::Event& event) override;

 protected:
  // Creates the tracking area over the view's bounds, owned by the view, and stores it
  // in `suivi`, the class's global.
  VueSuivie(std::string classe, const kit::Rect& frame, kit::TrackingArea*& suivi);

 private:
  kit::TrackingArea*& suivi_;
  kit::TrackingArea* zone_;
};

#endif
