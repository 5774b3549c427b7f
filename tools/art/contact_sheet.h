#pragma once
// A sheet of every bitmap and icon built into the program, three times enlarged and
// labelled with its id, so that the art can be looked at as the program holds it.
#include "platform/gdi/gdi.h"

// An empty surface when the program holds no picture at all.
Surface PaintContactSheet();
