// The program's bitmaps as the program loads them: each one there at its size. What they
// show is held by the screen test's reference images.
#include <gtest/gtest.h>

#include <cstdint>

#include "little_endian.h"
#include "platform/core/resources.h"
#include "platform/gdi/gdi.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"

namespace {

struct BitmapSize {
  int id;
  int width;
  int height;
};

constexpr BitmapSize kBitmaps[] = {
    {IDB_BOARD, 240, 268},        {IDB_GO, 48, 38},           {IDB_OPTIONS_TITLE, 169, 23},
    {IDB_AUDIO, 182, 62},         {IDB_DICE_COLOR, 184, 57},  {IDB_DICE_SPEED, 186, 59},
    {IDB_HISCORES_TITLE, 106, 18}, {IDB_NAME_BANNER, 197, 40}, {IDB_ENTER, 89, 35},
    {IDB_ABOUT_ART, 154, 98},
};

class BitmapsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InstallProgramResources(); }

  static Surface Load(int id) {
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(static_cast<UINT>(id))) return Surface();
    return *bitmap.GetSurface();
  }
};

TEST_F(BitmapsTest, EveryBitmapLoadsAtItsSizeFromAnEightBitFileWithAColourTable) {
  for (const BitmapSize& expected : kBitmaps) {
    SCOPED_TRACE(expected.id);
    const std::span<const unsigned char> bytes = FindResourceBytes(ResourceType::Bitmap, expected.id);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(ReadLittleEndian(bytes, 28, 2), 8u);  // bits per pixel
    const std::uint32_t colours = ReadLittleEndian(bytes, 46, 4);
    EXPECT_GE(colours, 1u);
    EXPECT_LE(colours, 256u);

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(static_cast<UINT>(expected.id)));
    EXPECT_EQ(bitmap.GetSize(), CSize(expected.width, expected.height));
  }
}

}  // namespace
