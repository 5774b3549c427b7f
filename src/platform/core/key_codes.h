#pragma once
// The handheld's virtual-key codes: the words in which every back end reports a key and
// the window layer hands it to a window.
#include "platform/core/win_types.h"

constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_NUMPAD0 = 0x60;  // up to VK_NUMPAD9, 0x69
constexpr UINT VK_F1 = 0x70;       // up to VK_F12, 0x7B
constexpr UINT VK_F10 = 0x79;

// The modifiers held with a key press, as bits.
constexpr UINT MOD_SHIFT_DOWN = 0x1;
constexpr UINT MOD_CONTROL_DOWN = 0x2;
constexpr UINT MOD_ALT_DOWN = 0x4;

// The character the handheld's keyboard driver types for a key that a back end reports only
// as a key (Return, Backspace, Tab, Escape); 0 for every other key, whose text comes as text.
constexpr char16_t ControlCharacterOfKey(UINT virtualKey) {
  switch (virtualKey) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE: return static_cast<char16_t>(virtualKey);
    default: return 0;
  }
}
