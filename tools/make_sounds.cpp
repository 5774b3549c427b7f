// Synthesises the program's six wave sounds from seeded noise and tones, always the same:
//   make_sounds <folder>   ->  WAV_1.wav ... WAV_6.wav
// Each file is mono 16-bit PCM with a "fmt " chunk, the "data" chunk and a LIST/INFO chunk
// with one ISFT note, so the files have the sizes the game's resource table was laid out for.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "binary_output.h"

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << "make_sounds: " << message << "\n";
  std::exit(1);
}

// xorshift32: the same numbers on every machine, unlike the standard distributions.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : m_state(seed) {}
  double Unit() {  // [0, 1)
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<double>(m_state) / 4294967296.0;
  }
  double Signed() { return 2.0 * Unit() - 1.0; }
  double Between(double low, double high) { return low + (high - low) * Unit(); }

 private:
  std::uint32_t m_state;
};

struct Sound {
  int rate;
  std::vector<double> samples;
  Sound(int sampleRate, int count) : rate(sampleRate), samples(static_cast<std::size_t>(count), 0.0) {}
  double Seconds(std::size_t index) const { return static_cast<double>(index) / rate; }
};

// Adds a decaying sine from `start` seconds on; `attackSeconds` softens its onset.
void AddRing(Sound& sound, double start, double frequency, double decaySeconds, double amplitude, double phase,
             double attackSeconds = 0.0) {
  const auto first = static_cast<std::size_t>(std::max(0.0, start * sound.rate));
  for (std::size_t i = first; i < sound.samples.size(); ++i) {
    const double t = sound.Seconds(i) - start;
    const double envelope = std::exp(-t / decaySeconds);
    if (envelope < 1e-4) break;
    const double onset = t < attackSeconds ? t / attackSeconds : 1.0;
    sound.samples[i] += amplitude * onset * envelope * std::sin(kTwoPi * frequency * t + phase);
  }
}

// One die striking something hard: a few body modes of a small plastic cube, a scratch of
// noise at the contact, and with `thump` a low knock of the surface it hits.
void AddHit(Sound& sound, Noise& noise, double start, double amplitude, double brightness, double thump) {
  const double base = noise.Between(1700.0, 2600.0) * brightness;
  constexpr double kModeRatios[] = {1.0, 1.58, 2.37, 3.1};
  double modeAmplitude = amplitude;
  for (double ratio : kModeRatios) {
    const double frequency = base * ratio * noise.Between(0.97, 1.03);
    if (frequency < 0.45 * sound.rate) {
      AddRing(sound, start, frequency, noise.Between(0.006, 0.014), modeAmplitude, kTwoPi * noise.Unit());
    }
    modeAmplitude *= 0.6;
  }
  const auto first = static_cast<std::size_t>(start * sound.rate);
  const auto scratch = static_cast<std::size_t>(0.002 * sound.rate);
  for (std::size_t i = first; i < std::min(first + scratch, sound.samples.size()); ++i) {
    const double fade = 1.0 - static_cast<double>(i - first) / static_cast<double>(scratch);
    sound.samples[i] += 0.5 * amplitude * fade * noise.Signed();
  }
  if (thump > 0.0) AddRing(sound, start, noise.Between(150.0, 210.0), 0.02, amplitude * thump, 0.0);
}

// Hits at random moments, more of them where `density` (hits per second) is high.
void AddRattle(Sound& sound, Noise& noise, const std::function<double(double)>& density,
               const std::function<double(double)>& loudness, double brightness, double thump) {
  const double length = sound.Seconds(sound.samples.size());
  for (double t = 0.0; t < length;) {
    const double rate = std::max(density(t), 1.0);
    t += -std::log(1.0 - noise.Unit()) / rate;
    if (t < length && density(t) > 1.0) {
      AddHit(sound, noise, t, loudness(t) * noise.Between(0.5, 1.0), brightness, thump);
    }
  }
}

