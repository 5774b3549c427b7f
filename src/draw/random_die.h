#pragma once
// The game's dice, on their own so that a program without windows can roll them.

// A face value 1 to 6 from the platform's random number.
int RandomDieValue();
