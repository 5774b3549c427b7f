#include "platform/sdl/sound_player.h"

#include <SDL.h>

#include <memory>

namespace {
constexpr int kFrequency = 44100;
constexpr Uint8 kStereo = 2;
constexpr Uint16 kBufferFrames = 512;  // about 12 ms: a tap's sound follows the tap closely

struct WaveDeleter {
  void operator()(Uint8* samples) const { SDL_FreeWAV(samples); }
};
struct StreamDeleter {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};
}  // namespace

SoundPlayer::~SoundPlayer() {
  if (m_device == 0) return;
  SDL_CloseAudioDevice(m_device);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::OpenDevice() {
  if (!m_tried) {
    m_tried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = kFrequency;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kStereo;
    wanted.samples = kBufferFrames;
    SDL_AudioSpec obtained{};
    // The device keeps its own rate and channels; each sound is converted once, when decoded.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(
        nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device == 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    m_device = device;
    m_format = Format{obtained.format, obtained.channels, obtained.freq};
    SDL_PauseAudioDevice(m_device, 0);
  }
  return m_device != 0;
}

const std::vector<std::uint8_t>* SoundPlayer::Samples(std::u16string_view name, std::span<const unsigned char> wave) {
  if (const auto found = m_sounds.find(name); found != m_sounds.end()) {
    return found->second ? &*found->second : nullptr;
  }
  std::optional<std::vector<std::uint8_t>>& sound = m_sounds[std::u16string(name)];
  SDL_AudioSpec waveFormat{};
  Uint8* raw = nullptr;
  Uint32 length = 0;
  SDL_RWops* source = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
  if (source == nullptr || SDL_LoadWAV_RW(source, 1, &waveFormat, &raw, &length) == nullptr) return nullptr;
  const std::unique_ptr<Uint8, WaveDeleter> decoded(raw);
  const std::unique_ptr<SDL_AudioStream, StreamDeleter> stream(
      SDL_NewAudioStream(waveFormat.format, waveFormat.channels, waveFormat.freq, m_format.sampleFormat, m_format.channels, m_format.frequency));
  if (stream == nullptr || SDL_AudioStreamPut(stream.get(), decoded.get(), static_cast<int>(length)) != 0 ||
      SDL_AudioStreamFlush(stream.get()) != 0) {
    return nullptr;
  }
  std::vector<std::uint8_t> converted(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())));
  const int got = SDL_AudioStreamGet(stream.get(), converted.data(), static_cast<int>(converted.size()));
  if (got <= 0) return nullptr;
  converted.resize(static_cast<std::size_t>(got));
  sound = std::move(converted);
  return &*sound;
}

void SoundPlayer::Play(std::u16string_view name, std::span<const unsigned char> wave) {
  if (wave.empty() || !OpenDevice()) return;
  const std::vector<std::uint8_t>* samples = Samples(name, wave);
  if (samples == nullptr) return;
  SDL_ClearQueuedAudio(m_device);
  if (SDL_QueueAudio(m_device, samples->data(), static_cast<Uint32>(samples->size())) != 0) {
    SDL_Log("A sound could not be played: %s", SDL_GetError());
  }
}

std::size_t SoundPlayer::QueuedBytes() const { return m_device != 0 ? SDL_GetQueuedAudioSize(m_device) : 0; }
