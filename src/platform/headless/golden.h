#pragma once
// Reference images for tests: an image is compared pixel for pixel with
// tests/goldens/<name>.png of the source tree. On a mismatch the actual image and a
// difference image (changed pixels red, the rest dimmed) are written into
// golden_failures/ under the test's working folder. With TUMBLA_UPDATE_GOLDENS=1 in the
// environment the reference image is rewritten instead.
//
// How a test uses it:
//   const GoldenComparison result = CompareWithGolden(backend.Screenshot(), "about_dialog");
//   EXPECT_TRUE(result.matches) << result.message;
#include <filesystem>
#include <string>

#include "platform/gdi/gdi.h"

struct GoldenComparison {
  bool matches;
  std::string message;
};

GoldenComparison CompareWithGolden(const Surface& image, const std::string& name);

// TUMBLA_UPDATE_GOLDENS=1: the run rewrites reference images (and whatever is drawn from
// the same screens) instead of comparing them.
bool GoldenUpdateRequested();
// A path inside the source tree: TUMBLA_SOURCE_DIR, else the working folder.
std::filesystem::path SourceTreePath(const std::filesystem::path& relative);
