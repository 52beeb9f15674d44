// The guides as numbered frames, so that the page receives what changed since the frame it
// holds rather than every guide again. Each frame is published twice over: whole, as bytes
// read at /guides.bin (a new page, or one that fell behind, reads these), and, when it is
// worth it, as the changes from the frame before, inside the part itself:
//   {"count", "frame", "base": the frame the changes apply to, "changes": base64,
//    "bytes": base64 of the whole frame when it is small, else "data": its address}
// The changes are the bytes of GuideList.h with, in the header, "frame", "base", "added" (the
// guides that follow) and "runs" (the uint32 pairs that follow the header): the new frame in
// order as runs of (first index in the base frame, length) kept from it, or (kNewGuides,
// length) taken in order from the added guides. A guide of the base frame in no run is gone.
// "names" are the new frame's; a kept guide keeps its name.
#ifndef GUIDES_HOST_SERVER_GUIDEFRAMES_H
#define GUIDES_HOST_SERVER_GUIDEFRAMES_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "server/GuideList.h"

namespace host {

inline constexpr uint32_t kNewGuides = UINT32_MAX;

struct GuideFrame {
  std::string part;   // the part's JSON
  std::string bytes;  // the whole frame's bytes
};

class KeyTable;

class GuideFrames {
 public:
  GuideFrames();
  ~GuideFrames();
  GuideFrames(const GuideFrames&) = delete;
  GuideFrames& operator=(const GuideFrames&) = delete;

  // The next frame, of these guides.
  GuideFrame next(GuideList list);

 private:
  std::string changesFrom(const GuideList& base, const GuideList& now);

  uint64_t frame_;
  GuideList last_;
  std::unique_ptr<KeyTable> byKey_;  // the base frame's guides by key, filled when needed
};

}  // namespace host

#endif
