#pragma once
// Windows as the game's framework gives them: child windows with an id, a rectangle, a
// style, visibility and a place in their siblings' z-order, each drawing into its own
// surface, and messages dispatched to virtual handler methods.
//
// How the game uses it: controls derive from CWnd and override the handlers they need
// (OnPaint, OnLButtonDown, OnTimer...). Dialogs bind command ids to handler methods in
// their constructor with MapCommand(ID, &CMyDlg::OnSomething), the plain form of a
// message map. A control that replaces a template item reads the item's rectangle
// (GetDlgItem, GetWindowRect, ScreenToClient), destroys it (DestroyWindow), creates
// itself (Create) and lifts itself above its siblings (SetWindowPos with wndTop).
// Drawing goes through GetDC/ReleaseDC or a CPaintDC inside OnPaint.
#include <functional>
#include <vector>

#include "platform/core/message_box.h"
#include "platform/core/win_types.h"
#include "platform/gdi/gdi.h"
#include "platform/wnd/win_constants.h"
#include "platform/wnd/window_host.h"

class CWnd;
struct WindowHandle {
  CWnd* window;
};

struct HELPINFO {
  UINT cbSize;
  int iCtrlId;
  POINT MousePos;
};

class CWnd {
 public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The only insert-after position the game uses: the top of the siblings' order.
  static const CWnd wndTop;

  // Null while the object has no window (before Create, after DestroyWindow).
  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  static CWnd* FromHandle(HWND hwnd) { return hwnd ? hwnd->window : nullptr; }

  // A child window (WS_CHILD) is linked at the bottom of its siblings' order; a top-level
  // window (no parent) at the top of the other top-level windows. Class name and title
  // may be null.
  BOOL Create(const char16_t* className, const char16_t* windowName, DWORD style, const RECT& rect, CWnd* parent,
              UINT id);
  BOOL CreateEx(DWORD exStyle, const char16_t* className, const char16_t* windowName, DWORD style, const RECT& rect,
                CWnd* parent, UINT id);
  // Destroys the window and its children; the objects live on without a window.
  virtual BOOL DestroyWindow();

  CWnd* GetParent() const { return m_pParentWnd; }
  // The child windows in z-order, the topmost first.
  const std::vector<CWnd*>& Children() const { return m_children; }
  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const { return static_cast<int>(m_nID); }
  DWORD GetStyle() const { return m_dwStyle; }
  DWORD GetExStyle() const { return m_dwExStyle; }

  void GetWindowRect(RECT* rect) const;  // screen coordinates
  CRect ScreenRect() const { return ScreenRectFrom(m_rcWindow); }
  CRect ScreenClientRect() const;
  void GetClientRect(RECT* rect) const;  // origin (0, 0)
  void ScreenToClient(RECT* rect) const;
  void ScreenToClient(POINT* point) const;
  void ClientToScreen(RECT* rect) const;
  void ClientToScreen(POINT* point) const;
  // Supports wndTop with SWP_NOMOVE and SWP_NOSIZE in any combination, and null
  // insert-after for plain moves and resizes.
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  // Centres a top-level window in the screen area between the title bar and the menu bar.
  void CenterWindow(CWnd* alternateOwner = nullptr);

  BOOL ShowWindow(int command);
  BOOL IsWindowVisible() const;  // this window and every parent visible

  void SetWindowText(const CString& text);
  void GetWindowText(CString& text) const { text = m_strText; }
  const CString& GetWindowTextString() const { return m_strText; }
  void SetDlgItemText(int id, const CString& text);
  UINT GetDlgItemText(int id, CString& text) const;

  void Invalidate(BOOL erase = TRUE);
  // Paints this window and its children at once when they are invalid.
  void UpdateWindow();
  bool IsInvalid() const { return m_bInvalid; }

  // A context that draws on the window's client area; give it back with ReleaseDC.
  CDC* GetDC();
  int ReleaseDC(CDC* dc);

