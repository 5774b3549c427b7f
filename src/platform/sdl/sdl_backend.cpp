#include "platform/sdl/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <unistd.h>

#include "platform/core/text.h"
#include "platform/sdl/come_forward.h"
#include "platform/sdl/connection_deadline.h"
#include "platform/sdl/display_wait.h"
#include "platform/sdl/key_map.h"
#include "platform/sdl/scaled_copy.h"
#include "platform/sdl/sound_player.h"
#include "platform/sdl/x11_window.h"

namespace {

// The desktop size assumed when the display cannot tell its usable area.
constexpr int kFallbackUsableWidth = 1024;
constexpr int kFallbackUsableHeight = 768;
// How often the wait looks at a running help viewer where nothing wakes it at the viewer's end.
constexpr std::uint64_t kHelpViewerCheckMs = 100;
// A display that has not answered the connection in this time never will.
constexpr int kConnectionLimitSeconds = 5;

bool IsSet(const char* variable) {
  const char* value = SDL_getenv(variable);
  return value != nullptr && *value != '\0';
}

// Video drivers that draw into memory only: for tests and measurements, when asked for by name.
bool IsInvisibleDriver(const char* driver) {
  const std::string_view name = driver != nullptr ? driver : "";
  return name == "offscreen" || name == "dummy";
}

void SetWindowIcon(SDL_Window* window, HICON icon) {
  if (icon == nullptr) return;
  const Surface& image = icon->image;
  SDL_Surface* pixels = SDL_CreateRGBSurfaceWithFormat(0, image.Width(), image.Height(), 32, SDL_PIXELFORMAT_ARGB8888);
  if (pixels == nullptr) return;  // the desktop's default icon serves as well
  for (int y = 0; y < image.Height(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(pixels->pixels) + y * pixels->pitch);
    for (int x = 0; x < image.Width(); ++x) {
      const COLORREF colour = image.Pixel(x, y);
      const bool opaque = icon->opaque[static_cast<std::size_t>(y * image.Width() + x)];
      row[x] = (opaque ? 0xFF000000u : 0u) | static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
               static_cast<std::uint32_t>(GetGValue(colour)) << 8 | static_cast<std::uint32_t>(GetBValue(colour));
    }
  }
  SDL_SetWindowIcon(window, pixels);
  SDL_FreeSurface(pixels);
}

// With no session bus named and none at its usual place, libdbus launches a bus of its own
// for the display (dbus-launch) when SDL starts: tens of milliseconds at every start, and a
// bus left running after the game. SDL asks the bus only for the screen saver and input
// methods, which a bus started just then cannot offer, so while SDL starts it is told there
// is none. Programs started later, such as the help viewer, see the desktop's own setting.
class SessionBusLaunchPrevented {
 public:
  SessionBusLaunchPrevented() {
    if (IsSet("DBUS_SESSION_BUS_ADDRESS")) return;
    const char* runtime = SDL_getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0' && access((std::string(runtime) + "/bus").c_str(), F_OK) == 0) return;
    m_set = setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1) == 0;
  }
  ~SessionBusLaunchPrevented() {
    if (m_set) unsetenv("DBUS_SESSION_BUS_ADDRESS");
  }
  SessionBusLaunchPrevented(const SessionBusLaunchPrevented&) = delete;
  SessionBusLaunchPrevented& operator=(const SessionBusLaunchPrevented&) = delete;

 private:
  bool m_set = false;
};

// The part of the window the desktop shows: its surface, cut to the window's real size.
ScreenLayout LayoutOfWindow(SIZE surface, const std::optional<SIZE>& real, int screenWidth, int screenHeight) {
  if (real) surface = SIZE{std::min(surface.cx, real->cx), std::min(surface.cy, real->cy)};
  return LayoutForWindow(surface.cx, surface.cy, screenWidth, screenHeight);
}

SIZE SizeOfWindow(SDL_Window* window) {
  int width = 0, height = 0;
  SDL_GetWindowSize(window, &width, &height);
  return SIZE{width, height};
}

}  // namespace

