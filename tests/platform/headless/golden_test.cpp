// Reference images: exact comparison, failure images, and rewriting on request.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <unistd.h>

#include "platform/gdi/png_file.h"
#include "platform/headless/golden.h"

namespace {
// Points the reference images into a fresh temporary source tree for one test.
class Goldens : public ::testing::Test {
 protected:
  Goldens() {
    m_root = std::filesystem::temp_directory_path() / ("tumbla_goldens_" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_root);
    const char* source = std::getenv("TUMBLA_SOURCE_DIR");
    if (source) m_savedSource = source;
    ::setenv("TUMBLA_SOURCE_DIR", m_root.c_str(), 1);
    ::unsetenv("TUMBLA_UPDATE_GOLDENS");
  }
  ~Goldens() override {
    if (m_savedSource) {
      ::setenv("TUMBLA_SOURCE_DIR", m_savedSource->c_str(), 1);
    } else {
      ::unsetenv("TUMBLA_SOURCE_DIR");
    }
    ::unsetenv("TUMBLA_UPDATE_GOLDENS");
    std::filesystem::remove_all(m_root);
  }

  std::filesystem::path m_root;
  std::optional<std::string> m_savedSource;
};

TEST_F(Goldens, AnImageMatchesItsRewrittenReferenceAndADifferentOneFailsWithPictures) {
  Surface image(4, 3, RGB(0, 153, 51));
  ::setenv("TUMBLA_UPDATE_GOLDENS", "1", 1);
  EXPECT_TRUE(CompareWithGolden(image, "sample").matches);
  EXPECT_TRUE(std::filesystem::exists(m_root / "tests" / "goldens" / "sample.png"));
  ::unsetenv("TUMBLA_UPDATE_GOLDENS");

  EXPECT_TRUE(CompareWithGolden(image, "sample").matches);

  image.SetPixel(1, 1, RGB(255, 255, 255));
  image.SetPixel(2, 2, RGB(255, 255, 255));
  const GoldenComparison result = CompareWithGolden(image, "sample");
  EXPECT_FALSE(result.matches);
  EXPECT_NE(result.message.find("2 pixels differ"), std::string::npos) << result.message;
  const std::filesystem::path failures = std::filesystem::current_path() / "golden_failures";
  const std::optional<Surface> diff = ReadPng((failures / "sample.diff.png").string());
  ASSERT_TRUE(diff.has_value());
  EXPECT_EQ(diff->Pixel(1, 1), RGB(255, 0, 0));
  EXPECT_NE(diff->Pixel(0, 0), RGB(255, 0, 0));
  const std::optional<Surface> actual = ReadPng((failures / "sample.actual.png").string());
  ASSERT_TRUE(actual.has_value());
  EXPECT_EQ(actual->Pixel(2, 2), RGB(255, 255, 255));
}

TEST_F(Goldens, AMissingReferenceFailsAndSaysHowToMakeIt) {
  const GoldenComparison result = CompareWithGolden(Surface(2, 2), "missing");
  EXPECT_FALSE(result.matches);
  EXPECT_NE(result.message.find("TUMBLA_UPDATE_GOLDENS=1"), std::string::npos) << result.message;
}
}  // namespace
