#include "kit/Event.h"

namespace kit {

const char* describe(Delivery delivery) {
  switch (delivery) {
    case Delivery::Delivered: return "delivered";
    case Delivery::RefusedHidden: return "refused: view is hidden";
    case Delivery::RefusedDisabled: return "refused: control is disabled";
    case Delivery::RefusedOutsideModal: return "refused: another window is running modally";
    case Delivery::RefusedNotEditable: return "refused: field is not editable";
    case Delivery::RefusedNoSuchItem: return "refused: no such item";
    case Delivery::RefusedNoTrackingArea: return "refused: view tracks no mouse entry or exit";
  }
  return "refused";
}

}  // namespace kit
