// The program's bitmaps as the program loads them: each one there at its size, and the
// dialogs' pictures laid out under what the dialogs put over them. The board's picture is
// checked as part of the board's reference images.
#include <gtest/gtest.h>

#include <cstdint>

#include "little_endian.h"
#include "platform/core/resources.h"
#include "platform/gdi/gdi.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "resources/window_resources.h"

namespace {

constexpr COLORREF kDialogGreen = RGB(0, 153, 51);

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

// Where a dialog of the program puts an item, found by control id or by the bitmap it
// shows; empty when the template has no such item.
CRect Placed(int dialogId, int controlId, int bitmapId = 0) {
  for (const DialogTemplate& dialog : ProgramDialogTemplates()) {
    for (const DialogItemTemplate& item : dialog.items) {
      const bool wanted = bitmapId != 0 ? item.imageId == bitmapId : item.id == controlId;
      if (dialog.id == dialogId && wanted) return DialogUnitsToPixels(item.x, item.y, item.cx, item.cy);
    }
  }
  return CRect();
}

// How many pixels of the area differ from the colour; -1 when the area is empty or not
// wholly inside the picture.
int CountOther(const Surface& s, const CRect& area, COLORREF color) {
  if (area.IsRectEmpty() || area.left < 0 || area.top < 0 || area.right > s.Width() || area.bottom > s.Height()) {
    return -1;
  }
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += s.Pixel(x, y) != color ? 1 : 0;
  }
  return count;
}

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

// The Game Options dialog lays its check boxes over the option pictures.
TEST_F(BitmapsTest, OptionPicturesLeaveTheirCheckBoxClear) {
  struct Option {
    int id;
    CRect picture;
    CRect box;
  };
  const Option options[] = {
      {IDB_AUDIO, Placed(IDD_OPTIONS, 0, IDB_AUDIO), Placed(IDD_OPTIONS, IDC_AUDIO_CHECK)},
      {IDB_DICE_COLOR, Placed(IDD_OPTIONS, 0, IDB_DICE_COLOR), Placed(IDD_OPTIONS, IDC_COLOR_CHECK)},
      {IDB_DICE_SPEED, Placed(IDD_OPTIONS, 0, IDB_DICE_SPEED), Placed(IDD_OPTIONS, IDC_SPEED_CHECK)},
  };
  for (const Option& option : options) {
    SCOPED_TRACE(option.id);
    const Surface picture = Load(option.id);
    ASSERT_FALSE(option.box.IsRectEmpty());
    CRect box = option.box;
    box.InflateRect(2);
    box.OffsetRect(-option.picture.left, -option.picture.top);
    ASSERT_LE(box.right, picture.Width());
    ASSERT_LE(box.bottom, picture.Height());
    EXPECT_EQ(CountOther(picture, box, kDialogGreen), 0);
  }
}

TEST_F(BitmapsTest, DialogPicturesStandOnTheDialogGreen) {
  for (const BitmapSize& expected : kBitmaps) {
    if (expected.id == IDB_BOARD || expected.id == IDB_GO) continue;
    SCOPED_TRACE(expected.id);
    const Surface picture = Load(expected.id);
    ASSERT_EQ(picture.Width(), expected.width);
    EXPECT_EQ(picture.Pixel(0, 0), kDialogGreen);
    EXPECT_EQ(picture.Pixel(picture.Width() - 1, 0), kDialogGreen);
  }
}

}  // namespace
