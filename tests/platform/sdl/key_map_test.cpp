#include "platform/sdl/key_map.h"

#include <SDL_keyboard.h>
#include <gtest/gtest.h>

#include "platform/core/backend.h"

namespace {

TEST(KeyMap, KeysGiveTheHandheldsCodes) {
  const std::pair<SDL_Keycode, UINT> expected[] = {
      {SDLK_a, 'A'},       {SDLK_m, 'M'},         {SDLK_z, 'Z'},       {SDLK_0, '0'},          {SDLK_9, '9'},
      {SDLK_RETURN, 0x0D}, {SDLK_KP_ENTER, 0x0D}, {SDLK_ESCAPE, 0x1B}, {SDLK_BACKSPACE, 0x08}, {SDLK_TAB, 0x09},
      {SDLK_DELETE, 0x2E}, {SDLK_LEFT, 0x25},     {SDLK_UP, 0x26},     {SDLK_RIGHT, 0x27},     {SDLK_DOWN, 0x28},
      {SDLK_HOME, 0x24},   {SDLK_END, 0x23},      {SDLK_SPACE, 0x20},  {SDLK_F1, 0x70},        {SDLK_F10, 0x79},
      {SDLK_LALT, 0x12},   {SDLK_RALT, 0x12},     {SDLK_KP_0, 0x60},   {SDLK_KP_1, 0x61},      {SDLK_KP_9, 0x69},
  };
  for (const auto& [key, code] : expected) EXPECT_EQ(VirtualKeyFromSdl(key), code) << SDL_GetKeyName(key);
}

TEST(KeyMap, KeysWithoutAHandheldCodeGiveNothing) {
  for (SDL_Keycode key : {SDLK_LSHIFT, SDLK_CAPSLOCK, SDLK_PRINTSCREEN, SDLK_AUDIOPLAY, SDLK_UNKNOWN}) {
    EXPECT_EQ(VirtualKeyFromSdl(key), 0u) << SDL_GetKeyName(key);
  }
}

TEST(KeyMap, ModifiersOnEitherSideCount) {
  EXPECT_EQ(ModifiersFromSdl(KMOD_NONE), 0u);
  EXPECT_EQ(ModifiersFromSdl(KMOD_LSHIFT), MOD_SHIFT_DOWN);
  EXPECT_EQ(ModifiersFromSdl(KMOD_RSHIFT), MOD_SHIFT_DOWN);
  EXPECT_EQ(ModifiersFromSdl(KMOD_RCTRL | KMOD_LALT), MOD_CONTROL_DOWN | MOD_ALT_DOWN);
  EXPECT_EQ(ModifiersFromSdl(KMOD_NUM | KMOD_CAPS), 0u);
}

TEST(KeyMap, OnlyTheFourControlKeysTypeACharacter) {
  EXPECT_EQ(ControlCharacterOfKey(0x08), u'\b');
  EXPECT_EQ(ControlCharacterOfKey(0x09), u'\t');
  EXPECT_EQ(ControlCharacterOfKey(0x0D), u'\r');
  EXPECT_EQ(ControlCharacterOfKey(0x1B), char16_t{0x1B});
  for (UINT key : {0x2Eu, 0x25u, 0x20u, UINT{'A'}, 0x70u}) EXPECT_EQ(ControlCharacterOfKey(key), 0) << key;
}

}  // namespace
