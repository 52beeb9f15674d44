// The basic suite: suites handed out by exact name and version, every acquire and release
// counted; memory blocks tracked so that a block freed twice is refused.
#include <cstring>

#include "model/Shell.h"
#include "suites/SuiteRegistry.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

AIErr AcquireSuite(const char* name, int32_t version, const void** suite) {
  if (!name || !suite) return kBadParameterErr;
  Shell& host = shell();
  const void* table = host.suites.isWithheld(name) ? nullptr : findSuite(name, version);
  if (!table) {
    host.log.trace(std::string("suite not found: ") + name + " " + std::to_string(version));
    host.suites.countNotFound(name, version);
    return kSuiteNotFoundErr;
  }
  host.suites.countAcquire(name, version);
  *suite = tableToHandOut(table);
  return kNoErr;
}

AIErr ReleaseSuite(const char* name, int32_t version) {
  if (!name) return kBadParameterErr;
  if (shell().suites.countRelease(name, version)) return kNoErr;
  shell().log.error(std::string("release of a suite not acquired: ") + name + " " +
                    std::to_string(version));
  return kBadParameterErr;
}

AIBoolean IsEqual(const char* token1, const char* token2) {
  return token1 && token2 && std::strcmp(token1, token2) == 0;
}

AIErr AllocateBlock(size_t size, void** block) {
  if (!block) return kBadParameterErr;
  void* made = shell().handles.allocate(size);
  if (!made) return kOutOfMemoryErr;
  *block = made;
  return kNoErr;
}

AIErr FreeBlock(void* block) {
  return shell().handles.free(block) ? kNoErr : kBadParameterErr;
}

}  // namespace

SPBasicSuite basicSuite = {
    AcquireSuite, ReleaseSuite, IsEqual, AllocateBlock, FreeBlock,
};

// SP Blocks: the same blocks, with a debugging label the host ignores.
namespace {

AIErr BlocksAllocate(size_t size, const char* /*debug*/, void** block) {
  return AllocateBlock(size, block);
}

}  // namespace

extern const SPBlocksSuite blocksSuite = {BlocksAllocate, FreeBlock};

}  // namespace host
