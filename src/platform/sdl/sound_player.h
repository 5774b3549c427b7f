#pragma once
// Plays the program's wave sounds one at a time: a new sound cuts off the one playing. The
// audio device is opened at the first sound, so that start-up does not wait for it; without
// one, and for a sound that cannot be decoded, nothing plays and the program goes on.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class SoundPlayer {
 public:
  SoundPlayer() = default;
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;
  ~SoundPlayer();

  void Play(std::u16string_view name, std::span<const unsigned char> wave);
  // What is still waiting to be heard of the sound playing, in the device's bytes.
  std::size_t QueuedBytes() const;

 private:
  bool OpenDevice();
  const std::vector<std::uint8_t>* Samples(std::u16string_view name, std::span<const unsigned char> wave);

  bool m_tried = false;
  std::uint32_t m_device = 0;  // 0: not open
  struct Format {
    std::uint16_t sampleFormat = 0;
    std::uint8_t channels = 0;
    int frequency = 0;
  } m_format;
  // Converted to the device's format once per name; empty for a sound that could not be decoded.
  std::map<std::u16string, std::optional<std::vector<std::uint8_t>>, std::less<>> m_sounds;
};
