// Tracing: with --trace every suite operation a plug-in calls is logged with its result.
#include <cstring>

#include "AIArt.h"
#include "ShellFixture.h"
#include "suites/GuardedTables.h"
#include "suites/SuiteRegistry.h"

using Operation = void (*)();

std::vector<Operation> operationsOf(const void* table, size_t size) {
  std::vector<Operation> operations(size / sizeof(Operation));
  std::memcpy(operations.data(), table, operations.size() * sizeof(Operation));
  return operations;
}

TEST_F(ShellTest, EveryOperationOfEverySuiteIsPresentAndHasAGuardedTwin) {
  for (const host::SuiteEntry& entry : host::allSuites()) {
    SCOPED_TRACE(std::string(entry.name));
    ASSERT_EQ(entry.size % sizeof(Operation), 0u);
    const std::vector<Operation> plain = operationsOf(entry.table, entry.size);
    const std::vector<Operation> traced = operationsOf(host::guardedTwin(entry.table), entry.size);
    for (size_t i = 0; i < plain.size(); ++i) {
      EXPECT_NE(plain[i], nullptr) << "operation " << i;
      EXPECT_NE(traced[i], plain[i]) << "operation " << i << " is not guarded";
    }
  }
}

TEST_F(ShellTest, ATracedCallIsLoggedWithItsTextsAndResultOnlyWhenTracing) {
  const void* table = nullptr;
  ASSERT_EQ(host::messageBasicSuite()->AcquireSuite(kAIArtSuite, kAIArtSuiteVersion, &table), kNoErr);
  const auto* art = static_cast<const AIArtSuite*>(table);
  AIArtHandle made = nullptr;
  EXPECT_EQ(art->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &made), kNoDocumentErr);
  EXPECT_EQ(errors.str(), "");

  host::shell().log.setTracing(true);
  SPBasicSuite* basic = host::messageBasicSuite();
  ASSERT_EQ(basic->AcquireSuite(kAIArtSuite, kAIArtSuiteVersion, &table), kNoErr);
  EXPECT_EQ(art->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &made), kNoDocumentErr);
  EXPECT_EQ(basic->AcquireSuite("AI Nothing Suite", 1, &table), kSuiteNotFoundErr);
  EXPECT_EQ(errors.str(),
            "guides-host: trace: call SP Basic Suite.AcquireSuite(\"AI Art Suite\") -> 0\n"
            "guides-host: trace: call AI Art Suite.NewArt -> 'DOC?'\n"
            "guides-host: trace: suite not found: AI Nothing Suite 1\n"
            "guides-host: trace: call SP Basic Suite.AcquireSuite(\"AI Nothing Suite\") -> 'S!Fd'\n");
}
