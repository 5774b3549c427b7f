#include "platform/win32/native_window.h"

// <windows.h> first: the others build on its types.
#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <deque>

namespace win32 {

namespace {

constexpr wchar_t kClassName[] = L"Tumbla";
constexpr int kProgramIconId = 1;  // in the resource script

// The keys the handheld has codes for, whose codes on Windows are the same.
bool IsHandheldKey(WPARAM key) {
  return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) ||
         (key >= VK_F1 && key <= VK_F12) || key == VK_RETURN || key == VK_ESCAPE || key == VK_BACK || key == VK_TAB ||
         key == VK_DELETE || key == VK_SPACE || (key >= VK_LEFT && key <= VK_DOWN) || key == VK_HOME || key == VK_END ||
         key == VK_MENU;
}

bool IsDown(int key) { return GetKeyState(key) < 0; }

// A pen or a finger; the mouse comes as mouse messages. GetPointerType is looked up, not
// linked, so the program starts where the system lacks it.
bool IsPenOrTouch(WPARAM wParam) {
  using GetPointerTypeCall = BOOL(WINAPI*)(UINT32, POINTER_INPUT_TYPE*);
  static const auto getPointerType = reinterpret_cast<GetPointerTypeCall>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetPointerType")));
  POINTER_INPUT_TYPE type = PT_POINTER;
  return getPointerType != nullptr && getPointerType(GET_POINTERID_WPARAM(wParam), &type) &&
         (type == PT_PEN || type == PT_TOUCH);
}

}  // namespace

struct NativeWindow::State {
  HWND window = nullptr;
  int screenWidth = 0;
  int screenHeight = 0;
  PlacementRules rules;
  HDC memoryDc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  std::uint32_t* bits = nullptr;  // the screen as the window shows it, 0x00RRGGBB
  bool pointerDown = false;
  bool fullScreen = false;
  WINDOWPLACEMENT placement{};
  std::deque<WindowInput> pending;
  bool sessionEnded = false;

  ~State() {
    if (memoryDc != nullptr) {
      SelectObject(memoryDc, oldBitmap);
      DeleteDC(memoryDc);
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (window != nullptr) DestroyWindow(window);
  }

  Placement Place() const {
    RECT client{};
    GetClientRect(window, &client);
    return rules.place(client.right, client.bottom, screenWidth, screenHeight);
  }

  // The screen's pixels as the window shows them, for a screen of that size; false when the
  // system has no room for them.
  bool MakeScreen(int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    if (memoryDc == nullptr) memoryDc = CreateCompatibleDC(nullptr);
    void* newBits = nullptr;
    HBITMAP made = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &newBits, nullptr, 0);
    if (made == nullptr || memoryDc == nullptr) {
      if (made != nullptr) DeleteObject(made);
      return false;
    }
    const HGDIOBJ previous = SelectObject(memoryDc, made);
    if (oldBitmap == nullptr) oldBitmap = previous;
    if (bitmap != nullptr) DeleteObject(bitmap);
    bitmap = made;
    bits = static_cast<std::uint32_t*>(newBits);
    screenWidth = width;
    screenHeight = height;
    return true;
  }

