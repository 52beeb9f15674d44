#include "VueSuivie.h"

#include <memory>
#include <utility>

#include "kit/Cursor.h"

VueSuivie::VueSuivie(std::string classe, const kit::Rect& frame, kit::TrackingArea*& suivi)
    : kit::View(std::move(classe), frame), suivi_(suivi) {
  zone_ = addTrackingArea(std::make_unique<kit::TrackingArea>(bounds(), kOptionsSuiviSouris, this, nullptr));
  suivi_ = zone_;
}

// The area dies with the view: its global must not outlive it.
VueSuivie::~VueSuivie() {
  if (suivi_ == zone_) suivi_ = nullptr;
}

bool VueSuivie::acceptsFirstResponder() const { return true; }

void VueSuivie::mouseExited(const kit::Event&) { kit::Cursor::arrowCursor().set(); }
