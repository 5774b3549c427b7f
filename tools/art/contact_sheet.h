#pragma once
// A sheet of every bitmap and icon built into the program, three times enlarged and
// labelled with its id, so that the art can be looked at as the program holds it.
#include "platform/gdi/gdi.h"

struct ContactSheet {
  Surface picture;     // empty when the program holds no picture at all
  int unreadable = 0;  // pictures the drawing layer could not decode, left off the sheet
};

ContactSheet PaintContactSheet();