// Band-passed noise: the air and the surface between the hits.
void AddRumble(Sound& sound, Noise& noise, double centre, double bandwidth,
               const std::function<double(double)>& envelope) {
  const double radius = std::exp(-std::numbers::pi * bandwidth / sound.rate);
  const double feedback = 2.0 * radius * std::cos(kTwoPi * centre / sound.rate);
  double previous = 0.0, beforePrevious = 0.0;
  for (std::size_t i = 0; i < sound.samples.size(); ++i) {
    const double filtered = (1.0 - radius) * noise.Signed() + feedback * previous - radius * radius * beforePrevious;
    beforePrevious = previous;
    previous = filtered;
    sound.samples[i] += envelope(sound.Seconds(i)) * filtered;
  }
}

void LowPass(Sound& sound, double cutoff) {
  const double keep = std::exp(-kTwoPi * cutoff / sound.rate);
  double state = 0.0;
  for (double& sample : sound.samples) {
    state = (1.0 - keep) * sample + keep * state;
    sample = state;
  }
}

// Scales to the wanted peak and rounds off both ends so the sound starts and stops at zero.
void Finish(Sound& sound, double peak, double fadeInSeconds, double fadeOutSeconds) {
  double loudest = 0.0;
  for (double sample : sound.samples) loudest = std::max(loudest, std::abs(sample));
  if (loudest == 0.0) Fail("silent sound");
  const double count = static_cast<double>(sound.samples.size());
  const double fadeIn = fadeInSeconds * sound.rate;
  const double fadeOut = fadeOutSeconds * sound.rate;
  for (std::size_t i = 0; i < sound.samples.size(); ++i) {
    const double fromStart = static_cast<double>(i);
    const double toEnd = count - 1.0 - fromStart;
    double gain = peak / loudest;
    if (fromStart < fadeIn) gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * fromStart / fadeIn);
    if (toEnd < fadeOut) gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * toEnd / fadeOut);
    sound.samples[i] *= gain;
  }
}

double Bump(double t, double centre, double width) {
  const double d = (t - centre) / width;
  return std::exp(-d * d);
}

// Dice shaken in a cup: two strokes of muffled rattling over the cup's hollow rush.
Sound CupShaken() {
  Sound sound(22050, 10422);
  Noise noise(0x5EED0001);
  auto strokes = [](double t) { return Bump(t, 0.12, 0.07) + Bump(t, 0.33, 0.07); };
  AddRattle(
      sound, noise, [&](double t) { return 260.0 * strokes(t); }, [&](double t) { return 0.3 + 0.7 * strokes(t); }, 0.8,
      0.0);
  AddRumble(sound, noise, 700.0, 500.0, [&](double t) { return 0.6 * strokes(t); });
  LowPass(sound, 3500.0);
  Finish(sound, 0.55, 0.004, 0.03);
  return sound;
}

// Dice thrown onto a table: a burst of bounces that thin out and soften as the dice roll
// to a stop, over a low rolling rumble.
Sound DiceRolling() {
  Sound sound(22050, 17037);
  Noise noise(0x5EED0002);
  AddRattle(
      sound, noise, [](double t) { return 90.0 * std::exp(-t / 0.3); }, [](double t) { return std::exp(-t / 0.35); },
      1.0, 0.5);
  AddRumble(sound, noise, 260.0, 300.0,
            [](double t) { return 1.2 * std::exp(-t / 0.3) * (1.0 - std::exp(-t / 0.01)); });
  Finish(sound, 0.7, 0.002, 0.08);
  return sound;
}

// The dice coming to rest: a few sharp knocks close together, the last ones softer.
Sound DiceLanding() {
  Sound sound(22050, 7657);
  Noise noise(0x5EED0003);
  constexpr double kKnocks[][2] = {{0.004, 1.0}, {0.035, 0.8}, {0.06, 0.9}, {0.1, 0.55}, {0.15, 0.35}, {0.21, 0.2}};
  for (const auto& [start, amplitude] : kKnocks) AddHit(sound, noise, start, amplitude, 1.0, 0.7);
  Finish(sound, 0.7, 0.001, 0.06);
  return sound;
}

