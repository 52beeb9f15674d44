// After the host has run what was waiting, the parts of the page's state that changed are
// made again and put on the board for the event streams. The document and its guides are
// made again only when their fingerprint changed, so that a mouse move over a large document
// costs a walk over it, not its text; the guides then go as a new frame (GuideFrames).
#ifndef GUIDES_HOST_SERVER_STATEPUBLISHER_H
#define GUIDES_HOST_SERVER_STATEPUBLISHER_H

#include <optional>

#include "server/GuideFrames.h"
#include "server/StateBoard.h"
#include "server/StateParts.h"

namespace host {

class StatePublisher {
 public:
  explicit StatePublisher(StateBoard& board) : board_(board) {}

  // The host's thread.
  void publish();

 private:
  StateBoard& board_;
  std::optional<DocumentFingerprint> published_;
  GuideFrames guides_;
};

}  // namespace host

#endif
