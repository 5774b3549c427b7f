#pragma once
// What the game never asks of the stand-in is refused loudly, in every build, rather than
// imitated approximately or skipped.
#include <cstdio>
#include <cstdlib>

#define WND_REQUIRE(condition, what)                                                    \
  do {                                                                                  \
    if (!(condition)) {                                                                 \
      std::fprintf(stderr, "wnd: %s (%s:%d)\n", what, __FILE__, __LINE__);             \
      std::abort();                                                                     \
    }                                                                                   \
  } while (false)
