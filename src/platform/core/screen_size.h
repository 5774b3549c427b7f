#pragma once
// The handheld's screen in pixels: what the window layer composes and every back end shows.
constexpr int SCREEN_WIDTH = 240;
constexpr int SCREEN_HEIGHT = 320;
