// The board picture (bitmap 142) and the GO button (bitmap 172).
#include <algorithm>

#include "art_catalog.h"
#include "art_style.h"
#include "dialog_layout.h"
#include "resources/resource_ids.h"

namespace {

using namespace art;

constexpr int kBandHeight = 30;
constexpr int kColumnLeft = 185;
constexpr int kPanelLeft = 130;
constexpr int kPanelTop = 215;
constexpr double kCorner = 6;
constexpr int kLabelGap = 4;  // between a label's right end and its cell

// Category names by cell index (id - 1026); Bonus is 13, TOTAL 14.
constexpr int kCells = 15;
constexpr const char16_t* kCellLabels[kCells] = {
    u"Ones",  u"3 Kind", u"Twos",  u"4 Kind", u"Threes", u"House", u"Fours", u"4 Row",
    u"Fives", u"5 Row",  u"Sixes", u"TUMBLA", u"Chance", u"Bonus", u"TOTAL",
};

// A rounded inner corner where two dark areas meet at a right angle: the dark square of
// the corner with a quarter circle of the field cut out of it.
void Fillet(ArtCanvas& canvas, double x, double y, double dx, double dy) {
  const double x0 = std::min(x, x + dx * kCorner);
  const double y0 = std::min(y, y + dy * kCorner);
  canvas.FillRect(x0, y0, x0 + kCorner, y0 + kCorner, kDarkGreen);
  const double cx = x + dx * kCorner;
  const double cy = y + dy * kCorner;
  canvas.FillEllipse(cx - kCorner, cy - kCorner, cx + kCorner, cy + kCorner, kBoardGreen);
}

void PaintDarkAreas(ArtCanvas& canvas) {
  const int width = canvas.Width();
  const int height = canvas.Height();
  canvas.FillRect(0, 0, width, kBandHeight, kDarkGreen);
  canvas.FillRect(kColumnLeft, 0, width, height, kDarkGreen);
  // The panel with its outer corner rounded.
  canvas.FillRect(kPanelLeft + kCorner, kPanelTop, width, height, kDarkGreen);
  canvas.FillRect(kPanelLeft, kPanelTop + kCorner, width, height, kDarkGreen);
  canvas.FillEllipse(kPanelLeft, kPanelTop, kPanelLeft + 2 * kCorner, kPanelTop + 2 * kCorner, kDarkGreen);
  Fillet(canvas, kColumnLeft, kBandHeight, -1, 1);
  Fillet(canvas, kColumnLeft, kPanelTop, -1, -1);
}

// The title and the hint share one baseline in the band, above the first die.
void PaintTitle(ArtCanvas& canvas) {
  constexpr int kTitleTop = 6;
  constexpr int kTitleAscent = 12;  // of kBoardTitle, 12 pixels per em
  constexpr int kHintAscent = 10;   // of kSmall, 10 pixels per em
  constexpr int kHintTop = kTitleTop + kTitleAscent - kHintAscent;
  ShadowedText(canvas, u"POCKET TUMBLA 5 DICE", kBoardTitle, RECT{4, kTitleTop, kColumnLeft, kBandHeight},
               DT_LEFT | DT_TOP | DT_SINGLELINE, kWhite, kShadowGreen);
  canvas.Text(u"tap dice to hold", kSmall,
              RECT{kPanelLeft, kHintTop, canvas.Width() - 2, ItemPixels(IDD_BOARD, IDC_DIE_FIRST).top},
              DT_RIGHT | DT_TOP | DT_SINGLELINE, kPaleGreen);
}

void PaintLabels(ArtCanvas& canvas) {
  for (int i = 0; i < kCells; ++i) {
    const CRect cell = ItemPixels(IDD_BOARD, IDC_CELL_FIRST + i);
    const RECT area{cell.left - 60, cell.top, cell.left - kLabelGap, cell.bottom};
    canvas.Text(kCellLabels[i], kSmallBold, area, DT_RIGHT | DT_VCENTER | DT_SINGLELINE, kPaleGreen);
  }
  const CRect counter = ItemPixels(IDD_BOARD, IDC_ROLLS);
  canvas.Text(u"Rolls", kSmallBold, RECT{counter.left, counter.bottom, counter.right, canvas.Height()},
              DT_CENTER | DT_VCENTER | DT_SINGLELINE, kPaleGreen);
}

}  // namespace

Surface PaintBoard() {
  const CRect board = PicturePixels(IDD_BOARD, IDB_BOARD);
  ArtCanvas canvas(board.Width(), board.Height(), kBoardGreen);
  PaintDarkAreas(canvas);
  PaintTitle(canvas);
  PaintLabels(canvas);
  return canvas.Picture();
}

Surface PaintGoButton() {
  constexpr COLORREF kRim = RGB(90, 0, 0);
  constexpr COLORREF kDeepRed = RGB(175, 0, 0);
  constexpr COLORREF kBrightRed = RGB(255, 70, 60);
  ArtCanvas canvas(48, 38, kDarkGreen);
  canvas.FillEllipse(3, 3.5, 47, 38, kShadowGreen);
  canvas.FillEllipse(1, 1, 45, 36, kRim);
  // A dome: rings from deep red at the rim to bright red up and left of the centre.
  constexpr int kRings = 12;
  for (int i = 0; i < kRings; ++i) {
    const double t = static_cast<double>(i) / kRings;
    const double inset = 1.5 + t * 13;
    const double lift = t * 4;
    canvas.FillEllipse(1 + inset - lift, 1 + inset * 0.8 - lift, 45 - inset - lift, 36 - inset * 0.8 - lift,
                       Blend(kDeepRed, kBrightRed, t));
  }
  canvas.FillEllipse(11, 4, 33, 13, RGB(255, 150, 140));
  canvas.FillEllipse(14, 5, 28, 10, RGB(255, 215, 210));
  ShadowedText(canvas, u"GO", kTitle, RECT{1, 2, 45, 36}, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kWhite,
               RGB(110, 0, 0));
  return canvas.Picture();
}
