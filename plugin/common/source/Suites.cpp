#include "Suites.h"

#include "GuidesSuites.h"

int16_t Suites::fBasicRowsHeld = 0;
int16_t Suites::fImportRowsHeld = 0;
int32_t Suites::fAcquiredCount = 0;

namespace {

int16_t CountRows(const ImportSuite* table) {
  int16_t rows = 0;
  for (const ImportSuite* row = table; row->name; ++row) ++rows;
  return rows;
}

}  // namespace

Suites::Suites() {
  if (fAcquiredCount == 0) fError = AcquireAll();
  // Counted even after a refusal, so that the destructor releases the part acquired.
  ++fAcquiredCount;
}

Suites::~Suites() {
  if (fAcquiredCount > 0) --fAcquiredCount;
  if (fAcquiredCount > 0) return;
  ReleaseTable(gBasicSuites, fBasicRowsHeld);
  ReleaseTable(gImportSuites, fImportRowsHeld);
  fBasicRowsHeld = 0;
  fImportRowsHeld = 0;
}

ASErr Suites::AcquireAll() {
  fRequiredSuitesCount = static_cast<int16_t>(CountRows(gBasicSuites) + CountRows(gImportSuites));
  ASErr error = AcquireTable(gBasicSuites, fBasicRowsHeld);
  if (error == kNoErr) error = AcquireTable(gImportSuites, fImportRowsHeld);
  return error;
}

ASErr Suites::AcquireTable(ImportSuite* table, int16_t& rowsDone) {
  rowsDone = 0;
  if (!sSPBasic) return kBadParameterErr;
  for (ImportSuite* row = table; row->name; ++row) {
    if (row->suite) {
      ASErr error = sSPBasic->AcquireSuite(row->name, row->version, row->suite);
      if (error != kNoErr) {
        *row->suite = nullptr;
        return error;
      }
      // A table handed over empty is held all the same (and released), but unusable.
      if (!*row->suite) {
        ++rowsDone;
        return kSuiteNotFoundErr;
      }
    }
    ++rowsDone;
  }
  return kNoErr;
}

// Every acquired row is released and its global cleared even when the host refuses one
// release, so that no global is left pointing at a table the host may have taken back.
ASErr Suites::ReleaseTable(ImportSuite* table, int16_t rowsDone) {
  ASErr firstError = kNoErr;
  for (int16_t i = 0; i < rowsDone && table[i].name; ++i) {
    ImportSuite& row = table[i];
    if (!row.suite) continue;
    if (sSPBasic) {
      ASErr error = sSPBasic->ReleaseSuite(row.name, row.version);
      if (firstError == kNoErr) firstError = error;
    }
    *row.suite = nullptr;
  }
  return firstError;
}
