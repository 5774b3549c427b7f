#pragma once
// What the game never asks of the platform stand-in is refused loudly, in every build,
// rather than imitated approximately or skipped.
#include <cstdio>
#include <cstdlib>

#define PLATFORM_REQUIRE(condition, what)                                          \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "unsupported: %s (%s:%d)\n", what, __FILE__, __LINE__); \
      std::abort();                                                                \
    }                                                                              \
  } while (false)
