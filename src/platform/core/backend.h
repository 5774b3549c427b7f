#pragma once
// The one interface between the stand-in and the machine it runs on: present the finished
// screen, wait for the next input or a deadline, read the clock, play a sound, start the
// help viewer. The headless back end (tests), the SDL back end (the desktop window) and the
// web back end (the browser page) implement it; nothing above the stand-in sees any of them.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/core/key_codes.h"
#include "platform/core/win_types.h"

struct InputEvent {
  enum class Kind {
    PenDown,      // point in screen pixels
    PenMove,      // point in screen pixels, while the pen is down
    PenUp,        // point in screen pixels
    Hover,        // point in screen pixels, the pointer moving with no button down (a mouse)
    KeyDown,      // key: a virtual-key code (VK_...), modifiers: MOD_... bits
    Character,    // character: one UTF-16 code unit of typed text
    Close,        // the system asks the program to end (a signal): it ends at once
    CloseButton,  // the window's close button: the program's window decides
    HelpFailed,   // the help viewer started, then failed: its exit status said so
    // From now on the system may end the program without another word (the page hidden, the
    // session ending): what the program keeps is saved at once, and it goes on until ended.
    EndSession,
    // The view the screen is shown in took a new shape (a phone turned, a window resized):
    // point holds its width and height, in any unit, as only their ratio counts.
    ViewShape,
  };
  Kind kind;
  POINT point{0, 0};
  UINT key = 0;
  UINT modifiers = 0;
  char16_t character = 0;
};

// The whole screen, 240 by 320 pixels, COLORREF layout, row after row. The pixels stay as
// presented until the next Present, so a back end repaints its window from them without a
// copy of its own.
struct FrameView {
  int width;
  int height;
  const COLORREF* pixels;
  std::optional<RECT> changed = std::nullopt;  // what differs from the frame before; nothing: all of it
};

// Why the program waits: idle in a message loop, where input is handled as it comes, or
// paused inside a Sleep (a roll's pauses), where input is only queued for later.
enum class WaitReason { Idle, Pause };

class Backend {
 public:
  virtual ~Backend() = default;

  // Milliseconds on the one clock that timers, Sleep and pauses read.
  virtual std::uint64_t NowMs() = 0;

  // The next input event, or nothing once the clock has reached the deadline.
  // Without a deadline it waits for input as long as it takes.
  virtual std::optional<InputEvent> WaitForEvent(std::optional<std::uint64_t> deadlineMs, WaitReason reason) = 0;

  virtual void Present(const FrameView& frame) = 0;

  // Starts a complete RIFF WAVE file (the resource of that name) and returns at once;
  // cuts off the sound playing. A sound that cannot be played is skipped silently.
  virtual void PlayWave(std::u16string_view name, std::span<const unsigned char> wave) = 0;

  // Opens the help page (a file path) in the desktop's viewer; false when that failed. A
  // viewer that starts and fails later is told by a HelpFailed event.
  virtual bool StartHelpViewer(const CString& pagePath) = 0;

  // Whether a file of the program's folder can be handed to the player to keep where they
  // choose: so in the browser, whose folder the player cannot reach; the desktop shows paths.
  virtual bool OffersFiles() const { return false; }
  // Hands the file over (the browser downloads it under its own name).
  virtual void OfferFile(const CString& /*filePath*/) {}
};
