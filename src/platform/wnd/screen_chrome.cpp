#include "platform/wnd/screen_chrome.h"

#include <algorithm>
#include <utility>

#include "platform/wnd/dialog_template.h"
#include "platform/wnd/paint_helpers.h"
#include "platform/core/require.h"
#include "platform/wnd/soft_keyboard.h"
#include "platform/wnd/window_system.h"

namespace {
constexpr COLORREF TITLE_COLOR = RGB(0, 51, 153);
constexpr COLORREF TITLE_TEXT_COLOR = RGB(255, 255, 255);
constexpr COLORREF BAR_COLOR = RGB(214, 211, 206);
constexpr COLORREF BAR_LINE_COLOR = RGB(128, 128, 128);
constexpr COLORREF MENU_TEXT_COLOR = RGB(0, 0, 0);
constexpr COLORREF MENU_BACKGROUND = RGB(255, 255, 255);
constexpr COLORREF HIGHLIGHT_COLOR = RGB(0, 51, 153);
constexpr COLORREF HIGHLIGHT_TEXT_COLOR = RGB(255, 255, 255);

constexpr int TITLE_BUTTON_SIZE = 20;
constexpr int BUTTON_PADDING = 10;  // each side of a menu-bar button's text
constexpr int POPUP_ITEM_HEIGHT = 20;
constexpr int POPUP_SEPARATOR_HEIGHT = 7;
constexpr int POPUP_TEXT_INDENT = 10;
constexpr int POPUP_MIN_WIDTH = 100;

void MakeTopmost(CWnd* window) {
  WindowSystem& system = WindowSystem::Get();
  system.UnlinkTopLevel(window);
  system.LinkTopLevel(window, true);
}

bool IsSeparator(const MenuItemTemplate& item) { return item.id == 0 && item.text.empty(); }

CRect ClientOf(const CWnd* window) {
  RECT r;
  window->GetClientRect(&r);
  return CRect(r);
}

int MeasureText(const CString& text, bool bold) {
  static Surface scratch(1, 1);
  CDC dc;
  dc.AttachSurface(&scratch, POINT{0, 0}, CRect(0, 0, 1, 1));
  return TextWidth(dc, text, &StandardFont(bold));
}
}  // namespace

// ---- title bar ----------------------------------------------------------------------------

class TitleBarWnd : public CWnd {
 public:
  TitleBarWnd() {
    Create(nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(0, 0, SCREEN_WIDTH, TITLE_BAR_HEIGHT), nullptr, 0);
    MakeTopmost(this);
  }

  void Follow(CDialog* dialog) {
    State state;
    if (dialog != nullptr) state = State{dialog, dialog->GetWindowTextString(), dialog->ShowsCloseBox(), dialog->ShowsCaptionOk()};
    if (state == m_state) return;
    m_state = state;
    Invalidate();
  }

  std::optional<CRect> ButtonRect(bool ok) const {
    if (ok ? !m_state.ok : !m_state.close) return std::nullopt;
    const int top = (TITLE_BAR_HEIGHT - TITLE_BUTTON_SIZE) / 2;
    const int width = ok ? TITLE_BUTTON_SIZE + 6 : TITLE_BUTTON_SIZE;
    return CRect(SCREEN_WIDTH - 3 - width, top, SCREEN_WIDTH - 3, top + TITLE_BUTTON_SIZE);
  }

 protected:
  void OnPaint() override {
    CPaintDC dc(this);
    const CRect client = ClientOf(this);
    FillSolid(dc, client, TITLE_COLOR);
    CRect text = client;
    text.left += 6;
    text.right -= TITLE_BUTTON_SIZE + 12;
    DrawTextIn(dc, m_state.caption, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, TITLE_TEXT_COLOR, &StandardFont(true));
    if (const auto box = ButtonRect(false)) {
      FrameSolid(dc, *box, TITLE_TEXT_COLOR);
      for (int d = 0; d < 2; ++d) {
        DrawLine(dc, box->left + 5 + d, box->top + 5, box->right - 5 + d, box->bottom - 5, TITLE_TEXT_COLOR);
        DrawLine(dc, box->right - 6 + d, box->top + 5, box->left + 4 + d, box->bottom - 5, TITLE_TEXT_COLOR);
      }
    }
    if (const auto ok = ButtonRect(true)) {
      FrameSolid(dc, *ok, TITLE_TEXT_COLOR);
      DrawTextIn(dc, u"ok", *ok, DT_CENTER | DT_VCENTER | DT_SINGLELINE, TITLE_TEXT_COLOR, &StandardFont(true));
    }
  }

