#pragma once
// Small drawing targets for the drawing-layer tests, and ways to look at their pixels.
#include <string>

#include "platform/gdi/gdi.h"

// A memory context over a fresh bitmap filled with one colour.
class TestCanvas {
 public:
  TestCanvas(int width, int height, COLORREF fill);
  ~TestCanvas();
  CDC& Dc() { return m_dc; }
  const Surface& Pixels() const { return *m_bitmap.GetSurface(); }
  int Count(COLORREF color) const;
  // One character per pixel, rows separated by line feeds: '#' where the colour is, '.' elsewhere.
  std::string Picture(COLORREF color) const;

 private:
  CDC m_dc;
  CBitmap m_bitmap;
  CBitmap* m_previous = nullptr;
};

// A picture of w x h where exactly the pixels inside the rectangle are '#'.
std::string RectanglePicture(int width, int height, const RECT& inside);

int CountColor(const Surface& surface, COLORREF color);
// The smallest rectangle holding every pixel that is not the background colour.
CRect Touched(const Surface& surface, COLORREF background);
// What the icon drawn with its top left at the origin leaves at (x, y) over the background.
COLORREF SeenThroughIcon(const Icon& icon, int x, int y, COLORREF background);
