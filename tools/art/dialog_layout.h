#pragma once
// Where the program's dialogs put their items, in pixels, read from the program's own
// dialog templates, so that the art lines up with the controls laid over it.
#include "platform/gdi/gdi.h"

// The item with this control id; the tool stops when the template has none.
CRect ItemPixels(int dialogId, int itemId);
// The picture item that shows this bitmap, at the size of its template rectangle.
CRect PicturePixels(int dialogId, int bitmapId);
