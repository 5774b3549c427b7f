#pragma once
// Plays the program's wave sounds one at a time: a new sound cuts off the one playing. The
// audio device is opened at the first sound, so that start-up does not wait for it, in that
// sound's own format, so that sounds alike need no converting; it is closed again once the
// sounds have been silent a while, as an open device wakes the program for every buffer of
// silence. Without a device, and for a sound that cannot be decoded, nothing plays and the
// program goes on.
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
  bool IsDeviceOpen() const { return m_device != 0; }
  // When the open device has been silent long enough to close (SDL's clock), or nothing
  // while it is closed.
  std::optional<std::uint64_t> CloseDueMs() const;
  // Closes the device once that moment has come.
  void CloseIfDue();

 private:
  struct Format {
    std::uint16_t sampleFormat = 0;
    std::uint8_t channels = 0;
    int frequency = 0;
    bool operator==(const Format&) const = default;
  };
  struct Decoded {
    Format format;
    std::vector<std::uint8_t> samples;
  };
  bool OpenDevice(const Format& wanted);
  void CloseDevice();
  const std::vector<std::uint8_t>* Samples(std::u16string_view name, std::span<const unsigned char> wave);
  static std::optional<Decoded> Decode(std::span<const unsigned char> wave, const std::optional<Format>& target);

  bool m_audioStarted = false;
  bool m_audioFailed = false;
  std::uint32_t m_device = 0;  // 0: not open
  Format m_format;             // the open device's
  std::uint64_t m_closeDueMs = 0;
  // Converted to the device's format once per name; empty for a sound that could not be decoded.
  std::map<std::u16string, std::optional<std::vector<std::uint8_t>>, std::less<>> m_sounds;
};