std::unique_ptr<SdlBackend> SdlBackend::Create(const DesktopWindowLook& look, std::string& error) {
  // The window surface is filled by our own whole-number copy; an accelerated one would load
  // the GL stack for nothing.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // SDL's own handlers turn Ctrl-C and SIGTERM into a quit request, which closes the dialogs
  // and ends the program the way Exit does, so the settings file is saved on the way out.
  // A hang-up (the terminal closed) is passed on to them as a SIGTERM. The close button is
  // not such a request: the game asks first, so SDL must not add one of its own.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "0");
  // A board game that waits for a tap has no reason to keep the screen awake; and it pumps
  // SDL only when input comes, which is all that SDL's keeping awake would go by.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  std::signal(SIGHUP, [](int) { kill(getpid(), SIGTERM); });
  const std::string noDesktop = look.title + " needs a graphical desktop, and none could be reached: ";
  if (SDL_getenv("SDL_VIDEODRIVER") == nullptr && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
    error = noDesktop + "neither DISPLAY nor WAYLAND_DISPLAY is set";
    return nullptr;
  }
  bool started = false;
  {
    const SessionBusLaunchPrevented noBusLaunch;
    const char* display = SDL_getenv("DISPLAY");
    const ConnectionDeadline deadline(noDesktop + "the display " + (display != nullptr ? display : "") +
                                          " did not answer within " + std::to_string(kConnectionLimitSeconds) +
                                          " seconds",
                                      kConnectionLimitSeconds * 1000);
    started = SDL_Init(SDL_INIT_VIDEO) == 0;
  }
  if (!started) {
    error = noDesktop + SDL_GetError();
    return nullptr;
  }
  if (IsInvisibleDriver(SDL_GetCurrentVideoDriver()) && SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
    // SDL falls back on a window in memory when no desktop answers; nobody could see or close it.
    SDL_Quit();
    error = noDesktop + "no X11 or Wayland display answered";
    return nullptr;
  }
  SDL_Rect usable{0, 0, kFallbackUsableWidth, kFallbackUsableHeight};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = SDL_Rect{0, 0, kFallbackUsableWidth, kFallbackUsableHeight};
  const int scale = StartScale(usable.w, usable.h, look.screen.cx, look.screen.cy);
  SDL_Window* window = SDL_CreateWindow(look.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        look.screen.cx * scale, look.screen.cy * scale, SDL_WINDOW_RESIZABLE);
  if (window == nullptr) {
    error = look.title + " cannot open its window: " + SDL_GetError();
    SDL_Quit();
    return nullptr;
  }
  SDL_SetWindowMinimumSize(window, look.screen.cx, look.screen.cy);
  SetWindowIcon(window, look.icon);
  WatchDisplayConnection(window);
  return std::unique_ptr<SdlBackend>(new SdlBackend(window, look.screen));
}

SdlBackend::SdlBackend(SDL_Window* window, SIZE screen)
    : m_window(window),
      m_displayWait(window),
      m_realSize(ServerWindowSize(window)),
      m_layout(LayoutOfWindow(SizeOfWindow(window), m_realSize, screen.cx, screen.cy)),
      m_sound(std::make_unique<SoundPlayer>()) {}

SdlBackend::~SdlBackend() {
  m_sound.reset();            // the audio device closes before SDL itself
  if (DisplayLost()) return;  // nothing of the window is left to close, and asking would fail again
  m_displayWait.Close();
  SDL_DestroyWindow(m_window);
  SDL_Quit();
}

bool SdlBackend::DisplayLost() const { return ::DisplayLost(); }

std::optional<InputEvent> SdlBackend::EndWithoutDisplay(std::optional<std::uint64_t> deadlineMs) {
  if (!m_bToldDisplayLost || !deadlineMs) {
    m_bToldDisplayLost = true;
    return InputEvent{InputEvent::Kind::Close};
  }
  const std::uint64_t now = NowMs();
  if (now < *deadlineMs) SDL_Delay(static_cast<Uint32>(std::min<std::uint64_t>(*deadlineMs - now, INT_MAX)));
  return std::nullopt;
}

std::uint64_t SdlBackend::NowMs() { return SDL_GetTicks64(); }

std::optional<InputEvent> SdlBackend::WaitForEvent(std::optional<std::uint64_t> deadlineMs, WaitReason) {
  if (DisplayLost()) return EndWithoutDisplay(deadlineMs);
  while (m_pending.empty()) {
    if (DisplayLost()) return EndWithoutDisplay(deadlineMs);
    if (m_helpViewers.CollectEnded()) {
      m_pending.push_back(InputEvent{InputEvent::Kind::HelpFailed});
      break;
    }
    // The sound device closes after a while of silence, even while the program waits.
    std::optional<std::uint64_t> wakeAt = deadlineMs;
    for (const std::optional<std::uint64_t> due : {m_sound->CloseDueMs(), HelpViewerCheckDue()}) {
      if (due && (!wakeAt || *due < *wakeAt)) wakeAt = due;
    }
    SDL_Event event;
    if (NextEvent(event, wakeAt)) {
      Translate(event);
      continue;
    }
    m_sound->CloseIfDue();
    if (deadlineMs && NowMs() >= *deadlineMs) return std::nullopt;
  }
  InputEvent next = m_pending.front();
  m_pending.pop_front();
  return next;
}

