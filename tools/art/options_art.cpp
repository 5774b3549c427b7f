// The pictures of the Game Options dialog: its title (179) and the three options
// (180 to 182), each with a small illustration, a heading and a line of explanation. The
// dialog lays a check box over the right of each option picture; the text keeps clear.
#include <cstdio>
#include <cstdlib>

#include "art_catalog.h"
#include "art_style.h"
#include "dialog_layout.h"
#include "illustrations.h"
#include "platform/core/text.h"
#include "resources/resource_ids.h"

namespace {

using namespace art;

constexpr int kTextLeft = 50;
constexpr int kHeadingHeight = 19;
constexpr int kLineHeight = 12;
constexpr int kBoxMargin = 5;

struct OptionPicture {
  int width;
  int height;
  int bitmapId;
  int checkBoxId;  // the box the dialog lays over the picture
  const char16_t* heading;
  const char16_t* line;
  void (*illustrate)(ArtCanvas& canvas);
};

// The check box as it falls on the picture.
CRect BoxInPicture(const OptionPicture& option) {
  CRect box = ItemPixels(IDD_OPTIONS, option.checkBoxId);
  const CRect picture = PicturePixels(IDD_OPTIONS, option.bitmapId);
  box.OffsetRect(-picture.left, -picture.top);
  return box;
}

Surface PaintOption(const OptionPicture& option) {
  ArtCanvas canvas(option.width, option.height, kDialogGreen);
  option.illustrate(canvas);
  const CRect box = BoxInPicture(option);
  const int right = box.left - kBoxMargin;
  const std::vector<CString> lines = WrapWords(canvas, option.line, kSmall, right - kTextLeft);
  // The heading and the lines, as one block centred from top to bottom.
  const int blockHeight = kHeadingHeight + kLineHeight * static_cast<int>(lines.size());
  if (blockHeight > option.height) {
    std::fprintf(stderr, "make_art: the text of \"%s\" does not fit its picture\n", ToUtf8(option.heading).c_str());
    std::exit(1);
  }
  const int headingTop = (option.height - blockHeight) / 2;
  const int lineTop = headingTop + kHeadingHeight;
  ShadowedText(canvas, option.heading, kHeading, RECT{kTextLeft, headingTop, right, lineTop},
               DT_LEFT | DT_TOP | DT_SINGLELINE, kWhite, kShadowGreen);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int top = lineTop + kLineHeight * static_cast<int>(i);
    canvas.Text(lines[i], kSmall, RECT{kTextLeft, top, right, top + kLineHeight}, DT_LEFT | DT_TOP | DT_SINGLELINE,
                kWhite);
  }
  return canvas.Picture();
}

void IllustrateAudio(ArtCanvas& canvas) {
  constexpr double kScale = 20;
  DrawHeadphones(canvas, Placement{{24, canvas.Height() / 2.0 - 0.25 * kScale}, 0, kScale});
}

void IllustrateColour(ArtCanvas& canvas) {
  const double middle = canvas.Height() / 2.0;
  DrawDie(canvas, Placement{{15, middle - 6}, -12}, 21, 3, DieColour::White);
  DrawDie(canvas, Placement{{34, middle + 6}, 10}, 21, 5, DieColour::Red);
}

void IllustrateSpeed(ArtCanvas& canvas) {
  const double middle = canvas.Height() / 2.0;
  constexpr COLORREF kStreak = RGB(120, 200, 140);
  for (int i = 0; i < 3; ++i) {
    const double x = 25 + 4.0 * i;
    const double y = middle - 11 + 2.0 * i;
    canvas.Line({x, y}, {x + 5, y - 8}, 1.4, kStreak);
  }
  DrawDiceCup(canvas, Placement{{24, middle - 8}, 28, 24});
  DrawDie(canvas, Placement{{37, middle - 19}, 20}, 14, 4, DieColour::White);
}

}  // namespace

Surface PaintOptionsTitle() {
  ArtCanvas canvas(169, 23, kDialogGreen);
  ShadowedText(canvas, u"Game Options", kTitle, RECT{0, 0, 169, 23}, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kWhite,
               kShadowGreen);
  return canvas.Picture();
}

Surface PaintAudioOption() {
  return PaintOption(
      {182, 62, IDB_AUDIO, IDC_AUDIO_CHECK, u"Audio FX", u"Ticking the box will enable the audio FX", IllustrateAudio});
}

Surface PaintColourOption() {
  return PaintOption({184, 57, IDB_DICE_COLOR, IDC_COLOR_CHECK, u"Dice Color",
                      u"Ticking the box will give you red dice otherwise white dice", IllustrateColour});
}

Surface PaintSpeedOption() {
  return PaintOption({186, 59, IDB_DICE_SPEED, IDC_SPEED_CHECK, u"Dice Speed",
                      u"Ticking the box will make the dice faster", IllustrateSpeed});
}
