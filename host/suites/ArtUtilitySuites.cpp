// Art utilities the plug-in acquires: undo texts, tags, snapping, selection counts,
// conversions, art sets, groups and path styles. They answer from the model where it has
// the answer, and neutral values where the host keeps nothing.
#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

// The art must be live art of the front document, of the given type when one is given.
AIErr checkArt(AIArtHandle art, int16_t wanted = kUnknownArt) {
  int16_t type = kUnknownArt;
  if (const AIErr error = model().artType(fromHandle(art), &type)) return error;
  return wanted == kUnknownArt || type == wanted ? kNoErr : kBadParameterErr;
}

AIErr SetUndoText(const char* undoText, const char* redoText) {
  return undoText && redoText ? kNoErr : kBadParameterErr;
}

AIErr SetTag(AIArtHandle art, const char* name, const char* value) {
  if (!name || !value) return kBadParameterErr;
  return checkArt(art);
}

AIErr UseCustomConstraints(const char* name, AIBoolean /*use*/) {
  return name ? kNoErr : kBadParameterErr;
}

AIErr CountSelectedArt(int32_t* count) {
  if (!count) return kBadParameterErr;
  if (!model().front()) return kNoDocumentErr;
  *count = static_cast<int32_t>(model().selection().size());
  return kNoErr;
}

AIErr ArtCanBeConverted(AIArtHandle art, AIBoolean* canConvert) {
  if (!canConvert) return kBadParameterErr;
  if (const AIErr error = checkArt(art)) return error;
  *canConvert = 0;
  return kNoErr;
}

// The host makes no art sets, so none can be counted.
AIErr CountArtSet(void* /*artSet*/, size_t* /*count*/) { return kBadParameterErr; }

AIErr GetGroupClipped(AIArtHandle group, AIBoolean* clipped) {
  if (!clipped) return kBadParameterErr;
  if (const AIErr error = checkArt(group, kGroupArt)) return error;
  *clipped = 0;
  return kNoErr;
}

// Every path is stroked one point wide.
AIErr GetPathStrokeWidth(AIArtHandle art, AIReal* width) {
  if (!width) return kBadParameterErr;
  if (const AIErr error = checkArt(art, kPathArt)) return error;
  *width = 1;
  return kNoErr;
}

}  // namespace

extern const AIUndoSuite undoSuite = {SetUndoText};
extern const AITagSuite tagSuite = {SetTag};
extern const AICursorSnapSuite cursorSnapSuite = {UseCustomConstraints};
extern const AIMatchingArtSuite matchingArtSuite = {CountSelectedArt};
extern const AIArtConverterSuite artConverterSuite = {ArtCanBeConverted};
extern const AIArtSetSuite artSetSuite = {CountArtSet};
extern const AIGroupSuite groupSuite = {GetGroupClipped};
extern const AIPathStyleSuite pathStyleSuite = {GetPathStrokeWidth};

}  // namespace host
