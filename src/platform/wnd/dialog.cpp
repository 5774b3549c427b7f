#include "platform/wnd/dialog.h"

#include <algorithm>

#include "platform/core/require.h"
#include "platform/core/resources.h"
#include "platform/wnd/controls.h"
#include "platform/wnd/dialog_colors.h"
#include "platform/wnd/paint_helpers.h"
#include "platform/wnd/screen_areas.h"
#include "platform/wnd/shell_palette.h"
#include "platform/wnd/window_system.h"

namespace {
CWinApp*& TheApp() {
  static CWinApp* app = nullptr;
  return app;
}
}  // namespace

// ---- command bar --------------------------------------------------------------------------

BOOL CCommandBar::InsertMenuBar(UINT menuBarId, UINT bitmapId) {
  PLATFORM_REQUIRE(bitmapId == 0, "menu-bar button images are not supported");
  const MenuBarTemplate* bar = FindMenuBarTemplate(static_cast<int>(menuBarId));
  if (bar == nullptr) return FALSE;
  const MenuTemplate* menu = FindMenuTemplate(bar->menuId);
  m_buttons.clear();
  for (const MenuBarButtonTemplate& button : bar->buttons) {
    const std::optional<std::u16string_view> text = FindResourceString(button.stringId);
    PLATFORM_REQUIRE(text, "menu-bar button without its string");
    PLATFORM_REQUIRE((!button.dropDown || menu != nullptr), "drop-down button without a menu");
    m_buttons.push_back(Button{CString(text.value_or(u"")), button.command, button.dropDown, menu});
  }
  return TRUE;
}

// ---- dialog -------------------------------------------------------------------------------

CDialog::CDialog(UINT templateId, CWnd*) : m_pTemplate(FindDialogTemplate(static_cast<int>(templateId))) {
  PLATFORM_REQUIRE(m_pTemplate != nullptr, "no dialog template with that id");
}

CDialog::CDialog(const DialogTemplate* dialogTemplate, CWnd*) : m_pTemplate(dialogTemplate) {}

bool CDialog::IsFullScreen() const { return !(m_pTemplate->style & DS_CENTER); }

bool CDialog::ShowsCaptionOk() const { return (GetExStyle() & WS_EX_CAPTIONOKBTN) && m_bDoneButtonShown; }

bool CDialog::ShowsCloseBox() const { return (GetStyle() & WS_SYSMENU) && !(GetExStyle() & WS_EX_CAPTIONOKBTN); }

void CDialog::SetDoneButtonShown(bool shown) { m_bDoneButtonShown = shown; }

void CDialog::CreateDialogFont() {
  if (m_font.IsCreated()) return;
  BOOL created = CreatePointFont(m_font, m_pTemplate->fontFace, m_pTemplate->fontPointSize, false);
  if (!created) created = CreatePointFont(m_font, u"Tahoma", m_pTemplate->fontPointSize, false);
  PLATFORM_REQUIRE(created, "no font for the dialog");
}

void CDialog::CreateFromTemplate() {
  const DialogTemplate& t = *m_pTemplate;
  CreateDialogFont();
  const CRect client = DialogUnitsToPixels(0, 0, t.cx, t.cy);
  const CRect area(WORK_AREA);
  CRect window;
  CRect clientInWindow;
  if (IsFullScreen()) {
    window = CRect(area.left, area.top, area.left + client.Width(), area.top + client.Height());
    clientInWindow = client;
  } else {
    const int width = client.Width() + 2;
    const int height = client.Height() + 2 + DIALOG_CAPTION_HEIGHT;
    const int left = area.left + (area.Width() - width) / 2;
    const int top = area.top + (area.Height() - height) / 2;
    window = CRect(left, top, left + width, top + height);
    clientInWindow =
        CRect(1, 1 + DIALOG_CAPTION_HEIGHT, 1 + client.Width(), 1 + DIALOG_CAPTION_HEIGHT + client.Height());
  }
  const CString caption(t.caption);
  CreateEx(t.exStyle, nullptr, caption.c_str(), (t.style & ~(WS_VISIBLE | WS_CHILD)) | WS_POPUP, window, nullptr, 0);
  m_rcClientInWindow = clientInWindow;
  SetFont(&m_font);
  for (const DialogItemTemplate& item : t.items) m_templateItems.push_back(CreateTemplateItem(item, this));
}

void CDialog::FocusFirstTabStop() {
  for (CWnd* child : Children()) {
    if ((child->GetStyle() & (WS_TABSTOP | WS_VISIBLE)) == (WS_TABSTOP | WS_VISIBLE)) {
      child->SetFocus();
      return;
    }
  }
}

