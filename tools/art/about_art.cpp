// The About picture (186): a dice cup on its side with five dice spilling out onto green
// felt, and the game's name.
#include "art_catalog.h"
#include "art_style.h"
#include "illustrations.h"

namespace {

using namespace art;

constexpr COLORREF kFelt = RGB(0, 128, 51);
constexpr COLORREF kFeltEdge = RGB(0, 115, 48);
constexpr COLORREF kFeltShadow = RGB(0, 100, 42);
constexpr LetteringStyle kNameFont{u"Liberation Sans", 34, true};

struct SpilledDie {
  Point2 centre;
  double degrees;
  int value;
};

}  // namespace

Surface PaintAboutArt() {
  ArtCanvas canvas(154, 98, kDialogGreen);
  canvas.FillEllipse(1, 52, 153, 97, kFeltEdge);
  canvas.FillEllipse(3, 54, 151, 95, kFelt);

  const RECT name{0, 0, 154, 32};
  const RECT nameShadow{name.left + 1, name.top + 1, name.right + 1, name.bottom + 1};
  canvas.SmoothText(u"TUMBLA", kNameFont, nameShadow, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kShadowGreen);
  canvas.SmoothText(u"TUMBLA", kNameFont, name, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kWhite);
  ShadowedText(canvas, u"5 dice", kSubtitle, RECT{0, 31, 154, 49}, DT_CENTER | DT_TOP | DT_SINGLELINE, kPaleGreen,
               kShadowGreen);

  DrawDiceCup(canvas, Placement{{58, 68}, 100, 28});
  constexpr SpilledDie kDice[] = {
      {{73, 74}, 18, 5}, {{89, 85}, -14, 2}, {{104, 68}, 30, 6}, {{119, 83}, -8, 1}, {{135, 72}, 12, 3},
  };
  for (const SpilledDie& die : kDice) {
    canvas.FillEllipse(die.centre.x - 8, die.centre.y - 3, die.centre.x + 11, die.centre.y + 12, kFeltShadow);
  }
  for (const SpilledDie& die : kDice)
    DrawDie(canvas, Placement{die.centre, die.degrees}, 16, die.value, DieColour::Red);
  return canvas.Picture();
}
