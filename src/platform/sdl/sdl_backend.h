#pragma once
// The real machine: one desktop window showing the handheld's screen magnified, the mouse
// and touch as the pen, the keyboard, the sound device and the desktop's page viewer.
#include <sys/types.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/backend.h"
#include "platform/core/screen_layout.h"
#include "platform/gdi/gdi.h"
#include "platform/sdl/display_wait.h"
#include "platform/sdl/help_viewer.h"

struct SDL_Window;
union SDL_Event;
class SoundPlayer;

struct DesktopWindowLook {
  std::string title;
  HICON icon = nullptr;  // none: the desktop's default
  SIZE screen;           // the handheld's screen in pixels
};

class SdlBackend final : public Backend {
 public:
  // Null, with a one-line reason in `error`, when no window can be opened (no display) or no
  // font is installed to draw text with.
  static std::unique_ptr<SdlBackend> Create(const DesktopWindowLook& look, std::string& error);
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;
  ~SdlBackend() override;

  std::uint64_t NowMs() override;
  std::optional<InputEvent> WaitForEvent(std::optional<std::uint64_t> deadlineMs, WaitReason reason) override;
  void Present(const FrameView& frame) override;
  void PlayWave(std::u16string_view name, std::span<const unsigned char> wave) override;
  bool StartHelpViewer(const CString& pagePath) override;

  SDL_Window* Window() const { return m_window; }
  // The X server went away or the connection to it broke: the next wait asks the program
  // to end, and nothing is shown any more.
  bool DisplayLost() const;
  const ScreenLayout& Layout() const { return m_layout; }

 private:
  SdlBackend(SDL_Window* window, SIZE screen);
  // The next event from SDL, or false once the clock has reached wakeAt (never, without one)
  // or a help viewer has ended.
  bool NextEvent(SDL_Event& event, std::optional<std::uint64_t> wakeAt);
  // When the wait must look at the help viewers again, where nothing tells it of their end.
  std::optional<std::uint64_t> HelpViewerCheckDue();
  // A close request first, then waits that only pass the time.
  std::optional<InputEvent> EndWithoutDisplay(std::optional<std::uint64_t> deadlineMs);
  void Translate(const SDL_Event& event);
  void PushPen(InputEvent::Kind kind, POINT screenPoint);
  POINT ScreenPointOfMouse(int windowX, int windowY) const;
  // Another copy asked: the window comes to the front, and the asker hears it did.
  void ComeForward(pid_t asker);
  void ToggleFullScreen();
  // Paints the screen's region into the window; the whole window, borders too, when stale.
  void Draw(const RECT& screenRegion);

  SDL_Window* m_window;
  DisplayWait m_displayWait;
  bool m_bToldDisplayLost = false;  // the close request for the lost display was given
  std::optional<SIZE> m_realSize;   // as the X server has it, when it tells
  ScreenLayout m_layout;
  FrameView m_shown{0, 0, nullptr};  // the screen as last presented
  bool m_windowStale = true;         // new, exposed or resized: paint everything at the next chance
  bool m_penDown = false;
  std::deque<InputEvent> m_pending;
  std::unique_ptr<SoundPlayer> m_sound;
  HelpViewers m_helpViewers;
  // The audio device opens after the first frame is on screen, so a sound asked for before
  // that waits for it; a later one replaces it, as it would cut it off.
  bool m_framePresented = false;
  struct WaitingSound {
    std::u16string name;
    std::vector<unsigned char> wave;
  };
  std::optional<WaitingSound> m_soundBeforeFirstFrame;
};
