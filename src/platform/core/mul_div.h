#pragma once
// The platform's MulDiv: a * b / c rounded half away from zero, -1 when c is 0. Drawing
// scales by it, and so does the glyph table's tool when it sizes a font.
int MulDiv(int a, int b, int c);
