#include "art_catalog.h"

#include "resources/resource_ids.h"

std::span<const ArtPiece> ArtCatalog() {
  static constexpr ArtPiece kPieces[] = {
      {IDB_BOARD, PaintBoard},
      {IDB_GO, PaintGoButton},
      {IDB_OPTIONS_TITLE, PaintOptionsTitle},
      {IDB_AUDIO, PaintAudioOption},
      {IDB_DICE_COLOR, PaintColourOption},
      {IDB_DICE_SPEED, PaintSpeedOption},
      {IDB_HISCORES_TITLE, PaintHiScoresTitle},
      {IDB_NAME_BANNER, PaintNameBanner},
      {IDB_ENTER, PaintEnterButton},
      {IDB_ABOUT_ART, PaintAboutArt},
  };
  return kPieces;
}
