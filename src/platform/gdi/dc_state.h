#pragma once
// What a device context holds, shared by the files that implement its operations.
#include <utility>
#include <vector>

#include "platform/core/require.h"
#include "platform/gdi/gdi.h"

// Where drawing lands: a surface, the surface position of logical (0, 0) and the part of
// the surface that may change. Coordinates given to the drawing calls are logical.
struct Canvas {
  Surface* surface = nullptr;
  POINT origin{0, 0};
  CRect clip;  // surface coordinates, already inside the surface

  bool IsValid() const { return surface != nullptr && !clip.IsRectEmpty(); }
  // Pixels x0 .. x1 - 1 of logical row y.
  void FillSpan(int y, int x0, int x1, COLORREF color) const;
  void Plot(int x, int y, COLORREF color) const;
};

// The selections and colours that SaveDC keeps.
struct DcSelection {
  CPen* pen = nullptr;
  CBrush* brush = nullptr;
  CFont* font = nullptr;  // null: the stock font, made when first needed
  CBitmap* bitmap = nullptr;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  CPoint position;
};

struct CDC::State {
  enum class Kind { Unset, Memory, Window };
  Kind kind = Kind::Unset;
  Surface* windowSurface = nullptr;
  POINT windowOrigin{0, 0};
  CRect windowClip;
  DcSelection selection;
  std::vector<DcSelection> saved;

  Canvas MakeCanvas() const;
};

// The objects a fresh context starts with.
CPen* StockPen();
CBrush* StockBrush();
CBitmap* StockBitmap();
CFont* StockFont();
