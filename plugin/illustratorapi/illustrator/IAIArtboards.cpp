#include "IAIArtboards.h"

#include "GuidesSuites.h"

namespace ai {

ArtboardList::ArtboardList() noexcept { fError = sAIArtboard->GetArtboardList(&fList); }

ArtboardList::~ArtboardList() {
  if (fError == kNoErr) sAIArtboard->ReleaseArtboardList(fList);
}

AIErr ArtboardList::count(int32_t& count) const noexcept {
  if (fError != kNoErr) return fError;
  return sAIArtboard->GetCount(fList, &count);
}

AIErr ArtboardList::setActive(int32_t index) const noexcept {
  if (fError != kNoErr) return fError;
  return sAIArtboard->SetActive(fList, index);
}

AIErr ArtboardList::position(int32_t index, AIRealRect& rect) const noexcept {
  if (fError != kNoErr) return fError;
  AIArtboardPropertiesRef proprietes = nullptr;
  AIErr erreur = sAIArtboard->GetArtboardProperties(fList, index, &proprietes);
  if (erreur != kNoErr) return erreur;
  AIRealRect lu = rect;
  erreur = sAIArtboard->GetPosition(proprietes, &lu);
  const AIErr liberation = sAIArtboard->DisposeArtboardProperties(proprietes);
  if (erreur != kNoErr) return erreur;
  rect = lu;
  return liberation;
}

}  // namespace ai
