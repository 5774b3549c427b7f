#include "platform/sdl/key_map.h"

#include "platform/core/backend.h"

namespace {
// The handheld's virtual-key codes of the keys the desktop keyboard can give.
constexpr UINT kBack = 0x08;
constexpr UINT kTab = 0x09;
constexpr UINT kReturn = 0x0D;
constexpr UINT kAlt = 0x12;
constexpr UINT kEscape = 0x1B;
constexpr UINT kSpace = 0x20;
constexpr UINT kEnd = 0x23;
constexpr UINT kHome = 0x24;
constexpr UINT kLeft = 0x25;
constexpr UINT kUp = 0x26;
constexpr UINT kRight = 0x27;
constexpr UINT kDown = 0x28;
constexpr UINT kDelete = 0x2E;
constexpr UINT kNumpad0 = 0x60;
constexpr UINT kF1 = 0x70;
}  // namespace

UINT VirtualKeyFromSdl(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>('0' + (key - SDLK_0));
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return kNumpad0 + 1 + static_cast<UINT>(key - SDLK_KP_1);
  if (key == SDLK_KP_0) return kNumpad0;
  if (key >= SDLK_F1 && key <= SDLK_F12) return kF1 + static_cast<UINT>(key - SDLK_F1);
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return kReturn;
    case SDLK_ESCAPE: return kEscape;
    case SDLK_BACKSPACE: return kBack;
    case SDLK_TAB: return kTab;
    case SDLK_DELETE: return kDelete;
    case SDLK_SPACE: return kSpace;
    case SDLK_LEFT: return kLeft;
    case SDLK_UP: return kUp;
    case SDLK_RIGHT: return kRight;
    case SDLK_DOWN: return kDown;
    case SDLK_HOME: return kHome;
    case SDLK_END: return kEnd;
    case SDLK_LALT:
    case SDLK_RALT: return kAlt;
    default: return 0;
  }
}

UINT ModifiersFromSdl(Uint16 sdlModifiers) {
  UINT modifiers = 0;
  if (sdlModifiers & KMOD_SHIFT) modifiers |= MOD_SHIFT_DOWN;
  if (sdlModifiers & KMOD_CTRL) modifiers |= MOD_CONTROL_DOWN;
  if (sdlModifiers & KMOD_ALT) modifiers |= MOD_ALT_DOWN;
  return modifiers;
}

char16_t ControlCharacterOfKey(UINT virtualKey) {
  switch (virtualKey) {
    case kBack:
    case kTab:
    case kReturn:
    case kEscape: return static_cast<char16_t>(virtualKey);
    default: return 0;
  }
}
