// The floor under the game's start-up: an SDL window of the game's size that shows one
// filled frame and waits to be closed, started the way the game starts SDL.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

int main() {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
    return EXIT_FAILURE;
  }
  SDL_Window* window =
      SDL_CreateWindow("Tumbla", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 720, 960, SDL_WINDOW_RESIZABLE);
  SDL_Surface* surface = window != nullptr ? SDL_GetWindowSurface(window) : nullptr;
  if (surface == nullptr) {
    std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
    return EXIT_FAILURE;
  }
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 128, 0));
  SDL_UpdateWindowSurface(window);
  SDL_Event event;
  while (SDL_WaitEvent(&event) != 0 && event.type != SDL_QUIT) {
  }
  SDL_Quit();
  return EXIT_SUCCESS;
}
