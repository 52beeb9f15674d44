// The host suites the plug-in holds while it runs: every row of gBasicSuites, then every
// row of gImportSuites, acquired in order into their globals.
#ifndef GUIDES_SUITES_H
#define GUIDES_SUITES_H

#include <cstdint>

#include "AITypes.h"

struct ImportSuite;

class Suites {
 public:
  // Acquires every suite unless they are already held; the first refusal stops the
  // acquisition and becomes Error(). Whatever was acquired is released by the destructor.
  Suites();
  Suites(const Suites&) = delete;
  Suites& operator=(const Suites&) = delete;
  // Drops this holder's share; the last one releases every held suite, basic ones first,
  // and clears their globals.
  ~Suites();

  ASErr Error() const noexcept { return fError; }
  // The owner holds the one share from now on.
  void InitializeRefCount() noexcept { fAcquiredCount = 1; }
  // No suite of this plug-in is optional.
  ASErr AcquireOptionalSuites() noexcept { return kNoErr; }

  static int32_t AcquiredCount() noexcept { return fAcquiredCount; }

 private:
  ASErr AcquireAll();
  // Acquires the rows of table in order; returns the first failure. rowsDone receives the
  // number of rows gone through successfully, so release knows where to stop.
  static ASErr AcquireTable(ImportSuite* table, int16_t& rowsDone);
  static ASErr ReleaseTable(ImportSuite* table, int16_t rowsDone);

  ASErr fError = kNoErr;
  int16_t fRequiredSuitesCount = 0;

  // Rows acquired so far in each table; class-wide, like the globals they fill.
  static int16_t fBasicRowsHeld;
  static int16_t fImportRowsHeld;
  // Holders of the acquired suites.
  static int32_t fAcquiredCount;
};

#endif
