// A broken invariant stops the fuzz target at once, with what was expected, so that
// libFuzzer keeps the input as a crash and the replay driver fails.
#ifndef GUIDES_TESTS_FUZZ_VERIFIEFUZZ_H
#define GUIDES_TESTS_FUZZ_VERIFIEFUZZ_H

#include <cstdio>
#include <cstdlib>

#define VERIFIE(condition, ...)                                           \
  do {                                                                    \
    if (!(condition)) {                                                   \
      std::fprintf(stderr, "%s:%d: %s\n  ", __FILE__, __LINE__, #condition); \
      std::fprintf(stderr, __VA_ARGS__);                                  \
      std::fprintf(stderr, "\n");                                         \
      std::abort();                                                       \
    }                                                                     \
  } while (0)

#endif
