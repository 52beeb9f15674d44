// Custom colours and swatches. The host's documents hold none.
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr answerNone(int32_t* count) {
  if (!count) return kBadParameterErr;
  *count = 0;
  return kNoErr;
}

AIErr CountCustomColors(int32_t* count) { return answerNone(count); }
AIErr CountSwatches(int32_t* count) { return answerNone(count); }
AIErr CountSwatchGroups(int32_t* count) { return answerNone(count); }

}  // namespace

extern const AICustomColorSuite customColorSuite = {CountCustomColors};
extern const AISwatchListSuite swatchListSuite = {CountSwatches};
extern const AISwatchGroupSuite swatchGroupSuite = {CountSwatchGroups};

}  // namespace host
