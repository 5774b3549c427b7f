#include "platform/sdl/sound_player.h"

#include <SDL.h>

#include <memory>

namespace {
// A buffer of about 12 ms: a tap's sound follows the tap closely.
constexpr int kBufferMs = 12;
// Long enough that the sounds of one roll, and of taps in quick succession, share one opening.
constexpr std::uint64_t kKeepOpenMs = 1000;

struct WaveDeleter {
  void operator()(Uint8* samples) const { SDL_FreeWAV(samples); }
};
struct StreamDeleter {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

Uint16 BufferFrames(int frequency) {
  Uint16 frames = 64;
  while (frames < 4096 && frames * 2 * 1000 <= frequency * kBufferMs) frames = static_cast<Uint16>(frames * 2);
  return frames;
}
}  // namespace

SoundPlayer::~SoundPlayer() {
  CloseDevice();
  if (m_audioStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::optional<SoundPlayer::Decoded> SoundPlayer::Decode(std::span<const unsigned char> wave,
                                                        const std::optional<Format>& target) {
  SDL_AudioSpec waveFormat{};
  Uint8* raw = nullptr;
  Uint32 length = 0;
  SDL_RWops* source = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
  if (source == nullptr || SDL_LoadWAV_RW(source, 1, &waveFormat, &raw, &length) == nullptr) return std::nullopt;
  const std::unique_ptr<Uint8, WaveDeleter> samples(raw);
  const Format own{waveFormat.format, waveFormat.channels, waveFormat.freq};
  if (!target || *target == own) return Decoded{own, std::vector<std::uint8_t>(raw, raw + length)};
  const std::unique_ptr<SDL_AudioStream, StreamDeleter> stream(SDL_NewAudioStream(
      own.sampleFormat, own.channels, own.frequency, target->sampleFormat, target->channels, target->frequency));
  if (stream == nullptr || SDL_AudioStreamPut(stream.get(), raw, static_cast<int>(length)) != 0 ||
      SDL_AudioStreamFlush(stream.get()) != 0) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> converted(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())));
  const int got = SDL_AudioStreamGet(stream.get(), converted.data(), static_cast<int>(converted.size()));
  if (got <= 0) return std::nullopt;
  converted.resize(static_cast<std::size_t>(got));
  return Decoded{*target, std::move(converted)};
}

bool SoundPlayer::OpenDevice(const Format& wanted) {
  if (m_device != 0) return true;
  if (m_audioFailed) return false;
  if (!m_audioStarted) {
    m_audioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    m_audioFailed = !m_audioStarted;
    if (m_audioFailed) return false;
  }
  SDL_AudioSpec asked{};
  asked.freq = wanted.frequency;
  asked.format = wanted.sampleFormat;
  asked.channels = wanted.channels;
  asked.samples = BufferFrames(wanted.frequency);
  SDL_AudioSpec obtained{};
  // What the device cannot take as asked, it takes as it likes; each sound is converted to
  // that once, when decoded.
  m_device = SDL_OpenAudioDevice(nullptr, 0, &asked, &obtained, SDL_AUDIO_ALLOW_ANY_CHANGE);
  if (m_device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_audioStarted = false;
    m_audioFailed = true;
    return false;
  }
  const Format format{obtained.format, obtained.channels, obtained.freq};
  if (format != m_format) m_sounds.clear();
  m_format = format;
  SDL_PauseAudioDevice(m_device, 0);
  return true;
}

void SoundPlayer::CloseDevice() {
  if (m_device == 0) return;
  SDL_CloseAudioDevice(m_device);
  m_device = 0;
}

const std::vector<std::uint8_t>* SoundPlayer::Samples(std::u16string_view name, std::span<const unsigned char> wave) {
  if (const auto found = m_sounds.find(name); found != m_sounds.end()) {
    return found->second ? &*found->second : nullptr;
  }
  std::optional<std::vector<std::uint8_t>>& sound = m_sounds[std::u16string(name)];
  if (std::optional<Decoded> decoded = Decode(wave, m_format)) sound = std::move(decoded->samples);
  return sound ? &*sound : nullptr;
}

void SoundPlayer::Play(std::u16string_view name, std::span<const unsigned char> wave) {
  if (wave.empty()) return;
  if (m_device == 0) {
    const std::optional<Decoded> own = Decode(wave, std::nullopt);
    if (!own || !OpenDevice(own->format)) return;
  }
  const std::vector<std::uint8_t>* samples = Samples(name, wave);
  if (samples == nullptr) return;
  SDL_ClearQueuedAudio(m_device);
  if (SDL_QueueAudio(m_device, samples->data(), static_cast<Uint32>(samples->size())) != 0) {
    SDL_Log("A sound could not be played: %s", SDL_GetError());
  }
  const std::uint64_t bytesPerSecond = static_cast<std::uint64_t>(m_format.frequency) * m_format.channels *
                                       (SDL_AUDIO_BITSIZE(m_format.sampleFormat) / 8);
  const std::uint64_t lastsMs = bytesPerSecond > 0 ? samples->size() * 1000 / bytesPerSecond : 0;
  m_closeDueMs = SDL_GetTicks64() + lastsMs + kKeepOpenMs;
}

std::size_t SoundPlayer::QueuedBytes() const { return m_device != 0 ? SDL_GetQueuedAudioSize(m_device) : 0; }

std::optional<std::uint64_t> SoundPlayer::CloseDueMs() const {
  if (m_device == 0) return std::nullopt;
  return m_closeDueMs;
}

void SoundPlayer::CloseIfDue() {
  if (m_device == 0 || SDL_GetTicks64() < m_closeDueMs) return;
  // A device that plays slower than its clock still has the end of the sound to play.
  if (QueuedBytes() > 0) {
    m_closeDueMs = SDL_GetTicks64() + kKeepOpenMs;
    return;
  }
  CloseDevice();
}