std::optional<std::uint64_t> SdlBackend::HelpViewerCheckDue() {
  const bool unwatched = m_helpViewers.Unwatched() || (!m_displayWait.IsAvailable() && m_helpViewers.AnyRunning());
  return unwatched ? std::optional(NowMs() + kHelpViewerCheckMs) : std::nullopt;
}

bool SdlBackend::NextEvent(SDL_Event& event, std::optional<std::uint64_t> wakeAt) {
  auto remainingMs = [&] {
    const std::uint64_t now = NowMs();
    return now >= *wakeAt ? 0 : static_cast<int>(std::min<std::uint64_t>(*wakeAt - now, INT_MAX));
  };
  if (!m_displayWait.IsAvailable()) {
    // Past the moment the queue is still emptied of what has already arrived.
    if (wakeAt) return SDL_WaitEventTimeout(&event, remainingMs()) != 0;
    if (SDL_WaitEvent(&event) != 0) return true;
    // Only a broken event system fails a wait without a timeout; going on would spin.
    std::fprintf(stderr, "Waiting for input failed: %s\n", SDL_GetError());
    std::exit(EXIT_FAILURE);
  }
  while (!DisplayLost()) {
    if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) return true;
    if (m_displayWait.HasInput()) {
      SDL_PumpEvents();
      if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) return true;
    }
    const int timeoutMs = wakeAt ? remainingMs() : -1;
    if (timeoutMs == 0 || !m_displayWait.Sleep(timeoutMs, m_helpViewers.EndedDescriptor())) return false;
    if (m_helpViewers.AnyEnded()) return false;
    // Input, or a signal, which SDL turns into a quit request as it pumps.
    SDL_PumpEvents();
    if (const pid_t asker = DisplayWait::TakeComeForwardRequest(); asker != 0) ComeForward(asker);
  }
  return false;
}

void SdlBackend::Present(const FrameView& frame) {
  if (DisplayLost()) return;
  if (frame.width != m_layout.screenWidth || frame.height != m_layout.screenHeight) {
    m_layout = LayoutOfWindow(SizeOfWindow(m_window), m_realSize, frame.width, frame.height);
    m_windowStale = true;
  }
  m_shown = frame;
  Draw(frame.changed.value_or(RECT{0, 0, frame.width, frame.height}));
  if (!m_framePresented) {
    m_framePresented = true;
    if (m_soundBeforeFirstFrame) m_sound->Play(m_soundBeforeFirstFrame->name, m_soundBeforeFirstFrame->wave);
    m_soundBeforeFirstFrame.reset();
  }
}

void SdlBackend::Draw(const RECT& screenRegion) {
  SDL_Surface* surface = SDL_GetWindowSurface(m_window);
  if (surface == nullptr) return;  // minimised or being resized: the next expose repaints
  m_layout = LayoutOfWindow(SIZE{surface->w, surface->h}, m_realSize, m_layout.screenWidth, m_layout.screenHeight);
  if (m_shown.pixels == nullptr) return;  // nothing to show yet; the first frame paints it all
  const bool whole = m_windowStale;
  m_windowStale = false;
  const RECT region = whole ? RECT{0, 0, m_layout.screenWidth, m_layout.screenHeight} : screenRegion;

  SDL_Surface* target = surface;
  SDL_Surface* staging = nullptr;
  if (surface->format->BytesPerPixel != 4) {
    // A display of another depth: copy at 32 bits and let SDL convert.
    staging = SDL_CreateRGBSurfaceWithFormat(0, surface->w, surface->h, 32, SDL_PIXELFORMAT_RGB888);
    if (staging == nullptr) return;
    target = staging;
  }
  if (whole) SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
  if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) {
    SDL_FreeSurface(staging);
    return;
  }
  const PixelFormat32 format{target->format->Rshift, target->format->Gshift, target->format->Bshift,
                             target->format->Amask};
  CopyScaled(m_shown, region, m_layout, format,
             WindowPixels{static_cast<std::uint32_t*>(target->pixels), target->pitch / 4, target->w, target->h});
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);

  const RECT painted = WindowRegion(m_layout, region, surface->w, surface->h);
  SDL_Rect rect{painted.left, painted.top, painted.right - painted.left, painted.bottom - painted.top};
  if (staging != nullptr) {
    SDL_Rect all{0, 0, surface->w, surface->h};
    SDL_BlitSurface(staging, whole ? &all : &rect, surface, whole ? &all : &rect);
    SDL_FreeSurface(staging);
  }
  if (whole) {
    SDL_UpdateWindowSurface(m_window);
  } else if (rect.w > 0 && rect.h > 0) {
    SDL_UpdateWindowSurfaceRects(m_window, &rect, 1);
  }
}

