// The selection of the front document as the user changes it: a whole new selection at
// once, each art's selected attribute kept in step with the document's list.
#include <algorithm>

#include "model/Model.h"

namespace host {

AIErr Model::selectOnly(const std::vector<Ref>& arts, bool* changed) {
  Document* document = front();
  if (!document) return kNoDocumentErr;
  for (Ref art : arts)
    if (!validArt(art)) return art.isNull() ? kBadParameterErr : kStaleHandleErr;

  std::vector<Ref> wanted;
  for (Ref art : arts)
    if (std::find(wanted.begin(), wanted.end(), art) == wanted.end()) wanted.push_back(art);
  const std::vector<Ref> before = selection();
  if (changed)
    *changed = before.size() != wanted.size() ||
               std::any_of(wanted.begin(), wanted.end(), [&](Ref art) {
                 return std::find(before.begin(), before.end(), art) == before.end();
               });

  for (Ref art : before) arts_.find(art)->userAttributes &= ~kArtSelected;
  for (Ref art : wanted) arts_.find(art)->userAttributes |= kArtSelected;
  document->selection = std::move(wanted);
  return kNoErr;
}

}  // namespace host
