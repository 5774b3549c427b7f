// The pictures of the Hi Scores and name entry dialogs: the title (183), the banner (184)
// and the enter button (185).
#include "art_catalog.h"
#include "art_style.h"

namespace {

using namespace art;

constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

}  // namespace

Surface PaintHiScoresTitle() {
  ArtCanvas canvas(106, 18, kDialogGreen);
  ShadowedText(canvas, u"Hi Scores", kTitle, RECT{0, 0, 106, 18}, kCentred, kWhite, kShadowGreen);
  return canvas.Picture();
}

Surface PaintNameBanner() {
  ArtCanvas canvas(197, 40, kDialogGreen);
  ShadowedText(canvas, u"It's a Hi Score!", kTitle, RECT{0, 0, 197, 20}, kCentred, kWhite, kShadowGreen);
  ShadowedText(canvas, u"Enter Your Name", kSubtitle, RECT{0, 20, 197, 40}, kCentred, kWhite, kShadowGreen);
  return canvas.Picture();
}

Surface PaintEnterButton() {
  constexpr COLORREF kRim = RGB(100, 0, 0);
  constexpr COLORREF kRed = RGB(200, 10, 10);
  constexpr COLORREF kLight = RGB(240, 70, 60);
  constexpr COLORREF kShine = RGB(255, 170, 160);
  ArtCanvas canvas(89, 35, kDialogGreen);
  auto pill = [&canvas](double left, double top, double right, double bottom, COLORREF color) {
    const double r = (bottom - top) / 2;
    canvas.FillRect(left + r, top, right - r, bottom, color);
    canvas.FillEllipse(left, top, left + 2 * r, bottom, color);
    canvas.FillEllipse(right - 2 * r, top, right, bottom, color);
  };
  pill(3, 4, 88, 35, kShadowGreen);
  pill(1, 2, 86, 33, kRim);
  pill(2.5, 3.5, 84.5, 31.5, kRed);
  pill(4, 5, 83, 23, kLight);
  pill(10, 5.5, 77, 13, kShine);
  ShadowedText(canvas, u"enter", kTitle, RECT{1, 2, 86, 32}, kCentred, kWhite, RGB(110, 0, 0));
  return canvas.Picture();
}