  // Copies the screen's rectangle into the window, magnified; everything, border too, when whole.
  void Paint(HDC dc, RECT region, bool whole) const {
    const Placement placement = Place();
    if (whole) {
      RECT client{};
      GetClientRect(window, &client);
      FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      region = RECT{0, 0, screenWidth, screenHeight};
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    const int width = region.right - region.left;
    const int height = region.bottom - region.top;
    StretchBlt(dc, placement.offsetX + region.left * placement.scale, placement.offsetY + region.top * placement.scale,
               width * placement.scale, height * placement.scale, memoryDc, region.left, region.top, width, height,
               SRCCOPY);
  }

  void Push(WindowInput input) { pending.push_back(input); }

  void PushPointer(WindowInput::Kind kind, int x, int y) {
    WindowInput input{kind};
    input.x = x;
    input.y = y;
    Push(input);
  }

  void PushKey(WPARAM key) {
    WindowInput input{WindowInput::Kind::KeyDown};
    input.key = static_cast<unsigned>(key);
    input.shift = IsDown(VK_SHIFT);
    input.control = IsDown(VK_CONTROL);
    input.alt = IsDown(VK_MENU);
    Push(input);
  }

  void ToggleFullScreen() {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (!fullScreen) {
      MONITORINFO monitor{};
      monitor.cbSize = sizeof monitor;
      placement.length = sizeof placement;
      if (!GetWindowPlacement(window, &placement) ||
          !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        return;
      }
      SetWindowLongPtrW(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_OVERLAPPEDWINDOW));
      const RECT& area = monitor.rcMonitor;
      SetWindowPos(window, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    } else {
      SetWindowLongPtrW(window, GWL_STYLE, style | WS_OVERLAPPEDWINDOW);
      SetWindowPlacement(window, &placement);
      SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    }
    fullScreen = !fullScreen;
    InvalidateRect(window, nullptr, FALSE);
  }

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        Paint(dc, RECT{}, true);
        EndPaint(window, &paint);
        return 0;
      }
      case WM_ERASEBKGND: return 1;  // the paint covers everything
      case WM_SIZE: InvalidateRect(window, nullptr, FALSE); return 0;
      case WM_LBUTTONDOWN:
        SetCapture(window);
        pointerDown = true;
        PushPointer(WindowInput::Kind::PointerDown, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
      case WM_MOUSEMOVE:
        PushPointer(pointerDown ? WindowInput::Kind::PointerMove : WindowInput::Kind::Hover, GET_X_LPARAM(lParam),
                    GET_Y_LPARAM(lParam));
        return 0;
      case WM_LBUTTONUP:
        if (pointerDown) {
          pointerDown = false;
          ReleaseCapture();
          PushPointer(WindowInput::Kind::PointerUp, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        }
        return 0;
      case WM_POINTERDOWN:
      case WM_POINTERUPDATE:
      case WM_POINTERUP: {
        if (!IsPenOrTouch(wParam)) break;
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(window, &point);
        if (message == WM_POINTERDOWN) {
          pointerDown = true;
          PushPointer(WindowInput::Kind::PointerDown, point.x, point.y);
        } else if (pointerDown) {
          pointerDown = message != WM_POINTERUP;
          PushPointer(pointerDown ? WindowInput::Kind::PointerMove : WindowInput::Kind::PointerUp, point.x, point.y);
        }
        return 0;
      }
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        if (wParam == VK_F11) {
          if ((lParam & (1 << 30)) == 0) ToggleFullScreen();
          return 0;
        }
        if (wParam == VK_F4 && message == WM_SYSKEYDOWN) break;  // Alt+F4: the close button
        if (IsHandheldKey(wParam)) PushKey(wParam);
        return 0;
      case WM_SYSKEYUP:
      case WM_SYSCHAR: return 0;  // no system menu by the keyboard: Alt and F10 open the game's
      case WM_CHAR:
        // Control characters come from their keys, as on the other systems.
        if (wParam >= 0x20 && wParam != 0x7F) {
          WindowInput input{WindowInput::Kind::Character};
          input.character = static_cast<char16_t>(wParam);
          Push(input);
        }
        return 0;
      case WM_CLOSE: Push(WindowInput{WindowInput::Kind::CloseButton}); return 0;
      case WM_QUERYENDSESSION: Push(WindowInput{WindowInput::Kind::SessionMayEnd}); return TRUE;
      case WM_ENDSESSION:
        if (wParam) sessionEnded = true;
        return 0;
      default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }
};

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* state = static_cast<NativeWindow::State*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    state->window = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  }
  auto* state = reinterpret_cast<NativeWindow::State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return state->Handle(message, wParam, lParam);
}

