#include "platform/wnd/screen_chrome.h"

#include "platform/core/require.h"
#include "platform/wnd/menu_bar_wnd.h"
#include "platform/wnd/popup_menu_wnd.h"
#include "platform/wnd/soft_keyboard.h"
#include "platform/wnd/title_bar_wnd.h"
#include "platform/wnd/window_system.h"

ScreenChrome::ScreenChrome()
    : m_titleBar(std::make_unique<TitleBarWnd>()),
      m_menuBar(std::make_unique<MenuBarWnd>([this](const CCommandBar::Button& button, const CRect& rect,
                                                    CDialog* owner) { OpenPopup(button, rect, owner); },
                                             [this] { ToggleInputPanel(); })),
      m_keyboard(std::make_unique<SoftKeyboardWnd>()),
      m_popup(std::make_unique<PopupMenuWnd>()) {}

ScreenChrome::~ScreenChrome() = default;

ScreenChrome& ScreenChrome::Current() {
  auto* chrome = dynamic_cast<ScreenChrome*>(WindowSystem::Current().Shell());
  PLATFORM_REQUIRE(chrome != nullptr, "the program run has no shell bars");
  return *chrome;
}

CDialog* ScreenChrome::FrontDialog() const {
  for (CWnd* window : WindowSystem::Current().TopLevels()) {
    auto* dialog = dynamic_cast<CDialog*>(window);
    if (dialog != nullptr && dialog->IsWindowVisible() && dialog->IsFullScreen()) return dialog;
  }
  return nullptr;
}

void ScreenChrome::Follow() {
  CDialog* front = FrontDialog();
  if (m_popup->IsOpen() && m_popup->Owner() != ActiveDialog()) ClosePopup();
  m_titleBar->Follow(front);
  m_menuBar->Follow(front, m_popup->Menu());
}

std::vector<CWnd*> ScreenChrome::Windows() const {
  return {m_titleBar.get(), m_menuBar.get(), m_keyboard.get(), m_popup.get()};
}

bool ScreenChrome::Owns(const CWnd* topLevel) const {
  return topLevel == m_titleBar.get() || topLevel == m_menuBar.get() || topLevel == m_keyboard.get() ||
         topLevel == m_popup.get();
}

bool ScreenChrome::PreTranslateInput(const InputEvent& event, const CWnd* penTarget) {
  switch (event.kind) {
    case InputEvent::Kind::PenDown:
      if (!m_popup->IsOpen() || penTarget == m_popup.get()) return false;
      ClosePopup();
      return true;
    case InputEvent::Kind::KeyDown:
      if (event.key == VK_F10 || event.key == VK_MENU) {
        ToggleMenuByKey();
        return true;
      }
      if (!m_popup->IsOpen()) return false;
      PopupKey(event.key);
      return true;
    case InputEvent::Kind::Character: return m_popup->IsOpen();
    default: return false;
  }
}

bool ScreenChrome::PopupIsOpen() const { return m_popup->IsOpen(); }

void ScreenChrome::OpenPopup(const CCommandBar::Button& button, const CRect& buttonRect, CDialog* owner) {
  if (m_popup->IsOpen()) {
    ClosePopup();
    return;
  }
  PLATFORM_REQUIRE(button.menu != nullptr && !button.menu->popupItems.empty(), "drop-down button without items");
  m_popup->Open(button.menu, buttonRect, owner);
}

void ScreenChrome::ToggleInputPanel() {
  if (m_keyboard->IsRaised()) {
    m_keyboard->Lower();
  } else {
    m_keyboard->Raise();
  }
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
  if (front == nullptr || front != ActiveDialog()) return;
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
    case VK_UP: m_popup->MoveHighlight(-1); break;
    case VK_DOWN: m_popup->MoveHighlight(1); break;
    case VK_RETURN: m_popup->ChooseHighlighted(); break;
    case VK_ESCAPE: ClosePopup(); break;
    default: break;
  }
}

std::optional<CRect> ScreenChrome::MenuButtonRect(const CString& text) const {
  std::optional<CRect> rect = m_menuBar->ButtonRect(text);
  if (rect) m_menuBar->ClientToScreen(&*rect);
  return rect;
}

std::optional<CRect> ScreenChrome::InputPanelButtonRect() const {
  std::optional<CRect> rect = m_menuBar->InputPanelButtonRect();
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
