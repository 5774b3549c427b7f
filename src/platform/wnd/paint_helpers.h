#pragma once
// Small drawing steps the stand-in's own controls and screen parts share.
#include "platform/core/win_types.h"
#include "platform/gdi/gdi.h"

// Fills left..right-1 by top..bottom-1 with one colour.
void FillSolid(CDC& dc, const RECT& rect, COLORREF color);
// A frame of `thickness` pixels just inside the rectangle.
void FrameSolid(CDC& dc, const RECT& rect, COLORREF color, int thickness = 1);
void DrawLine(CDC& dc, int x1, int y1, int x2, int y2, COLORREF color);
// Transparent text in the font (the context's font when null); format as DrawText takes.
void DrawTextIn(CDC& dc, const CString& text, RECT rect, UINT format, COLORREF color, CFont* font);
// Width of one line of text in the font.
int TextWidth(CDC& dc, const CString& text, CFont* font);
// Width of one line of text in the standard font, without a window to draw in.
int MeasureText(const CString& text, bool bold);

// The stand-in's own Tahoma 8 (cell height 11), normal or bold, made once.
CFont& StandardFont(bool bold);
// Creates a font of a face and point size for a dialog; FALSE when no such face exists.
BOOL CreatePointFont(CFont& font, std::u16string_view face, int pointSize, bool bold);
