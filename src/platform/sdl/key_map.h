#pragma once
// The desktop's keys in the handheld's terms: virtual-key codes and modifier bits.
// Pure functions, tested without a display.
#include <SDL_keycode.h>

#include "platform/core/win_types.h"

// 0 for keys the handheld has no code for.
UINT VirtualKeyFromSdl(SDL_Keycode key);

// The MOD_..._DOWN bits of backend.h.
UINT ModifiersFromSdl(Uint16 sdlModifiers);
