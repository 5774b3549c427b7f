#include "platform/wnd/message_box_dialog.h"

#include <algorithm>
#include <vector>

#include "platform/core/require.h"
#include "platform/gdi/dc_selection.h"
#include "platform/wnd/dialog.h"
#include "platform/wnd/paint_helpers.h"
#include "platform/wnd/shell_palette.h"
#include "platform/wnd/window_system.h"

namespace {
constexpr UINT BUTTONS_MASK = 0x0000000F;
constexpr UINT ICON_MASK = 0x000000F0;
constexpr UINT DEFAULT_BUTTON_MASK = 0x00000F00;

// Layout in dialog units.
constexpr int BOX_WIDTH = 140;
constexpr int MARGIN = 6;
constexpr int ICON_SIZE = 16;  // 24 by 26 pixels
constexpr int BUTTON_WIDTH = 40;
constexpr int BUTTON_HEIGHT = 14;
constexpr int BUTTON_GAP = 6;

constexpr COLORREF ICON_COLOR = SHELL_BLUE;
constexpr COLORREF ICON_MARK_COLOR = SHELL_WHITE;

// Height in dialog units of the text wrapped to a width in dialog units.
int WrappedTextHeight(const CString& text, int widthUnits) {
  static Surface scratch(1, 1);
  CDC dc;
  dc.AttachSurface(&scratch, POINT{0, 0}, CRect(0, 0, 1, 1));
  SelectionScope selection(dc, &StandardFont(false));
  RECT rect{0, 0, DialogUnitsToPixelsX(widthUnits), 0};
  dc.DrawText(text, &rect, DT_WORDBREAK | DT_CALCRECT);
  return (rect.bottom * 8 + DIALOG_BASE_Y - 1) / DIALOG_BASE_Y;
}

// The template of one box, laid out for its text; it is built before the dialog that
// runs it.
struct MessageBoxLayout {
  explicit MessageBoxLayout(const MessageBoxRequest& request) : m_request(request) {
    const UINT buttons = request.type & BUTTONS_MASK;
    const UINT icon = request.type & ICON_MASK;
    const UINT defaultButton = request.type & DEFAULT_BUTTON_MASK;
    PLATFORM_REQUIRE((request.type & ~(BUTTONS_MASK | ICON_MASK | DEFAULT_BUTTON_MASK)) == 0,
                     "unsupported message box flags");
    PLATFORM_REQUIRE(buttons == MB_OK || buttons == MB_YESNO, "unsupported message box buttons");
    PLATFORM_REQUIRE(icon == 0 || icon == MB_ICONQUESTION || icon == MB_ICONINFORMATION,
                     "unsupported message box icon");
    PLATFORM_REQUIRE(defaultButton == 0 || (defaultButton == MB_DEFBUTTON2 && buttons == MB_YESNO),
                     "unsupported default button");
    m_bYesNo = buttons == MB_YESNO;
    m_bNoByDefault = defaultButton == MB_DEFBUTTON2;
    m_nIcon = icon;

    const int textLeft = icon != 0 ? MARGIN + ICON_SIZE + MARGIN : MARGIN;
    const int textWidth = BOX_WIDTH - MARGIN - textLeft;
    const int textHeight = std::max(WrappedTextHeight(request.text, textWidth), icon != 0 ? ICON_SIZE : 0);
    const int buttonTop = MARGIN + textHeight + MARGIN;
    const int count = m_bYesNo ? 2 : 1;
    const int rowWidth = count * BUTTON_WIDTH + (count - 1) * BUTTON_GAP;
    const int firstLeft = (BOX_WIDTH - rowWidth) / 2;
    constexpr DWORD BUTTON_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

    m_items.push_back({ItemClass::Static, m_request.text, 0, -1, WS_CHILD | WS_VISIBLE | SS_LEFT, textLeft, MARGIN,
                       textWidth, textHeight});
    if (m_bYesNo) {
      const DWORD yesStyle = m_bNoByDefault ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON;
      const DWORD noStyle = m_bNoByDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      m_items.push_back({ItemClass::Button, u"Yes", 0, IDYES, BUTTON_STYLE | yesStyle, firstLeft, buttonTop,
                         BUTTON_WIDTH, BUTTON_HEIGHT});
      m_items.push_back({ItemClass::Button, u"No", 0, IDNO, BUTTON_STYLE | noStyle,
                         firstLeft + BUTTON_WIDTH + BUTTON_GAP, buttonTop, BUTTON_WIDTH, BUTTON_HEIGHT});
    } else {
      m_items.push_back({ItemClass::Button, u"OK", 0, IDOK, BUTTON_STYLE | BS_DEFPUSHBUTTON, firstLeft, buttonTop,
                         BUTTON_WIDTH, BUTTON_HEIGHT});
    }
    m_template = DialogTemplate{0,         WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_CENTER | DS_SETFONT,
                                0,         m_request.caption,
                                u"Tahoma", 8,
                                0,         0,
                                BOX_WIDTH, buttonTop + BUTTON_HEIGHT + MARGIN,
                                m_items};
  }

  MessageBoxRequest m_request;
  std::vector<DialogItemTemplate> m_items;
  DialogTemplate m_template{};
  bool m_bYesNo = false;
  bool m_bNoByDefault = false;
  UINT m_nIcon = 0;
};

class CMessageBoxDlg : private MessageBoxLayout, public CDialog {
 public:
  explicit CMessageBoxDlg(const MessageBoxRequest& request) : MessageBoxLayout(request), CDialog(&m_template) {
    MapCommand(IDYES, &CMessageBoxDlg::OnYes);
    MapCommand(IDNO, &CMessageBoxDlg::OnNo);
  }

  int ResultWhenClosed() const override { return m_bYesNo ? IDNO : IDOK; }

 protected:
  // The default button starts with the focus, so that Space and Enter agree.
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    GetDlgItem(DefaultCommandId())->SetFocus();
    return FALSE;
  }

  void OnCancel() override { EndDialog(ResultWhenClosed()); }

  void OnPaint() override {
    CDialog::OnPaint();
    if (m_nIcon == 0) return;
    CDC* dc = GetDC();
    const CRect icon = DialogUnitsToPixels(MARGIN, MARGIN, ICON_SIZE, ICON_SIZE);
    CPen pen(PS_SOLID, 1, ICON_COLOR);
    CBrush brush(ICON_COLOR);
    {
      SelectionScope selection(*dc, &pen, &brush);
      dc->Ellipse(&icon);
    }
    DrawTextIn(*dc, m_nIcon == MB_ICONQUESTION ? u"?" : u"i", icon, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
               ICON_MARK_COLOR, &StandardFont(true));
    ReleaseDC(dc);
  }

 private:
  void OnYes() { EndDialog(IDYES); }
  void OnNo() { EndDialog(IDNO); }
};
}  // namespace

int ShowMessageBoxDialog(const MessageBoxRequest& request) {
  // Once the desktop asked the program to close, a box would close as it opens; what it
  // says, such as a failed save at the end, must not be lost all the same.
  if (WindowSystem::Current().IsQuitting()) return ReportOnStandardError(request);
  CMessageBoxDlg box(request);
  return box.DoModal();
}

void InstallMessageBoxDialogs() { SetMessageBoxPresenter(ShowMessageBoxDialog); }
