#include "platform/sdl/sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {
constexpr int kChannel = 0;
constexpr int kFrequency = 44100;
constexpr int kStereo = 2;
constexpr int kBufferFrames = 512;  // about 12 ms: a tap's sound follows the tap closely
}  // namespace

SoundPlayer::~SoundPlayer() {
  if (m_device != Device::Open) return;
  Mix_HaltChannel(-1);
  for (auto& [name, chunk] : m_chunks) {
    if (chunk != nullptr) Mix_FreeChunk(chunk);
  }
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::OpenDevice() {
  if (m_device == Device::NotTried) {
    m_device = Device::Unavailable;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    // The device keeps its own rate and channels; the mixer converts each sound once, when
    // it is decoded.
    if (Mix_OpenAudioDevice(kFrequency, MIX_DEFAULT_FORMAT, kStereo, kBufferFrames, nullptr,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    Mix_AllocateChannels(1);
    m_device = Device::Open;
  }
  return m_device == Device::Open;
}

Mix_Chunk* SoundPlayer::Chunk(std::u16string_view name, std::span<const unsigned char> wave) {
  if (const auto found = m_chunks.find(name); found != m_chunks.end()) return found->second;
  SDL_RWops* stream = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
  Mix_Chunk* chunk = stream != nullptr ? Mix_LoadWAV_RW(stream, 1) : nullptr;
  m_chunks.emplace(name, chunk);
  return chunk;
}

void SoundPlayer::Play(std::u16string_view name, std::span<const unsigned char> wave) {
  if (wave.empty() || !OpenDevice()) return;
  if (Mix_Chunk* chunk = Chunk(name, wave)) Mix_PlayChannel(kChannel, chunk, 0);
}
