#pragma once
// The plain background of an owner-drawn control: a whole layer of its buffer in one colour.
#include "draw/offscreen_buffer.h"

void PaintSolidLayer(COffscreenBuffer& buffer, int nLayer, const RECT& rect, COLORREF color);
