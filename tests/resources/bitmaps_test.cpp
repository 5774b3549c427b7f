// The program's bitmaps as the program loads them: each one there at its size, and the
// pictures laid out under what the dialogs put over them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "platform/core/resources.h"
#include "platform/gdi/gdi.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "resources/window_resources.h"

namespace {

constexpr COLORREF kBoardGreen = RGB(4, 153, 51);
constexpr COLORREF kDarkGreen = RGB(0, 102, 51);
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

CRect Grown(CRect r, int by) {
  r.InflateRect(by);
  return r;
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

std::uint32_t ReadLittleEndian(std::span<const unsigned char> bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  return value;
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

// The board's controls as its template places them: score cells, dice, counter, GO.
class BoardPictureTest : public BitmapsTest {
 protected:
  static CRect Cell(int index) { return Placed(IDD_BOARD, IDC_CELL_FIRST + index); }
  static CRect Die(int index) { return Placed(IDD_BOARD, IDC_DIE_FIRST + index); }
  static CRect Counter() { return Placed(IDD_BOARD, IDC_ROLLS); }
  static CRect Go() { return Placed(IDD_BOARD, 0, IDB_GO); }

  Surface board = Load(IDB_BOARD);
};

TEST_F(BoardPictureTest, FillsTheBoardTemplate) { EXPECT_EQ(Placed(IDD_BOARD, 0, IDB_BOARD), CRect(0, 0, 240, 268)); }

TEST_F(BoardPictureTest, CellsStandOnPlainFieldGreen) {
  ASSERT_EQ(board.Width(), 240);
  for (int i = 0; i < 15; ++i) {
    SCOPED_TRACE(1026 + i);
    EXPECT_EQ(CountOther(board, Grown(Cell(i), 1), kBoardGreen), 0);
  }
}

TEST_F(BoardPictureTest, DiceAndCounterStandOnTheDarkGreenTheyPaint) {
  ASSERT_EQ(board.Width(), 240);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(1000 + i);
    EXPECT_EQ(CountOther(board, Grown(Die(i), 1), kDarkGreen), 0);
  }
  EXPECT_EQ(CountOther(board, Grown(Counter(), 1), kDarkGreen), 0);
}

TEST_F(BoardPictureTest, GoButtonBlendsIntoThePanel) {
  ASSERT_EQ(board.Width(), 240);
  const Surface go = Load(IDB_GO);
  ASSERT_EQ(go.Width(), 48);
  ASSERT_FALSE(Go().IsRectEmpty());
  const CRect placed(Go().left, Go().top, Go().left + go.Width(), Go().top + go.Height());
  const CRect ring = Grown(placed, 1);
  EXPECT_EQ(CountOther(board, CRect(ring.left, ring.top, ring.right, placed.top), kDarkGreen), 0);
  EXPECT_EQ(CountOther(board, CRect(ring.left, placed.top, placed.left, ring.bottom), kDarkGreen), 0);
  EXPECT_EQ(board.Pixel(placed.right - 1, ring.bottom - 1), kDarkGreen);
  for (const POINT corner : {POINT{0, 0}, POINT{47, 0}, POINT{0, 37}}) {
    EXPECT_EQ(go.Pixel(corner.x, corner.y), kDarkGreen);
  }
}

// Each cell's name stands left of it, within the cell's rows and centred on them.
TEST_F(BoardPictureTest, EachLabelLinesUpWithItsCell) {
  ASSERT_EQ(board.Width(), 240);
  for (int i = 0; i < 15; ++i) {
    SCOPED_TRACE(1026 + i);
    const CRect cell = Cell(i);
    ASSERT_FALSE(cell.IsRectEmpty());
    const int left = std::max(0, static_cast<int>(cell.left) - 50);
    int top = cell.bottom;
    int bottom = cell.top;
    for (int y = cell.top - 3; y < cell.bottom + 3; ++y) {
      for (int x = left; x < cell.left - 1; ++x) {
        if (board.Pixel(x, y) == kBoardGreen) continue;
        top = std::min(top, y);
        bottom = std::max(bottom, y + 1);
      }
    }
    ASSERT_LT(top, bottom) << "no label";
    EXPECT_GE(top, cell.top);
    EXPECT_LE(bottom, cell.bottom);
    EXPECT_NEAR((top + bottom) / 2.0, (cell.top + cell.bottom) / 2.0, 2.0);
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
    CRect box = Grown(option.box, 2);
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
