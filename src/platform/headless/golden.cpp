#include "platform/headless/golden.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/gdi/png_file.h"

namespace {
COLORREF Dimmed(COLORREF c) { return RGB(128 + GetRValue(c) / 4, 128 + GetGValue(c) / 4, 128 + GetBValue(c) / 4); }

// Writes the actual image and the difference image; returns where they went.
std::string WriteFailure(const Surface& image, const std::optional<Surface>& golden, const std::string& name) {
  const std::filesystem::path folder = std::filesystem::current_path() / "golden_failures";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::string actualPath = (folder / (name + ".actual.png")).string();
  WritePng(image, actualPath);
  if (!golden || golden->Width() != image.Width() || golden->Height() != image.Height()) return actualPath;
  Surface diff(image.Width(), image.Height());
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const COLORREF a = image.Pixel(x, y);
      diff.SetPixel(x, y, a == golden->Pixel(x, y) ? Dimmed(a) : RGB(255, 0, 0));
    }
  }
  const std::string diffPath = (folder / (name + ".diff.png")).string();
  WritePng(diff, diffPath);
  return actualPath + " and " + diffPath;
}
}  // namespace

bool GoldenUpdateRequested() {
  const char* flag = std::getenv("TUMBLA_UPDATE_GOLDENS");
  return flag != nullptr && std::string(flag) == "1";
}

std::filesystem::path SourceTreePath(const std::filesystem::path& relative) {
  const char* source = std::getenv("TUMBLA_SOURCE_DIR");
  return std::filesystem::path(source ? source : ".") / relative;
}

GoldenComparison CompareWithGolden(const Surface& image, const std::string& name) {
  const std::filesystem::path goldenPath = SourceTreePath("tests/goldens") / (name + ".png");
  if (GoldenUpdateRequested()) {
    std::error_code error;
    std::filesystem::create_directories(goldenPath.parent_path(), error);
    if (!WritePng(image, goldenPath.string())) return {false, "could not write " + goldenPath.string()};
    return {true, "rewrote " + goldenPath.string()};
  }
  const std::optional<Surface> golden = ReadPng(goldenPath.string());
  if (!golden) {
    return {false, "no reference image " + goldenPath.string() +
                       " (run with TUMBLA_UPDATE_GOLDENS=1 to make it); actual: " + WriteFailure(image, golden, name)};
  }
  if (golden->Width() != image.Width() || golden->Height() != image.Height()) {
    return {false, "size differs from " + goldenPath.string() + "; actual: " + WriteFailure(image, golden, name)};
  }
  int differing = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) differing += image.Pixel(x, y) != golden->Pixel(x, y) ? 1 : 0;
  }
  if (differing == 0) return {true, ""};
  return {false, std::to_string(differing) + " pixels differ from " + goldenPath.string() + "; see " +
                     WriteFailure(image, golden, name)};
}
