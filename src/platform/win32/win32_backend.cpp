#include "platform/win32/win32_backend.h"

#include "platform/core/text.h"
#include "platform/win32/native_window.h"

Win32Backend::Win32Backend(std::unique_ptr<win32::NativeWindow> window, SIZE screen)
    : m_window(std::move(window)), m_screen(screen) {}

Win32Backend::~Win32Backend() { win32::StopSound(); }

std::unique_ptr<Win32Backend> Win32Backend::Create(const CString& title, SIZE screen) {
  win32::PlacementRules rules{[screen](int usableWidth, int usableHeight) {
                                return StartScale(usableWidth, usableHeight, screen.cx, screen.cy);
                              },
                              [](int windowWidth, int windowHeight, int screenWidth, int screenHeight) {
                                const ScreenLayout layout =
                                    LayoutForWindow(windowWidth, windowHeight, screenWidth, screenHeight);
                                return win32::Placement{layout.scale, layout.offsetX, layout.offsetY};
                              }};
  std::string error;
  std::unique_ptr<win32::NativeWindow> window =
      win32::NativeWindow::Open(title, screen.cx, screen.cy, std::move(rules), error);
  if (!window) {
    win32::ShowSystemMessage(title, title + u" cannot open its window: " + FromUtf8(error));
    return nullptr;
  }
  return std::unique_ptr<Win32Backend>(new Win32Backend(std::move(window), screen));
}

std::uint64_t Win32Backend::NowMs() { return win32::NativeWindow::NowMs(); }

ScreenLayout Win32Backend::Layout() const {
  return LayoutForWindow(m_window->Width(), m_window->Height(), m_screen.cx, m_screen.cy);
}

std::optional<InputEvent> Win32Backend::WaitForEvent(std::optional<std::uint64_t> deadlineMs, WaitReason) {
  if (m_typedAfterKey) {
    const InputEvent typed = *m_typedAfterKey;
    m_typedAfterKey.reset();
    return typed;
  }
  for (;;) {
    const std::optional<win32::WindowInput> input = m_window->Wait(deadlineMs);
    if (!input) return std::nullopt;
    if (std::optional<InputEvent> event = Translate(*input)) return event;
  }
}

std::optional<InputEvent> Win32Backend::Translate(const win32::WindowInput& input) {
  using Kind = win32::WindowInput::Kind;
  const ScreenLayout layout = Layout();
  const POINT point = WindowToScreen(layout, input.x, input.y);
  switch (input.kind) {
    case Kind::PointerDown:
      if (!IsOnScreen(layout, point)) return std::nullopt;
      m_penDown = true;
      return InputEvent{InputEvent::Kind::PenDown, point};
    case Kind::PointerMove:
      if (!m_penDown) return std::nullopt;
      return InputEvent{InputEvent::Kind::PenMove, ClampToScreen(layout, point)};
    case Kind::PointerUp:
      if (!m_penDown) return std::nullopt;
      m_penDown = false;
      return InputEvent{InputEvent::Kind::PenUp, ClampToScreen(layout, point)};
    case Kind::Hover: return InputEvent{InputEvent::Kind::Hover, point};
    case Kind::KeyDown: {
      InputEvent keyDown{InputEvent::Kind::KeyDown};
      keyDown.key = input.key;
      keyDown.modifiers =
          (input.shift ? MOD_SHIFT_DOWN : 0) | (input.control ? MOD_CONTROL_DOWN : 0) | (input.alt ? MOD_ALT_DOWN : 0);
      if (const char16_t character = ControlCharacterOfKey(input.key); character != 0) {
        m_typedAfterKey = InputEvent{InputEvent::Kind::Character};
        m_typedAfterKey->character = character;
      }
      return keyDown;
    }
    case Kind::Character: {
      InputEvent typed{InputEvent::Kind::Character};
      typed.character = input.character;
      return typed;
    }
    // What the program keeps is saved as Windows asks, since it may end the program without
    // another word; and again as it ends, as a signal would end it on other systems.
    case Kind::SessionMayEnd: return InputEvent{InputEvent::Kind::EndSession};
    case Kind::SessionEnds: return InputEvent{InputEvent::Kind::Close};
    case Kind::CloseButton: return InputEvent{InputEvent::Kind::CloseButton};
  }
  return std::nullopt;
}

void Win32Backend::Present(const FrameView& frame) {
  m_screen = SIZE{frame.width, frame.height};
  const RECT region = frame.changed.value_or(RECT{0, 0, frame.width, frame.height});
  m_window->Show(frame.pixels, frame.width, frame.height, region.left, region.top, region.right, region.bottom);
}

void Win32Backend::PlayWave(std::u16string_view, std::span<const unsigned char> wave) {
  // Stopped first: the bytes of the sound playing are about to be replaced.
  win32::StopSound();
  m_wave.assign(wave.begin(), wave.end());
  win32::PlayWaveFromMemory(m_wave.data(), m_wave.size());
}

bool Win32Backend::StartHelpViewer(const CString& pagePath) { return win32::OpenDocument(pagePath); }
