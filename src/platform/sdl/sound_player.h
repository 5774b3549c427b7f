#pragma once
// Plays the program's wave sounds on one mixer channel, so that a new sound cuts off the
// one playing. The audio device is opened at the first sound; without one, and for a sound
// that cannot be decoded, nothing plays and the program goes on.
#include <map>
#include <span>
#include <string>
#include <string_view>

struct Mix_Chunk;

class SoundPlayer {
 public:
  SoundPlayer() = default;
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;
  ~SoundPlayer();

  void Play(std::u16string_view name, std::span<const unsigned char> wave);
  bool IsAudioOpen() const { return m_device == Device::Open; }

 private:
  enum class Device { NotTried, Open, Unavailable };
  bool OpenDevice();
  Mix_Chunk* Chunk(std::u16string_view name, std::span<const unsigned char> wave);

  Device m_device = Device::NotTried;
  // Decoded once per name; null for a sound that could not be decoded.
  std::map<std::u16string, Mix_Chunk*, std::less<>> m_chunks;
};