// A short dry tick.
Sound Click() {
  Sound sound(22050, 565);
  Noise noise(0x5EED0004);
  AddHit(sound, noise, 0.001, 1.0, 1.3, 0.0);
  Finish(sound, 0.5, 0.0005, 0.008);
  return sound;
}

// Two quick bright notes, a fifth apart upwards, like a small bell.
Sound Confirmation() {
  Sound sound(44100, 2134);
  constexpr double kAttack = 0.002;
  AddRing(sound, 0.0, 1568.0, 0.012, 0.8, 0.0, kAttack);
  AddRing(sound, 0.0, 3136.0, 0.006, 0.2, 0.0, kAttack);
  AddRing(sound, 0.016, 2349.3, 0.014, 1.0, 0.0, kAttack);
  AddRing(sound, 0.016, 4698.6, 0.007, 0.25, 0.0, kAttack);
  Finish(sound, 0.5, 0.001, 0.01);
  return sound;
}

// A low buzz: a band-limited square tone, slightly falling, with a rough flutter.
Sound Refusal() {
  Sound sound(44100, 6447);
  double phase = 0.0;
  for (std::size_t i = 0; i < sound.samples.size(); ++i) {
    const double t = sound.Seconds(i);
    const double frequency = 130.0 - 20.0 * t;
    phase += kTwoPi * frequency / sound.rate;
    double square = 0.0;
    for (int harmonic = 1; harmonic * frequency < 3000.0; harmonic += 2) {
      square += std::sin(harmonic * phase) / harmonic;
    }
    sound.samples[i] = square * (0.8 + 0.2 * std::sin(kTwoPi * 30.0 * t));
  }
  LowPass(sound, 1800.0);
  Finish(sound, 0.3, 0.008, 0.03);
  return sound;
}

std::vector<std::uint8_t> EncodeWave(const Sound& sound) {
  constexpr std::string_view kNote = "Tumbla make_sounds: synthesised from seeded noise";
  constexpr std::uint32_t kNoteBytes = 54;  // the note, its terminator and padding
  static_assert(kNote.size() < kNoteBytes);
  constexpr std::uint32_t kListBytes = 4 + 8 + kNoteBytes;
  const auto dataBytes = static_cast<std::uint32_t>(2 * sound.samples.size());

  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  PutLittleEndian(out, 4 + (8 + 16) + (8 + dataBytes) + (8 + kListBytes), 4);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutLittleEndian(out, 16, 4);
  PutLittleEndian(out, 1, 2);  // PCM
  PutLittleEndian(out, 1, 2);  // mono
  PutLittleEndian(out, static_cast<std::uint32_t>(sound.rate), 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(sound.rate) * 2, 4);
  PutLittleEndian(out, 2, 2);   // bytes per frame
  PutLittleEndian(out, 16, 2);  // bits per sample
  PutTag(out, "data");
  PutLittleEndian(out, dataBytes, 4);
  for (double sample : sound.samples) {
    const long value = std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0);
    PutLittleEndian(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)), 2);
  }
  PutTag(out, "LIST");
  PutLittleEndian(out, kListBytes, 4);
  PutTag(out, "INFO");
  PutTag(out, "ISFT");
  PutLittleEndian(out, kNoteBytes, 4);
  PutTag(out, kNote);
  out.resize(out.size() + kNoteBytes - kNote.size(), 0);
  return out;
}

void Write(const std::filesystem::path& folder, int number, const Sound& sound) {
  const std::filesystem::path path = folder / ("WAV_" + std::to_string(number) + ".wav");
  const std::vector<std::uint8_t> bytes = EncodeWave(sound);
  if (!WriteBinaryFile(path, bytes)) Fail("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) Fail("usage: make_sounds <output folder>");
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  Write(folder, 1, CupShaken());
  Write(folder, 2, DiceRolling());
  Write(folder, 3, DiceLanding());
  Write(folder, 4, Click());
  Write(folder, 5, Confirmation());
  Write(folder, 6, Refusal());
  return 0;
}