std::string ReasonOf(const char* what) {
  return std::string(what) + " failed (system error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

NativeWindow::NativeWindow(std::unique_ptr<State> state) : m_state(std::move(state)) {}

NativeWindow::~NativeWindow() { timeEndPeriod(1); }

std::unique_ptr<NativeWindow> NativeWindow::Open(const std::u16string& title, int screenWidth, int screenHeight,
                                                 PlacementRules rules, std::string& error) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIconId));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExW(&windowClass) == 0) {
    error = ReasonOf("RegisterClassEx");
    return nullptr;
  }

  auto state = std::make_unique<State>();
  state->rules = std::move(rules);

  if (!state->MakeScreen(screenWidth, screenHeight)) {
    error = ReasonOf("CreateDIBSection");
    return nullptr;
  }

  // The largest whole magnification whose window fits the desktop's free area, centred in it.
  constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int frameWidth = frame.right - frame.left;
  const int frameHeight = frame.bottom - frame.top;
  const int scale = state->rules.startScale(work.right - work.left - frameWidth, work.bottom - work.top - frameHeight);
  const int width = screenWidth * scale + frameWidth;
  const int height = screenHeight * scale + frameHeight;
  const int left = static_cast<int>(work.left) + std::max(0, static_cast<int>(work.right - work.left) - width) / 2;
  const int top = static_cast<int>(work.top) + std::max(0, static_cast<int>(work.bottom - work.top) - height) / 2;

  const std::wstring wideTitle(title.begin(), title.end());
  State* raw = state.get();
  if (CreateWindowExW(0, kClassName, wideTitle.c_str(), kStyle, left, top, width, height, nullptr, nullptr, instance,
                      raw) == nullptr) {
    error = ReasonOf("CreateWindowEx");
    return nullptr;
  }
  // Timers and pauses wake within a millisecond, as the roll's timings need.
  timeBeginPeriod(1);
  ShowWindow(raw->window, SW_SHOWNORMAL);
  return std::unique_ptr<NativeWindow>(new NativeWindow(std::move(state)));
}

std::optional<WindowInput> NativeWindow::Wait(std::optional<std::uint64_t> deadlineMs) {
  State& state = *m_state;
  for (;;) {
    // Once the session ends nothing more is taken from the system: the program ends, saving,
    // without waiting for anything.
    if (state.sessionEnded) return WindowInput{WindowInput::Kind::SessionEnds};
    if (!state.pending.empty()) {
      const WindowInput input = state.pending.front();
      state.pending.pop_front();
      return input;
    }
    MSG message;
    bool handled = false;
    while (state.pending.empty() && !state.sessionEnded && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      handled = true;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (handled) continue;
    DWORD timeout = INFINITE;
    if (deadlineMs) {
      const std::uint64_t now = NowMs();
      if (now >= *deadlineMs) return std::nullopt;
      timeout = static_cast<DWORD>(std::min<std::uint64_t>(*deadlineMs - now, INFINITE - 1));
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void NativeWindow::Show(const std::uint32_t* pixels, int width, int height, int left, int top, int right, int bottom) {
  State& state = *m_state;
  const bool resized = width != state.screenWidth || height != state.screenHeight;
  if (resized) {
    if (!state.MakeScreen(width, height)) return;
    left = 0;
    top = 0;
    right = width;
    bottom = height;
  }
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const std::uint32_t color = pixels[y * state.screenWidth + x];
      state.bits[y * state.screenWidth + x] = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
    }
  }
  GdiFlush();
  HDC dc = GetDC(state.window);
  state.Paint(dc, RECT{left, top, right, bottom}, resized);
  ReleaseDC(state.window, dc);
}

int NativeWindow::Width() const {
  RECT client{};
  GetClientRect(m_state->window, &client);
  return client.right;
}

int NativeWindow::Height() const {
  RECT client{};
  GetClientRect(m_state->window, &client);
  return client.bottom;
}

std::uint64_t NativeWindow::NowMs() {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return value.QuadPart;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<std::uint64_t>(now.QuadPart / frequency * 1000 + now.QuadPart % frequency * 1000 / frequency);
}

void PlayWaveFromMemory(const unsigned char* wave, std::size_t size) {
  if (size == 0) return;
  PlaySoundW(reinterpret_cast<LPCWSTR>(wave), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

void StopSound() { PlaySoundW(nullptr, nullptr, 0); }

void ShowSystemMessage(const std::u16string& caption, const std::u16string& text) {
  const std::wstring wideCaption(caption.begin(), caption.end());
  const std::wstring wideText(text.begin(), text.end());
  MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), MB_OK | MB_ICONERROR);
}

bool OpenDocument(const std::u16string& path) {
  const std::wstring widePath(path.begin(), path.end());
  const auto result =
      reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", widePath.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace win32
