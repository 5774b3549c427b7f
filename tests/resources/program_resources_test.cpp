#include "resources/program_resources.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "persistence/file_bytes.h"
#include "platform/core/resources.h"
#include "platform/headless/golden.h"

namespace {

void ExpectEmbedded(std::span<const unsigned char> embedded, const std::filesystem::path& file) {
  const std::string original = FileBytes(SourceTreePath(file));
  ASSERT_FALSE(original.empty()) << file;
  EXPECT_EQ(std::string(embedded.begin(), embedded.end()), original) << file;
}

TEST(ProgramResources, EveryFileOfTheFoldersIsFoundByIdOrName) {
  InstallProgramResources();
  const std::filesystem::path folder = std::filesystem::path("src") / "resources";
  for (const auto& entry : std::filesystem::directory_iterator(SourceTreePath(folder / "icons"))) {
    const std::string stem = entry.path().stem().string();
    const int id = std::stoi(stem.substr(stem.find('_') + 1));
    ExpectEmbedded(FindResourceBytes(ResourceType::Icon, id), folder / "icons" / entry.path().filename());
  }
  for (int n = 1; n <= 6; ++n) {
    const std::string name = "WAV_" + std::to_string(n);
    const std::u16string wideName(name.begin(), name.end());
    ExpectEmbedded(FindResourceBytes(ResourceType::Wave, wideName), folder / "sounds" / (name + ".wav"));
  }
}

TEST(ProgramResources, UnknownResourcesAreEmpty) {
  InstallProgramResources();
  EXPECT_TRUE(FindResourceBytes(ResourceType::Icon, 1).empty());
  EXPECT_TRUE(FindResourceBytes(ResourceType::Bitmap, 129).empty());
  EXPECT_TRUE(FindResourceBytes(ResourceType::Wave, u"WAV_7").empty());
}

}  // namespace