  // The timer sends WM_TIMER to this window every `elapse` milliseconds of the back end's
  // clock; setting an existing id restarts it. No callback procedure is supported.
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void* procedure);
  BOOL KillTimer(UINT_PTR id);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  CWnd* SetFocus();
  static CWnd* GetFocus();
  // Whether focus cues are drawn: from the first key press until the next pen tap.
  static bool FocusCuesShown();

  // The font of the window, or of the nearest parent that has one (the dialog font).
  CFont* GetFont() const;
  void SetFont(CFont* font) { m_pFont = font; }

  // The window's own pixels (the stand-in's retained surface), for tests and back ends.
  const Surface& GetSurface() const { return m_surface; }

  // A pen tap at a window that lets taps through reaches the window below it (a static
  // control that does not notify its parent).
  virtual bool LetsTapsThrough() const { return false; }
  // Controls that take the keyboard focus when tapped (edit boxes, buttons).
  virtual bool WantsFocusOnTap() const { return false; }
  // An edit box that keeps the Enter key instead of giving it to the dialog.
  virtual bool WantsReturnKey() const { return false; }
  // A key pressed while this window's modal loop runs, before it goes to the focus; true
  // when the window took it (a dialog's Enter, Escape and Tab).
  virtual bool PreTranslateKey(UINT key, UINT modifiers);

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  virtual void OnPaint();
  virtual void OnLButtonDown(UINT flags, CPoint point);
  virtual void OnLButtonUp(UINT flags, CPoint point);
  virtual void OnMouseMove(UINT flags, CPoint point);
  virtual void OnTimer(UINT_PTR id);
  // Looks the command up in the table MapCommand fills; TRUE when a handler ran.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual void OnChar(UINT character, UINT repeat, UINT flags);
  virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
  virtual BOOL OnHelpInfo(HELPINFO* info);
  virtual void OnSetFocus(CWnd* oldFocus);
  virtual void OnKillFocus(CWnd* newFocus);
  // Focus cues were shown (UIS_CLEAR) or hidden (UIS_SET) for UISF_HIDEFOCUS.
  virtual void OnUpdateUIState(UINT action, UINT element);
  // The desktop window's close button, sent to the outermost modal window; by default the
  // program ends, as a desktop ends a program whose window it closes.
  virtual void OnClose();
  // The help viewer started after all failed, sent to the outermost modal window.
  virtual void OnHelpViewerFailed();
  // Sent to the outermost modal window when the system may end the program from now on
  // without another word; it keeps what is worth keeping before it returns.
  virtual void OnEndSession(BOOL bEnding);
  // The view the screen is shown in took a new shape (CurrentHost().ViewShape()), sent to
  // the outermost modal window; by default nothing changes.
  virtual void OnViewShapeChanged();

  // The whole window's pixels, frame included, for windows that draw their own frame.
  Surface& WindowSurface() { return m_surface; }

  template <class T>
  void MapCommand(UINT id, void (T::*handler)()) {
    m_commands.push_back({id, [this, handler] { (static_cast<T*>(this)->*handler)(); }});
  }

  // The client area inside the window (a frame lies around it); the whole window if none.
  CRect m_rcClientInWindow;

 private:
  friend class WindowSystem;
  friend class CPaintDC;
  struct CommandEntry {
    UINT id;
    std::function<void()> handler;
  };

  void Unlink();
  void ResizeSurface(int width, int height);
  CRect ScreenRectFrom(CRect rect) const;

  WindowHandle m_handle{this};
  CWnd* m_pParentWnd = nullptr;
  // A top-level window created with a parent: it takes input while its owner's loop runs.
  CWnd* m_pOwnerWnd = nullptr;
  std::vector<CWnd*> m_children;  // index 0 is the top of the z-order
  CRect m_rcWindow;               // in the parent's client coordinates, or the screen's
  DWORD m_dwStyle = 0;
  DWORD m_dwExStyle = 0;
  UINT m_nID = 0;
  CString m_strText;
  CFont* m_pFont = nullptr;
  std::vector<CommandEntry> m_commands;

  Surface m_surface;
  std::uint64_t m_composedChange = ~std::uint64_t{0};
  bool m_bInvalid = false;
  int m_nHeldDCs = 0;
};

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// The paint cycle: construction validates the window and gives a context on its client
// area; nothing else happens at its end.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* window);
};

// The window's client rectangle, origin (0, 0).
CRect ClientOf(const CWnd* window);

// Window contexts that have been handed out and not yet released, over all windows.
int LiveWindowDCCount();

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The state of VK_SHIFT, VK_CONTROL or VK_MENU during the key press being handled: the
// high bit is set while the key is down.
SHORT GetKeyState(int virtualKey);

// Blocks the caller for that many milliseconds of the back end's clock, after putting the
// screen up to date. Input that arrives meanwhile is handled afterwards, in order.
void Sleep(DWORD milliseconds);
