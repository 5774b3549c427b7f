#include <gtest/gtest.h>

#include "wnd_test_support.h"

TestTemplate::TestTemplate(std::vector<DialogItemTemplate> items, DWORD style, DWORD exStyle)
    : m_items(std::move(items)) {
  constexpr DWORD kFrame = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  m_template = DialogTemplate{0, kFrame | style, exStyle, u"Test", u"Tahoma", 8, 0, 0, 160, 165, m_items};
}

ScriptedDialog::ScriptedDialog(std::vector<DialogItemTemplate> items, DWORD style, DWORD exStyle)
    : TestTemplate(std::move(items), style, exStyle), CDialog(&m_template) {}

BOOL ScriptedDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  if (onInit) onInit();
  return TRUE;
}

void ScriptedDialog::OnTimer(UINT_PTR id) {
  if (onTimer) onTimer(id);
}

void ScriptedDialog::OnOK() {
  if (onOk) {
    onOk();
  } else {
    CDialog::OnOK();
  }
}

void ScriptedDialog::OnLButtonDown(UINT, CPoint point) {
  if (onTap) onTap(point);
}

BOOL ScriptedDialog::OnHelpInfo(HELPINFO* info) { return onHelp ? onHelp(info) : CDialog::OnHelpInfo(info); }

void ScriptedDialog::OnViewShapeChanged() {
  if (onViewShape) onViewShape();
}

BOOL ScriptedDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) {
    commands.push_back(LOWORD(wParam));
    if (onCommand) onCommand(LOWORD(wParam));
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

void LoggingWnd::OnPaint() {
  CPaintDC dc(this);
  ++paints;
}

void LoggingWnd::OnLButtonDown(UINT, CPoint point) {
  m_log.push_back(m_name + " down " + std::to_string(point.x) + "," + std::to_string(point.y));
}

void LoggingWnd::OnLButtonUp(UINT, CPoint point) {
  m_log.push_back(m_name + " up " + std::to_string(point.x) + "," + std::to_string(point.y));
}

DialogItemTemplate ButtonItem(int id, std::u16string_view text, int x, int y, int cx, int cy) {
  return DialogItemTemplate{ItemClass::Button, text, 0, id, WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, cx, cy};
}
