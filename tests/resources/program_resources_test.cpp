#include "resources/program_resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/core/resources.h"

namespace {

std::filesystem::path SourceRoot() {
  const char* root = std::getenv("TUMBLA_SOURCE_DIR");
  EXPECT_NE(root, nullptr);
  return root != nullptr ? root : ".";
}

std::vector<unsigned char> ReadSourceFile(const std::filesystem::path& relative) {
  std::ifstream in(SourceRoot() / relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ExpectEmbedded(std::span<const unsigned char> embedded, const std::filesystem::path& file) {
  const std::vector<unsigned char> original = ReadSourceFile(file);
  ASSERT_FALSE(original.empty()) << file;
  EXPECT_EQ(std::vector<unsigned char>(embedded.begin(), embedded.end()), original) << file;
}

TEST(ProgramResources, EveryFileOfTheFoldersIsFoundByIdOrName) {
  InstallProgramResources();
  const std::filesystem::path folder = std::filesystem::path("src") / "resources";
  for (const auto& entry : std::filesystem::directory_iterator(SourceRoot() / folder / "icons")) {
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
