#include "platform/gdi/dc_state.h"

HICON LoadIconW(UINT) { GDI_REQUIRE(false, "icons (not yet available)"); }

BOOL DrawIconEx(CDC*, int, int, HICON, int, int, UINT, void*, UINT) { GDI_REQUIRE(false, "icons (not yet available)"); }

BOOL CBitmap::LoadBitmap(UINT) { GDI_REQUIRE(false, "bitmap resources (not yet available)"); }