int CDialog::DoModal() {
  WindowSystem& system = WindowSystem::Current();
  CWnd* previousFocus = system.FocusWindow();
  m_bEndModal = false;
  m_nModalResult = IDCANCEL;
  CreateFromTemplate();
  system.PushModal(this);
  if (SendMessage(WM_INITDIALOG)) FocusFirstTabStop();
  if (!m_bEndModal && (m_pTemplate->style & WS_VISIBLE)) ShowWindow(SW_SHOW);
  while (!m_bEndModal) {
    if (system.IsQuitting()) {
      EndDialog(ResultWhenClosed());
      break;
    }
    system.PumpOnce();
  }
  system.PopModal(this);
  DestroyWindow();
  m_templateItems.clear();
  if (previousFocus != nullptr && system.IsLiveWindow(previousFocus)) system.SetFocusWindow(previousFocus);
  return m_nModalResult;
}

void CDialog::EndDialog(int result) {
  m_nModalResult = result;
  m_bEndModal = true;
  ShowWindow(SW_HIDE);
}

BOOL CDialog::OnInitDialog() { return TRUE; }
void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

int CDialog::DefaultCommandId() const {
  for (CWnd* child : Children()) {
    const auto* button = dynamic_cast<const CButton*>(child);
    if (button != nullptr && (button->GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return button->GetDlgCtrlID();
  }
  return IDOK;
}

bool CDialog::PreTranslateKey(UINT key, UINT modifiers) {
  // Without a focused control the dialog itself takes the keys.
  CWnd* focus = GetFocus();
  const CWnd* target = focus != nullptr ? focus : this;
  if (key == VK_RETURN && !target->WantsReturnKey()) {
    SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(DefaultCommandId()), BN_CLICKED));
    return true;
  }
  if (key == VK_ESCAPE) {
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    return true;
  }
  return key == VK_TAB && MoveFocusToNextTabStop((modifiers & MOD_SHIFT_DOWN) != 0);
}

bool CDialog::MoveFocusToNextTabStop(bool backwards) {
  std::vector<CWnd*> stops;
  for (CWnd* child : Children()) {
    if ((child->GetStyle() & (WS_TABSTOP | WS_VISIBLE)) == (WS_TABSTOP | WS_VISIBLE)) stops.push_back(child);
  }
  if (stops.empty()) return false;
  if (backwards) std::reverse(stops.begin(), stops.end());
  const auto it = std::find(stops.begin(), stops.end(), GetFocus());
  (it == stops.end() || it + 1 == stops.end() ? stops.front() : *(it + 1))->SetFocus();
  return true;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog();
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CWnd::OnCommand(wParam, lParam)) return TRUE;
  if (HIWORD(wParam) != BN_CLICKED) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    default: return FALSE;
  }
}

void CDialog::OnPaint() {
  CPaintDC dc(this);
  RECT client{};
  GetClientRect(&client);
  FillSolid(dc, client, DialogBackgroundColor());
  if (!IsFullScreen()) DrawFrame();
}

void CDialog::DrawFrame() {
  Surface& surface = WindowSurface();
  const CRect whole(0, 0, surface.Width(), surface.Height());
  CDC dc;
  dc.AttachSurface(&surface, POINT{0, 0}, whole);
  FrameSolid(dc, whole, DIALOG_FRAME_COLOR);
  const CRect caption(1, 1, whole.right - 1, 1 + DIALOG_CAPTION_HEIGHT);
  FillSolid(dc, caption, TITLE_COLOR);
  CRect text = caption;
  text.left += 4;
  DrawTextIn(dc, GetWindowTextString(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, TITLE_TEXT_COLOR,
             &StandardFont(true));
}

// ---- application --------------------------------------------------------------------------

CWinApp::CWinApp() {
  PLATFORM_REQUIRE(TheApp() == nullptr, "one application object only");
  TheApp() = this;
}

CWinApp::~CWinApp() { TheApp() = nullptr; }

BOOL CWinApp::InitInstance() { return FALSE; }
int CWinApp::ExitInstance() { return 0; }

void CWinApp::SetDialogBkColor(COLORREF background, COLORREF text) { SetDialogColors(background, text); }

CWinApp* AfxGetApp() { return TheApp(); }

int AfxWinMain() {
  CWinApp* app = AfxGetApp();
  PLATFORM_REQUIRE(app != nullptr, "no application object");
  const BOOL runsOwnLoop = app->InitInstance();
  PLATFORM_REQUIRE(!runsOwnLoop, "an application message loop after InitInstance is not supported");
  return app->ExitInstance();
}

CDialog* ActiveDialog() {
  return WindowSystem::InProgress() ? dynamic_cast<CDialog*>(WindowSystem::Current().ActiveModal()) : nullptr;
}
