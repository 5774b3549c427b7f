#pragma once
// What the window-layer tests share: a headless back end, the program-wide dialog
// colours, a template-made dialog with handlers a test can fill in, and a plain window
// that logs the messages it gets.
#include <functional>
#include <string>
#include <vector>

#include "platform/wnd/dialog.h"
#include "platform/wnd/window_system.h"
#include "support/ui_script.h"

constexpr COLORREF TEST_GREEN = RGB(0, 153, 51);
constexpr COLORREF TEST_WHITE = RGB(255, 255, 255);

class WndTest : public ::testing::Test {
 protected:
  WndTest() { m_app.SetDialogBkColor(TEST_GREEN, TEST_WHITE); }

  CWinApp m_app;
  UiScript m_ui;
};

// The template of a test dialog, made before the dialog that runs it.
struct TestTemplate {
  TestTemplate(std::vector<DialogItemTemplate> items, DWORD style, DWORD exStyle);
  std::vector<DialogItemTemplate> m_items;
  DialogTemplate m_template;
};

// A full-screen dialog of the given items; handlers are optional callbacks.
class ScriptedDialog : private TestTemplate, public CDialog {
 public:
  explicit ScriptedDialog(std::vector<DialogItemTemplate> items, DWORD style = 0, DWORD exStyle = 0);

  std::function<void()> onInit;
  std::function<void(UINT_PTR)> onTimer;
  std::function<void()> onOk;
  std::function<void(CPoint)> onTap;
  std::function<BOOL(HELPINFO*)> onHelp;
  std::function<void()> onViewShape;
  std::function<void(UINT)> onCommand;  // any command but IDOK and IDCANCEL
  // Commands other than IDOK and IDCANCEL that reached the dialog, in order.
  std::vector<UINT> commands;

 protected:
  BOOL OnInitDialog() override;
  void OnTimer(UINT_PTR id) override;
  void OnOK() override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  BOOL OnHelpInfo(HELPINFO* info) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnViewShapeChanged() override;
};

// A child window that logs pen messages as "<name> down x,y" and counts its paints.
class LoggingWnd : public CWnd {
 public:
  LoggingWnd(std::vector<std::string>& log, std::string name) : m_log(log), m_name(std::move(name)) {}
  int paints = 0;

 protected:
  void OnPaint() override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;

 private:
  std::vector<std::string>& m_log;
  std::string m_name;
};

DialogItemTemplate ButtonItem(int id, std::u16string_view text, int x, int y, int cx = 40, int cy = 14);
