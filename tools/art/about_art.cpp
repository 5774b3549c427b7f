// The About picture (186): a dice cup on its side with five dice spilling out onto green
// felt, and the game's name.
#include "art_catalog.h"
#include "art_style.h"
#include "illustrations.h"

namespace {

using namespace art;

constexpr COLORREF kFelt = RGB(0, 128, 51);
constexpr COLORREF kFeltEdge = RGB(0, 115, 48);
constexpr FontSpec kNameFont{u"Liberation Sans", 34, true};

struct SpilledDie {
  Point2 centre;
  double degrees;
  int value;
};

}  // namespace

Surface PaintAboutArt() {
  ArtCanvas canvas(154, 98, kDialogGreen);
  canvas.FillEllipse(-30, 56, 184, 132, kFeltEdge);
  canvas.FillEllipse(-26, 59, 180, 130, kFelt);

  const RECT name{0, 0, 154, 32};
  const RECT nameShadow{name.left + 1, name.top + 1, name.right + 1, name.bottom + 1};
  canvas.SmoothText(u"TUMBLA", kNameFont, nameShadow, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kShadowGreen);
  canvas.SmoothText(u"TUMBLA", kNameFont, name, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kWhite);
  ShadowedText(canvas, u"5 dice", kSubtitle, RECT{0, 31, 154, 49}, DT_CENTER | DT_TOP | DT_SINGLELINE, kPaleGreen,
               kShadowGreen);

  DrawDiceCup(canvas, Placement{{56, 70}, 100, 30});
  constexpr SpilledDie kDice[] = {
      {{72, 76}, 18, 5}, {{88, 90}, -14, 2}, {{104, 70}, 30, 6}, {{121, 88}, -8, 1}, {{139, 73}, 12, 3},
  };
  for (const SpilledDie& die : kDice) DrawDie(canvas, Placement{die.centre, die.degrees}, 16, die.value, DieColour::Red);
  return canvas.Picture();
}
