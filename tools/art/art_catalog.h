#pragma once
// Every bitmap of the program with the function that paints it.
#include <span>

#include "platform/gdi/gdi.h"

struct ArtPiece {
  int id;
  Surface (*paint)();
};

std::span<const ArtPiece> ArtCatalog();

Surface PaintBoard();          // 142
Surface PaintGoButton();       // 172
Surface PaintOptionsTitle();   // 179
Surface PaintAudioOption();    // 180
Surface PaintColourOption();   // 181
Surface PaintSpeedOption();    // 182
Surface PaintHiScoresTitle();  // 183
Surface PaintNameBanner();     // 184
Surface PaintEnterButton();    // 185
Surface PaintAboutArt();       // 186
