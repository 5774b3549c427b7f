#pragma once
// The colours and lettering shared by the program's pictures.
#include "art_canvas.h"

namespace art {

constexpr COLORREF kBoardGreen = RGB(4, 153, 51);
constexpr COLORREF kDialogGreen = RGB(0, 153, 51);
constexpr COLORREF kDarkGreen = RGB(0, 102, 51);
constexpr COLORREF kShadowGreen = RGB(0, 70, 35);
constexpr COLORREF kPaleGreen = RGB(156, 215, 173);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Tahoma has hand-tuned bitmaps at these two cell heights (10 and 15 pixels per em).
constexpr FontSpec kSmall{u"Tahoma", 12, false};
constexpr FontSpec kSmallBold{u"Tahoma", 12, true};
constexpr FontSpec kLarge{u"Tahoma", 18, false};
constexpr FontSpec kLargeBold{u"Tahoma", 18, true};

// The colour a fraction t of the way from one colour to another.
COLORREF Blend(COLORREF from, COLORREF to, double t);

// Crisp lettering with a shadow one pixel down and right, for white on green.
void ShadowedText(ArtCanvas& canvas, const CString& text, const FontSpec& font, const RECT& area, UINT format,
                  COLORREF color, COLORREF shadow);

}  // namespace art
