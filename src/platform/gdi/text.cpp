#include "platform/gdi/dc_state.h"

int CDC::DrawText(const CString&, RECT*, UINT) { GDI_REQUIRE(false, "DrawText (not yet available)"); }

BOOL GetTextExtentExPointW(CDC*, const CString&, int, int*, int*, SIZE*) {
  GDI_REQUIRE(false, "GetTextExtentExPointW (not yet available)");
}
