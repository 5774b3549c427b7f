#include "platform/gdi/dc_state.h"

class FontFace {};

CFont::CFont() = default;
CFont::~CFont() = default;

BOOL CFont::CreateFontIndirect(const LOGFONT*) { GDI_REQUIRE(false, "fonts (not yet available)"); }

CFont* StockFont() {
  static CFont font;
  return &font;
}
