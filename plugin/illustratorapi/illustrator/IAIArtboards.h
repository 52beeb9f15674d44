// The front document's artboard list, held for one operation and released at the end of
// its scope. Calls answer the host's code instead of throwing: the guide operations carry
// on after a failed call.
#ifndef GUIDES_IAIARTBOARDS_H
#define GUIDES_IAIARTBOARDS_H

#include "AIArtboard.h"

namespace ai {

class ArtboardList {
 public:
  ArtboardList() noexcept;
  ~ArtboardList();
  ArtboardList(const ArtboardList&) = delete;
  ArtboardList& operator=(const ArtboardList&) = delete;

  // The code of fetching the list; the other calls answer it too when it failed.
  AIErr error() const noexcept { return fError; }
  AIErr count(int32_t& count) const noexcept;
  AIErr setActive(int32_t index) const noexcept;
  // The position rectangle of artboard `index`, read from its properties record, which is
  // disposed again. `rect` is left untouched when the host has no such artboard.
  AIErr position(int32_t index, AIRealRect& rect) const noexcept;

 private:
  AIArtboardListRef fList = nullptr;
  AIErr fError = kNoErr;
};

}  // namespace ai

#endif