  void OnLButtonDown(UINT, CPoint point) override { m_nPressed = CommandAt(point); }

  void OnLButtonUp(UINT, CPoint point) override {
    const int command = CommandAt(point);
    const int pressed = std::exchange(m_nPressed, 0);
    CDialog* dialog = m_state.dialog;
    if (command == 0 || command != pressed || dialog != WindowSystem::Get().ActiveDialog()) return;
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), BN_CLICKED));
  }

 private:
  struct State {
    CDialog* dialog = nullptr;
    CString caption;
    bool close = false;
    bool ok = false;
    bool operator==(const State&) const = default;
  };

  int CommandAt(CPoint point) const {
    if (const auto box = ButtonRect(false); box && box->PtInRect(point)) return IDCANCEL;
    if (const auto ok = ButtonRect(true); ok && ok->PtInRect(point)) return IDOK;
    return 0;
  }

  State m_state;
  int m_nPressed = 0;
};

// ---- pop-up menu --------------------------------------------------------------------------

class PopupMenuWnd : public CWnd {
 public:
  PopupMenuWnd() {
    Create(nullptr, nullptr, WS_POPUP, CRect(0, 0, 0, 0), nullptr, 0);
    MakeTopmost(this);
  }

  void Open(const MenuTemplate* menu, const CRect& buttonRect, CDialog* owner) {
    m_pMenu = menu;
    m_pOwner = owner;
    m_nHighlighted = -1;
    int width = POPUP_MIN_WIDTH;
    int height = 2;
    for (const MenuItemTemplate& item : menu->popupItems) {
      width = std::max(width, MeasureText(CString(item.text), false) + 2 * POPUP_TEXT_INDENT + 2);
      height += IsSeparator(item) ? POPUP_SEPARATOR_HEIGHT : POPUP_ITEM_HEIGHT;
    }
    const int bottom = SCREEN_HEIGHT - MENU_BAR_HEIGHT;
    const int left = std::min<int>(buttonRect.left, SCREEN_WIDTH - width);
    SetWindowPos(nullptr, left, bottom - height, width, height, 0);
    Invalidate();
    ShowWindow(SW_SHOW);
  }

  void Close() {
    m_pMenu = nullptr;
    m_pOwner = nullptr;
    ShowWindow(SW_HIDE);
  }

  bool IsOpen() const { return m_pMenu != nullptr; }
  CDialog* Owner() const { return m_pOwner; }

  // The item's rectangle in client coordinates.
  std::optional<CRect> ItemRect(const CString& text) const {
    if (!IsOpen()) return std::nullopt;
    for (std::size_t i = 0; i < m_pMenu->popupItems.size(); ++i) {
      const MenuItemTemplate& item = m_pMenu->popupItems[i];
      if (!IsSeparator(item) && item.text == text) return RectOfItem(i);
    }
    return std::nullopt;
  }

  // Moves the highlight to the next item (not a separator) in that direction, round the
  // ends; from no highlight, Down starts at the first item and Up at the last.
  void MoveHighlight(int step) {
    if (!IsOpen()) return;
    const int count = static_cast<int>(m_pMenu->popupItems.size());
    int index = m_nHighlighted < 0 ? (step > 0 ? -1 : count) : m_nHighlighted;
    for (int tries = 0; tries < count; ++tries) {
      index = ((index + step) % count + count) % count;
      if (!IsSeparator(m_pMenu->popupItems[static_cast<std::size_t>(index)])) {
        m_nHighlighted = index;
        Invalidate();
        return;
      }
    }
  }

  void ChooseHighlighted() {
    if (IsOpen() && m_nHighlighted >= 0) Choose(m_nHighlighted);
  }

 protected:
  void OnPaint() override {
    CPaintDC dc(this);
    const CRect client = ClientOf(this);
    FillSolid(dc, client, MENU_BACKGROUND);
    FrameSolid(dc, client, MENU_TEXT_COLOR);
    if (!IsOpen()) return;
    for (std::size_t i = 0; i < m_pMenu->popupItems.size(); ++i) {
      const MenuItemTemplate& item = m_pMenu->popupItems[i];
      const CRect rect = RectOfItem(i);
      if (IsSeparator(item)) {
        const int y = rect.top + rect.Height() / 2;
        DrawLine(dc, rect.left + 2, y, rect.right - 2, y, BAR_LINE_COLOR);
        continue;
      }
      const bool pressed = static_cast<int>(i) == m_nHighlighted;
      if (pressed) FillSolid(dc, rect, HIGHLIGHT_COLOR);
      CRect text = rect;
      text.left += POPUP_TEXT_INDENT;
      DrawTextIn(dc, CString(item.text), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                 pressed ? HIGHLIGHT_TEXT_COLOR : MENU_TEXT_COLOR, &StandardFont(false));
    }
  }

