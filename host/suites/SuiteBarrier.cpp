#include "suites/SuiteBarrier.h"

#include <string>

#include "model/Shell.h"

namespace host {

void logSuiteThrow(const char* suite, const char* operation, const char* what) noexcept {
  try {
    shell().log.error(std::string("suite call ") + suite + "." + operation + " threw: " + what);
  } catch (...) {
  }
}

}  // namespace host
