#pragma once
// The one drawing object of the owner-drawn controls: a target device context, three
// fonts, and shapes, lines, icons and text each drawn in one call in a given colour.
// Every primitive leaves the target's selected pen, brush and font and its text and
// background colours as it found them.
#include "platform/gdi/gdi.h"

class CPainter {
 public:
  CPainter();
  ~CPainter();
  CPainter(const CPainter&) = delete;
  CPainter& operator=(const CPainter&) = delete;

  void SetTarget(CDC* pDC);

  void FillRect(const RECT& rect, COLORREF color);
  void FillRect(int left, int top, int right, int bottom, COLORREF color);
  // Each corner is a quarter of an ellipse cornerSize wide and high.
  void FillRoundRect(const RECT& rect, int cornerSize, COLORREF color);
  void FillRoundRectFramed(const RECT& rect, int cornerSize, int inset, COLORREF outerColor, COLORREF innerColor);
  void FillEllipse(const RECT& rect, COLORREF color);
  void FillEllipse(int left, int top, int right, int bottom, COLORREF color);
  void FillCircle(int x, int y, int radius, COLORREF color);
  void FillTriangle(int x1, int y1, int x2, int y2, int x3, int y3, COLORREF color);
  void SetPixel(int x, int y, COLORREF color);
  // From the first point towards the second, the second itself not drawn.
  void DrawLine(int x1, int y1, int x2, int y2, COLORREF color);
  void DrawLine(const RECT& rect, COLORREF color);
  // Unlike FillRect, touches the right and bottom coordinates.
  void FrameRect(int left, int top, int right, int bottom, COLORREF color);
  void FrameRect(const RECT& rect, COLORREF color);

  // The icon resource at its own size, through its mask.
  void DrawIcon(int x, int y, UINT iconId);

  // Text from the top of the rectangle, clipped to it, cells in the background colour;
  // alignment 0 left, 1 centre, 2 right (anything else centres). Returns the width of the
  // whole text.
  int DrawTextLarge(const CString& text, const RECT& rect, COLORREF textColor, COLORREF backColor, int alignment);
  int DrawTextSmall(const CString& text, const RECT& rect, COLORREF textColor, COLORREF backColor, int alignment);
  // Small text running from bottom to top, centred on the rectangle's height.
  void DrawTextVertical(const CString& text, const RECT& rect, COLORREF textColor, COLORREF backColor);

  // Each channel moves half way towards 255, steps times.
  static COLORREF LightenColor(COLORREF color, int steps);
  // Channel by channel (a * weight + b * (255 - weight)) / 256.
  static COLORREF BlendColor(COLORREF a, COLORREF b, int weight);
  static COLORREF InvertColor(COLORREF color);
  static COLORREF ContrastColor(COLORREF color);

 private:
  int DrawTextInFont(CFont& font, const CString& text, const RECT& rect, COLORREF textColor, COLORREF backColor,
                     int alignment);

  CDC* m_pDC = nullptr;
  CFont m_fontSmall;
  CFont m_fontLarge;
  CFont m_fontVertical;
};

extern CPainter thePainter;