  void OnLButtonDown(UINT, CPoint point) override {
    m_nHighlighted = ItemAt(point);
    Invalidate();
  }

  void OnLButtonUp(UINT, CPoint point) override {
    const int item = ItemAt(point);
    const int pressed = std::exchange(m_nHighlighted, -1);
    Invalidate();
    if (item < 0 || item != pressed) return;
    Choose(item);
  }

 private:
  CRect RectOfItem(std::size_t index) const {
    int top = 1;
    for (std::size_t i = 0; i < index; ++i) {
      top += IsSeparator(m_pMenu->popupItems[i]) ? POPUP_SEPARATOR_HEIGHT : POPUP_ITEM_HEIGHT;
    }
    const int height = IsSeparator(m_pMenu->popupItems[index]) ? POPUP_SEPARATOR_HEIGHT : POPUP_ITEM_HEIGHT;
    return CRect(1, top, ClientOf(this).right - 1, top + height);
  }

  // The index of the item (not a separator) under the point, or -1.
  int ItemAt(CPoint point) const {
    if (!IsOpen()) return -1;
    for (std::size_t i = 0; i < m_pMenu->popupItems.size(); ++i) {
      if (!IsSeparator(m_pMenu->popupItems[i]) && RectOfItem(i).PtInRect(point)) return static_cast<int>(i);
    }
    return -1;
  }

  void Choose(int item) {
    CDialog* owner = m_pOwner;
    const UINT command = m_pMenu->popupItems[static_cast<std::size_t>(item)].id;
    Close();
    owner->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), BN_CLICKED));
  }

  const MenuTemplate* m_pMenu = nullptr;
  CDialog* m_pOwner = nullptr;
  // The item under the pen, or the one the arrow keys moved to; -1 for none.
  int m_nHighlighted = -1;
};

// ---- menu bar -----------------------------------------------------------------------------

class MenuBarWnd : public CWnd {
 public:
  explicit MenuBarWnd(ScreenChrome& chrome) : m_chrome(chrome) {
    Create(nullptr, nullptr, WS_POPUP | WS_VISIBLE,
           CRect(0, SCREEN_HEIGHT - MENU_BAR_HEIGHT, SCREEN_WIDTH, SCREEN_HEIGHT), nullptr, 0);
    MakeTopmost(this);
  }

  void Follow(CDialog* dialog) {
    std::vector<CString> texts;
    if (dialog != nullptr) {
      for (const CCommandBar::Button& button : dialog->CommandBar().Buttons()) texts.push_back(button.text);
    }
    if (dialog == m_pDialog && texts == m_texts) return;
    m_pDialog = dialog;
    m_texts = std::move(texts);
    m_widths.clear();
    for (const CString& text : m_texts) m_widths.push_back(MeasureText(text, false) + 2 * BUTTON_PADDING);
    Invalidate();
  }

  // The button's rectangle in client coordinates.
  std::optional<CRect> ButtonRect(const CString& text) const {
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
      if (m_texts[i] == text) return RectOfButton(i);
    }
    return std::nullopt;
  }

 protected:
  void OnPaint() override {
    CPaintDC dc(this);
    const CRect client = ClientOf(this);
    FillSolid(dc, client, BAR_COLOR);
    DrawLine(dc, 0, 0, client.right, 0, BAR_LINE_COLOR);
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
      const CRect rect = RectOfButton(i);
      DrawTextIn(dc, m_texts[i], rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, MENU_TEXT_COLOR, &StandardFont(true));
      DrawLine(dc, rect.right - 1, 4, rect.right - 1, client.bottom - 4, BAR_LINE_COLOR);
    }
  }

  void OnLButtonDown(UINT, CPoint point) override {
    CDialog* dialog = m_pDialog;
    if (dialog == nullptr || dialog != WindowSystem::Get().ActiveDialog()) return;
    const std::vector<CCommandBar::Button>& buttons = dialog->CommandBar().Buttons();
    for (std::size_t i = 0; i < buttons.size() && i < m_texts.size(); ++i) {
      if (!RectOfButton(i).PtInRect(point)) continue;
      if (buttons[i].dropDown) {
        RECT screen = RectOfButton(i);
        ClientToScreen(&screen);
        m_chrome.OpenPopup(buttons[i], screen, dialog);
      } else {
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(buttons[i].command), BN_CLICKED));
      }
      return;
    }
  }

 private:
  CRect RectOfButton(std::size_t index) const {
    int left = 0;
    for (std::size_t i = 0; i < index; ++i) left += m_widths[i];
    return CRect(left, 1, left + m_widths[index], MENU_BAR_HEIGHT);
  }

  ScreenChrome& m_chrome;
  CDialog* m_pDialog = nullptr;
  std::vector<CString> m_texts;
  std::vector<int> m_widths;
};

