#pragma once
// The game's window on Windows, behind plain C++ types so that the back end above it never
// sees <windows.h>: the handheld's screen magnified by the largest whole factor that fits,
// sharp and centred, the mouse, pen and touch as the pen, the keyboard, F11 for full screen.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace win32 {

struct WindowInput {
  // Pointer: the left button, a pen or a finger pressed, moved or let go; Hover: the mouse
  // moving with no button down. SessionMayEnd: Windows asks whether the session may end, and
  // may end the program without another word from then on; SessionEnds: it ends now.
  enum class Kind {
    PointerDown,
    PointerMove,
    PointerUp,
    Hover,
    KeyDown,
    Character,
    SessionMayEnd,
    SessionEnds,
    CloseButton
  };
  Kind kind;
  int x = 0;  // window pixels, for the pointer
  int y = 0;
  unsigned key = 0;  // a virtual-key code of the handheld's, for KeyDown
  bool shift = false;
  bool control = false;
  bool alt = false;
  char16_t character = 0;  // one UTF-16 unit, for Character
};

// Where the screen goes in a window of a size, and how large.
struct Placement {
  int scale;
  int offsetX;
  int offsetY;
};
struct PlacementRules {
  // The magnification of the first window, given the room the desktop leaves for its inside.
  std::function<int(int usableWidth, int usableHeight)> startScale;
  std::function<Placement(int windowWidth, int windowHeight, int screenWidth, int screenHeight)> place;
};

class NativeWindow {
 public:
  // The window titled `title` with the executable's icon, showing a screen of the size given;
  // nothing, with the system's reason in `error`, when it cannot be made.
  static std::unique_ptr<NativeWindow> Open(const std::u16string& title, int screenWidth, int screenHeight,
                                            PlacementRules rules, std::string& error);
  ~NativeWindow();
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  // The next input, or nothing once the clock (NowMs) reaches the deadline; without one it
  // sleeps until input comes. Waiting uses no processor time.
  std::optional<WindowInput> Wait(std::optional<std::uint64_t> deadlineMs);

  // Shows the screen's pixels (COLORREF layout, 0x00BBGGRR, row after row) within the
  // rectangle given in screen pixels. A screen of another size than the last (the coach's
  // panel beside it) is laid out afresh and shown whole.
  void Show(const std::uint32_t* pixels, int width, int height, int left, int top, int right, int bottom);

  // The inside of the window, in its pixels.
  int Width() const;
  int Height() const;

  static std::uint64_t NowMs();

  // The system's side of the window (native_window.cpp), which its window procedure reaches.
  struct State;

 private:
  explicit NativeWindow(std::unique_ptr<State> state);
  std::unique_ptr<State> m_state;
};

// Plays a complete RIFF WAVE file from memory and returns at once. The bytes must stay as they
// are until StopSound, which cuts off what is playing.
void PlayWaveFromMemory(const unsigned char* wave, std::size_t size);
void StopSound();

// A box of the system's, for what must be said when the game has no window to say it in.
void ShowSystemMessage(const std::u16string& caption, const std::u16string& text);

// Opens a document (the help page) in the program the user chose for it; false when that failed.
bool OpenDocument(const std::u16string& path);

}  // namespace win32
