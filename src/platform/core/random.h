#pragma once
// The platform's pseudo-random 32-bit number. Seeded once from the system at start;
// tests replace the source to script the dice.
#include <cstdint>
#include <functional>

std::uint32_t Random();

using RandomSource = std::function<std::uint32_t()>;
// Returns the source that was installed before; an empty source restores the generator.
RandomSource SetRandomSource(RandomSource source);
