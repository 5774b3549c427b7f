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

// Tahoma draws crisp from its hand-tuned bitmaps; its bold has them only up to 12 pixels
// per em (a cell height of 15), so larger bold lettering is Liberation Sans.
constexpr LetteringStyle kSmall{u"Tahoma", 12, false};
constexpr LetteringStyle kSmallBold{u"Tahoma", 12, true};
constexpr LetteringStyle kBoardTitle{u"Tahoma", 14, true};
constexpr LetteringStyle kHeading{u"Tahoma", 15, true};
constexpr LetteringStyle kTitle{u"Liberation Sans", 20, true};
constexpr LetteringStyle kSubtitle{u"Liberation Sans", 18, true};

// The colour a fraction t of the way from one colour to another.
COLORREF Blend(COLORREF from, COLORREF to, double t);

// Crisp lettering with a shadow one pixel down and right, for white on green.
void ShadowedText(ArtCanvas& canvas, const CString& text, const LetteringStyle& font, const RECT& area, UINT format,
                  COLORREF color, COLORREF shadow);

}  // namespace art
