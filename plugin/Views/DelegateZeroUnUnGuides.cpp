#include "DelegateZeroUnUnGuides.h"

bool DelegateZeroUnUnGuides::doCommandBySelector(kit::Control*, kit::TextView*, const std::string&) { return false; }