void SdlBackend::ComeForward(pid_t asker) {
  if ((SDL_GetWindowFlags(m_window) & SDL_WINDOW_MINIMIZED) != 0) SDL_RestoreWindow(m_window);
  SDL_RaiseWindow(m_window);
  kill(asker, kComeForwardSignal);
}

void SdlBackend::ToggleFullScreen() {
  const bool full = (SDL_GetWindowFlags(m_window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  SDL_SetWindowFullscreen(m_window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  // Without a window manager the request is not granted, though SDL's sizes say it is.
  m_realSize = ServerWindowSize(m_window);
  m_windowStale = true;
}

POINT SdlBackend::ScreenPointOfMouse(int windowX, int windowY) const {
  // Mouse positions are in window points, the surface in pixels; on most desktops they agree.
  int pointsWide = 0, pointsHigh = 0;
  SDL_GetWindowSize(m_window, &pointsWide, &pointsHigh);
  SDL_Surface* surface = SDL_GetWindowSurface(m_window);
  if (surface != nullptr && pointsWide > 0 && pointsHigh > 0) {
    windowX = windowX * surface->w / pointsWide;
    windowY = windowY * surface->h / pointsHigh;
  }
  return WindowToScreen(m_layout, windowX, windowY);
}

void SdlBackend::PushPen(InputEvent::Kind kind, POINT screenPoint) {
  InputEvent event{kind};
  event.point = screenPoint;
  m_pending.push_back(event);
}

void SdlBackend::Translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT: m_pending.push_back(InputEvent{InputEvent::Kind::Close}); break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) m_pending.push_back(InputEvent{InputEvent::Kind::CloseButton});
      if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        m_realSize = ServerWindowSize(m_window);
        m_windowStale = true;
        Draw(RECT{0, 0, 0, 0});
      } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        // The window's pixels are kept by SDL and still hold the last frame: they only need
        // showing again, unless they were never painted whole.
        if (m_windowStale) {
          Draw(RECT{0, 0, 0, 0});
        } else {
          SDL_UpdateWindowSurface(m_window);
        }
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button == SDL_BUTTON_LEFT) {
        const POINT point = ScreenPointOfMouse(event.button.x, event.button.y);
        if (IsOnScreen(m_layout, point)) {
          m_penDown = true;
          PushPen(InputEvent::Kind::PenDown, point);
        }
      }
      break;
    case SDL_MOUSEMOTION:
      if (m_penDown) {
        PushPen(InputEvent::Kind::PenMove, ClampToScreen(m_layout, ScreenPointOfMouse(event.motion.x, event.motion.y)));
      } else {
        PushPen(InputEvent::Kind::Hover, ScreenPointOfMouse(event.motion.x, event.motion.y));
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT && m_penDown) {
        m_penDown = false;
        PushPen(InputEvent::Kind::PenUp, ClampToScreen(m_layout, ScreenPointOfMouse(event.button.x, event.button.y)));
      }
      break;
    case SDL_KEYDOWN: {
      const SDL_Keycode key = event.key.keysym.sym;
      if (key == SDLK_F11) {
        if (event.key.repeat == 0) ToggleFullScreen();
      } else if (const UINT virtualKey = VirtualKeyFromSdl(key); virtualKey != 0) {
        InputEvent keyDown{InputEvent::Kind::KeyDown};
        keyDown.key = virtualKey;
        keyDown.modifiers = ModifiersFromSdl(event.key.keysym.mod);
        m_pending.push_back(keyDown);
        if (const char16_t character = ControlCharacterOfKey(virtualKey); character != 0) {
          InputEvent typed{InputEvent::Kind::Character};
          typed.character = character;
          m_pending.push_back(typed);
        }
      }
      break;
    }
    case SDL_TEXTINPUT:
      for (const char16_t unit : FromUtf8(event.text.text)) {
        InputEvent typed{InputEvent::Kind::Character};
        typed.character = unit;
        m_pending.push_back(typed);
      }
      break;
    default: break;
  }
}

void SdlBackend::PlayWave(std::u16string_view name, std::span<const unsigned char> wave) {
  if (m_framePresented) {
    m_sound->Play(name, wave);
  } else {
    m_soundBeforeFirstFrame = WaitingSound{std::u16string(name), std::vector<unsigned char>(wave.begin(), wave.end())};
  }
}

bool SdlBackend::StartHelpViewer(const CString& pagePath) { return m_helpViewers.Start("xdg-open", ToUtf8(pagePath)); }
