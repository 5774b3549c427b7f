#pragma once
// Numbers in the resource files, least significant byte first.
#include <cstdint>
#include <span>

inline std::uint32_t ReadLittleEndian(std::span<const unsigned char> bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  return value;
}
