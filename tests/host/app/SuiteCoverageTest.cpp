// The host has every suite the plug-in's tables ask for, at the version they ask for.
#include <gtest/gtest.h>

#include "AIDataFilter.h"
#include "GuidesSuites.h"
#include "suites/SuiteRegistry.h"

namespace {

void expectEveryRowFound(const ImportSuite* table) {
  for (const ImportSuite* row = table; row->name; ++row)
    EXPECT_NE(host::findSuite(row->name, row->version), nullptr) << row->name << " " << row->version;
}

}  // namespace

TEST(SuiteCoverage, EverySuiteOfThePlugInsTablesIsThereAtItsVersion) {
  expectEveryRowFound(gBasicSuites);
  expectEveryRowFound(gImportSuites);
  // Held for one operation only, so in no table.
  EXPECT_NE(host::findSuite(kAIDataFilterSuite, kAIDataFilterSuiteVersion), nullptr);
  EXPECT_NE(host::findSuite(kAIMenuSuite, kAIMenuSuiteVersion), nullptr);
}
