#include "server/StatePublisher.h"

namespace host {

void StatePublisher::publish() {
  const DocumentFingerprint now = fingerprintFrontDocument();
  if (!published_ || published_->document != now.document) board_.put("document", documentPart());
  // A list made again from unchanged art is the same list: no new frame for it.
  if (!published_ || (published_->guides != now.guides && !(*published_->guides == *now.guides))) {
    GuideFrame frame = guides_.next(*now.guides);
    board_.putData("guides", std::move(frame.bytes));  // before the part that names it
    board_.put("guides", std::move(frame.part));
  }
  published_ = now;
  board_.put("session", sessionPart());
  board_.put("overlay", overlayPart());
  board_.put("cursor", cursorPart());
  board_.put("toolbox", toolboxPart());
  board_.put("menus", menusPart());
  board_.put("panels", panelsPart());
  board_.put("windows", windowsPart());
  board_.put("alerts", alertsPart());
  board_.put("sounds", soundsPart());
  board_.put("urls", urlsPart());
}

}  // namespace host