// ---- chrome -------------------------------------------------------------------------------

ScreenChrome::ScreenChrome()
    : m_titleBar(std::make_unique<TitleBarWnd>()),
      m_menuBar(std::make_unique<MenuBarWnd>(*this)),
      m_keyboard(std::make_unique<SoftKeyboardWnd>()),
      m_popup(std::make_unique<PopupMenuWnd>()) {}

ScreenChrome::~ScreenChrome() = default;

CDialog* ScreenChrome::FrontDialog() const {
  for (CWnd* window : WindowSystem::Get().TopLevels()) {
    auto* dialog = dynamic_cast<CDialog*>(window);
    if (dialog != nullptr && dialog->IsWindowVisible() && dialog->IsFullScreen()) return dialog;
  }
  return nullptr;
}

void ScreenChrome::Update() {
  CDialog* front = FrontDialog();
  if (m_popup->IsOpen() && m_popup->Owner() != WindowSystem::Get().ActiveDialog()) ClosePopup();
  m_titleBar->Follow(front);
  m_menuBar->Follow(front);
}

std::vector<CWnd*> ScreenChrome::Windows() const {
  return {m_titleBar.get(), m_menuBar.get(), m_keyboard.get(), m_popup.get()};
}

bool ScreenChrome::Owns(const CWnd* topLevel) const {
  return topLevel == m_titleBar.get() || topLevel == m_menuBar.get() || topLevel == m_keyboard.get() ||
         topLevel == m_popup.get();
}

bool ScreenChrome::PopupIsOpen() const { return m_popup->IsOpen(); }

bool ScreenChrome::IsPopup(const CWnd* window) const { return window == m_popup.get(); }

void ScreenChrome::OpenPopup(const CCommandBar::Button& button, const CRect& buttonRect, CDialog* owner) {
  if (m_popup->IsOpen()) {
    ClosePopup();
    return;
  }
  PLATFORM_REQUIRE(button.menu != nullptr && !button.menu->popupItems.empty(), "drop-down button without items");
  m_popup->Open(button.menu, buttonRect, owner);
}

void ScreenChrome::ClosePopup() {
  if (m_popup->IsOpen()) m_popup->Close();
}

void ScreenChrome::ToggleMenuByKey() {
  if (m_popup->IsOpen()) {
    ClosePopup();
    return;
  }
  CDialog* front = FrontDialog();
  if (front == nullptr || front != WindowSystem::Get().ActiveDialog()) return;
  for (const CCommandBar::Button& button : front->CommandBar().Buttons()) {
    if (!button.dropDown) continue;
    if (const std::optional<CRect> rect = MenuButtonRect(button.text)) {
      OpenPopup(button, *rect, front);
      m_popup->MoveHighlight(1);
    }
    return;
  }
}

void ScreenChrome::PopupKey(UINT key) {
  switch (key) {
    case VK_UP:
      m_popup->MoveHighlight(-1);
      break;
    case VK_DOWN:
      m_popup->MoveHighlight(1);
      break;
    case VK_RETURN:
      m_popup->ChooseHighlighted();
      break;
    case VK_ESCAPE:
      ClosePopup();
      break;
    default:
      break;
  }
}

std::optional<CRect> ScreenChrome::MenuButtonRect(const CString& text) const {
  std::optional<CRect> rect = m_menuBar->ButtonRect(text);
  if (rect) m_menuBar->ClientToScreen(&*rect);
  return rect;
}

std::optional<CRect> ScreenChrome::PopupItemRect(const CString& text) const {
  std::optional<CRect> rect = m_popup->ItemRect(text);
  if (rect) m_popup->ClientToScreen(&*rect);
  return rect;
}

std::optional<CRect> ScreenChrome::CloseBoxRect() const { return m_titleBar->ButtonRect(false); }

std::optional<CRect> ScreenChrome::CaptionOkRect() const { return m_titleBar->ButtonRect(true); }
