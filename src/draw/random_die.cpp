#include "draw/random_die.h"

#include "platform/core/random.h"

int RandomDieValue() { return static_cast<int>(Random() % 6u) + 1; }
