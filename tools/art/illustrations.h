#pragma once
// The small pictures of the art: dice in the look of the game's own dice, a leather dice
// cup and a pair of headphones. Each is drawn around a placement that moves, turns and
// sizes it.
#include <vector>

#include "art_canvas.h"

struct Placement {
  Point2 origin;
  double degrees = 0;  // clockwise on the screen
  double scale = 1;
  Point2 Map(Point2 local) const;
};

enum class DieColour { White, Red };

// A die showing value, size pixels across, centred on the placement's origin.
void DrawDie(ArtCanvas& canvas, const Placement& place, double size, int value, DieColour colour);

// A dice cup standing on its base with the opening up; local units: the opening is 1
// wide and the cup 1.2 tall, the origin at the middle of the opening.
void DrawDiceCup(ArtCanvas& canvas, const Placement& place);

// Headphones, local units: they span -1 to 1 across, from the top of the headband at
// -0.65 down to the bottom of the ear cups at 1.15.
void DrawHeadphones(ArtCanvas& canvas, const Placement& place);
