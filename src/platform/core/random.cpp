#include "platform/core/random.h"

#include <random>
#include <utility>

namespace {
RandomSource& Source() {
  static RandomSource source;
  return source;
}
}  // namespace

std::uint32_t Random() {
  if (Source()) return Source()();
  static std::mt19937 generator{std::random_device{}()};
  return static_cast<std::uint32_t>(generator());
}

RandomSource SetRandomSource(RandomSource source) { return std::exchange(Source(), std::move(source)); }
