// The six embedded wave sounds: complete RIFF files of the sizes the sound table was laid
// out for, loud enough to hear, never clipped, silent at both ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "little_endian.h"
#include "platform/core/resources.h"
#include "resources/program_resources.h"

namespace {

struct ExpectedWave {
  std::u16string_view name;
  std::uint32_t rate;
  std::uint32_t samples;
  std::size_t resourceBytes;
};
constexpr ExpectedWave kWaves[] = {
    {u"WAV_1", 22050, 10422, 20962}, {u"WAV_2", 22050, 17037, 34192}, {u"WAV_3", 22050, 7657, 15432},
    {u"WAV_4", 22050, 565, 1248},    {u"WAV_5", 44100, 2134, 4386},   {u"WAV_6", 44100, 6447, 13012},
};

std::string_view Tag(std::span<const unsigned char> bytes, std::size_t at) {
  return {reinterpret_cast<const char*>(bytes.data() + at), 4};
}

std::string Name(std::u16string_view name) { return {name.begin(), name.end()}; }

class WavesTest : public testing::Test {
 protected:
  void SetUp() override { InstallProgramResources(); }
};

// Each is a RIFF file with format, data and a note in that order; audible, unclipped, and
// silent where it starts or is cut off.
TEST_F(WavesTest, EachIsACompleteRiffFileOfAnAudibleUnclippedSound) {
  for (const ExpectedWave& expected : kWaves) {
    SCOPED_TRACE(Name(expected.name));
    const std::span<const unsigned char> wave = FindResourceBytes(ResourceType::Wave, expected.name);
    ASSERT_EQ(wave.size(), expected.resourceBytes);
    EXPECT_EQ(Tag(wave, 0), "RIFF");
    EXPECT_EQ(ReadLittleEndian(wave, 4, 4), wave.size() - 8);
    EXPECT_EQ(Tag(wave, 8), "WAVE");

    EXPECT_EQ(Tag(wave, 12), "fmt ");
    EXPECT_EQ(ReadLittleEndian(wave, 16, 4), 16u);
    EXPECT_EQ(ReadLittleEndian(wave, 20, 2), 1u);  // PCM
    EXPECT_EQ(ReadLittleEndian(wave, 22, 2), 1u);  // mono
    EXPECT_EQ(ReadLittleEndian(wave, 24, 4), expected.rate);
    EXPECT_EQ(ReadLittleEndian(wave, 28, 4), expected.rate * 2);
    EXPECT_EQ(ReadLittleEndian(wave, 32, 2), 2u);
    EXPECT_EQ(ReadLittleEndian(wave, 34, 2), 16u);

    EXPECT_EQ(Tag(wave, 36), "data");
    const std::uint32_t dataBytes = ReadLittleEndian(wave, 40, 4);
    EXPECT_EQ(dataBytes, expected.samples * 2);

    const std::size_t list = 44 + dataBytes;
    ASSERT_EQ(list + 8 + 66, wave.size());
    EXPECT_EQ(Tag(wave, list), "LIST");
    EXPECT_EQ(ReadLittleEndian(wave, list + 4, 4), 66u);
    EXPECT_EQ(Tag(wave, list + 8), "INFO");
    EXPECT_EQ(Tag(wave, list + 12), "ISFT");
    EXPECT_EQ(ReadLittleEndian(wave, list + 16, 4), 54u);
    EXPECT_EQ(wave.back(), 0);  // the note ends in its terminator

    auto sample = [&wave](std::size_t index) {
      return static_cast<std::int16_t>(ReadLittleEndian(wave, 44 + 2 * index, 2)) / 32768.0;
    };
    double peak = 0.0, energy = 0.0;
    for (std::size_t i = 0; i < expected.samples; ++i) {
      peak = std::max(peak, std::abs(sample(i)));
      energy += sample(i) * sample(i);
    }
    const double rms = std::sqrt(energy / expected.samples);
    EXPECT_GT(peak, 0.25);
    EXPECT_LT(peak, 0.9);
    EXPECT_GT(rms, 0.03);
    EXPECT_LT(std::abs(sample(0)), 0.01);
    EXPECT_LT(std::abs(sample(expected.samples - 1)), 0.01);
  }
}

}  // namespace
