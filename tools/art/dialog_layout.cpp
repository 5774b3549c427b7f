#include "dialog_layout.h"

#include <cstdio>
#include <cstdlib>

#include "resources/window_resources.h"

namespace {

const DialogItemTemplate& FindItem(int dialogId, bool byBitmap, int wanted) {
  for (const DialogTemplate& dialog : ProgramDialogTemplates()) {
    if (dialog.id != dialogId) continue;
    for (const DialogItemTemplate& item : dialog.items) {
      if ((byBitmap ? item.imageId : item.id) == wanted) return item;
    }
  }
  std::fprintf(stderr, "make_art: dialog %d has no item with %s %d\n", dialogId, byBitmap ? "bitmap" : "id", wanted);
  std::exit(1);
}

CRect Pixels(const DialogItemTemplate& item) { return DialogUnitsToPixels(item.x, item.y, item.cx, item.cy); }

}  // namespace

CRect ItemPixels(int dialogId, int itemId) { return Pixels(FindItem(dialogId, false, itemId)); }

CRect PicturePixels(int dialogId, int bitmapId) { return Pixels(FindItem(dialogId, true, bitmapId)); }
