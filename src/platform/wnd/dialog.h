#pragma once
// Dialogs made from templates, run modally over the one message pump, and the
// application object with the program-wide dialog colours.
//
// How the game uses it: a dialog class derives from CDialog, passes its template id to
// the base constructor, binds its commands with MapCommand in its constructor and
// overrides OnInitDialog, OnOK or OnCancel. Running it is `CMyDlg dlg; dlg.DoModal();`.
// The board inserts its menu bar with GetCommandBar()->InsertMenuBar(IDR_MENU).
// The application object derives from CWinApp and overrides InitInstance; main() calls
// AfxWinMain().
#include <memory>
#include <vector>

#include "platform/wnd/dialog_colors.h"
#include "platform/wnd/dialog_template.h"
#include "platform/wnd/wnd.h"

struct MenuTemplate;

// The bar of buttons under a dialog (the handheld's menu bar). A drop-down button opens
// the pop-up of its menu; a plain button sends its command to the dialog.
class CCommandBar {
 public:
  struct Button {
    CString text;
    UINT command;
    bool dropDown;
    const MenuTemplate* menu;
  };

  // Builds the bar from a menu-bar resource; no button images are supported.
  BOOL InsertMenuBar(UINT menuBarId, UINT bitmapId = 0);
  const std::vector<Button>& Buttons() const { return m_buttons; }

 private:
  std::vector<Button> m_buttons;
};

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  // A template made at run time (the message box); it must outlive the dialog's run.
  explicit CDialog(const DialogTemplate* dialogTemplate, CWnd* parent = nullptr);

  // Creates the dialog and its items, runs OnInitDialog and the modal loop, destroys the
  // window and returns what EndDialog was given.
  virtual int DoModal();
  void EndDialog(int result);

  virtual BOOL OnInitDialog();
  virtual void OnOK();      // IDOK: Enter, the title bar's OK
  virtual void OnCancel();  // IDCANCEL: Escape, the close box

  CCommandBar* GetCommandBar() { return &m_commandBar; }
  const CCommandBar& CommandBar() const { return m_commandBar; }

  // The title bar's OK button: the caption-OK style, unless the shell hid it.
  bool ShowsCaptionOk() const;
  bool ShowsCloseBox() const;
  void SetDoneButtonShown(bool shown);
  // A full-screen dialog fills the area between title bar and menu bar and puts its
  // caption into the title bar; a centred one (DS_CENTER) draws its own frame.
  bool IsFullScreen() const;

  bool IsModalEnded() const { return m_bEndModal; }
  bool PreTranslateKey(UINT key, UINT modifiers) override;
  // What the modal run returns when the program is asked to close.
  virtual int ResultWhenClosed() const { return IDCANCEL; }
  // The command Enter sends: the default push button's id, else IDOK.
  int DefaultCommandId() const;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;

 private:
  void CreateFromTemplate();
  void CreateDialogFont();
  void FocusFirstTabStop();
  // False when the dialog has no tab stops.
  bool MoveFocusToNextTabStop(bool backwards);
  void DrawFrame();

  const DialogTemplate* m_pTemplate;
  CFont m_font;
  CCommandBar m_commandBar;
  std::vector<std::unique_ptr<CWnd>> m_templateItems;  // the controls the template made
  bool m_bEndModal = false;
  int m_nModalResult = IDCANCEL;
  bool m_bDoneButtonShown = true;
};

// Height of the caption strip of a centred dialog's own frame.
constexpr int DIALOG_CAPTION_HEIGHT = 18;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance();
  // After InitInstance returned FALSE: the program's exit code.
  virtual int ExitInstance();
  // The colours of every dialog of the program: background and static text.
  void SetDialogBkColor(COLORREF background = RGB(192, 192, 192), COLORREF text = RGB(0, 0, 0));

  CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// Runs the application object's InitInstance; returns the program's exit code, which
// ExitInstance gives.
int AfxWinMain();

// The dialog whose modal loop runs innermost; null when none runs.
CDialog* ActiveDialog();
