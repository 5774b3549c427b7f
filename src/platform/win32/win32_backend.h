#pragma once
// Windows: one window showing the handheld's screen magnified, the mouse, pen and touch as the
// pen, the keyboard, sound played from memory and the help page in the user's browser. The
// system's calls are behind native_window.h; this side speaks the stand-in's terms.
#include <memory>
#include <optional>
#include <vector>

#include "platform/core/backend.h"
#include "platform/core/screen_layout.h"

namespace win32 {
class NativeWindow;
struct WindowInput;
}  // namespace win32

class Win32Backend final : public Backend {
 public:
  // Null when the window cannot be made, after a box of the system's has said why.
  static std::unique_ptr<Win32Backend> Create(const CString& title, SIZE screen);
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;
  ~Win32Backend() override;

  std::uint64_t NowMs() override;
  std::optional<InputEvent> WaitForEvent(std::optional<std::uint64_t> deadlineMs, WaitReason reason) override;
  void Present(const FrameView& frame) override;
  void PlayWave(std::u16string_view name, std::span<const unsigned char> wave) override;
  bool StartHelpViewer(const CString& pagePath) override;

 private:
  Win32Backend(std::unique_ptr<win32::NativeWindow> window, SIZE screen);
  ScreenLayout Layout() const;
  std::optional<InputEvent> Translate(const win32::WindowInput& input);

  std::unique_ptr<win32::NativeWindow> m_window;
  SIZE m_screen;
  bool m_penDown = false;
  // A key that types a control character is followed by that character, as on the desktop.
  std::optional<InputEvent> m_typedAfterKey;
  std::vector<unsigned char> m_wave;  // the sound playing, which must outlive its playing
};
