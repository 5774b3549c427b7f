#pragma once
// The art letters in faces the program never draws with (Tahoma bold at 12, 14 and 15 pixels),
// so its fonts are rendered from the font files as they are asked for, not taken from the
// program's glyph table.
void LetterFromFontFiles();
