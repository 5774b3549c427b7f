#pragma once
// A program run on the headless back end, scripted as a user would use it: taps on
// controls by id or text, menu commands, answers to message boxes, keys and typing; and
// what the run showed and played. Lookups of controls and bars happen when a step is due,
// so a step can name what only exists by then.
//
//   UiScript ui;
//   ui.TapItem(IDC_GO).Wait(100).Check([&] { ... }).ChooseMenu(u"Exit").Answer(u"Yes");
//   CBoardDlg board;
//   board.DoModal();  // returns when the script is done
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/message_box.h"
#include "platform/headless/headless_backend.h"
#include "platform/wnd/dialog.h"
#include "platform/wnd/program_run.h"
#include "platform/wnd/screen_chrome.h"

struct MessageBoxRecord {
  std::uint64_t timeMs;
  CString caption;
  CString text;
  UINT type;
  int answer;  // 0 while the box is up
};

class UiScript {
 public:
  UiScript();
  ~UiScript();
  UiScript(const UiScript&) = delete;
  UiScript& operator=(const UiScript&) = delete;

  // ---- the script -----------------------------------------------------------------------
  UiScript& Tap(POINT screenPoint) { return Forward(m_backend.Tap(screenPoint)); }
  UiScript& PenDown(POINT screenPoint) { return Forward(m_backend.PenDown(screenPoint)); }
  UiScript& PenUp(POINT screenPoint) { return Forward(m_backend.PenUp(screenPoint)); }
  // The mouse moves there with no button down.
  UiScript& Hover(POINT screenPoint) { return Forward(m_backend.Hover(screenPoint)); }
  // A tap on the centre of a control of the dialog in front, found by id or by its text.
  UiScript& TapItem(int controlId);
  UiScript& TapText(const CString& text);
  // A message box's button by its text ("Yes", "No", "OK").
  UiScript& Answer(const CString& buttonText) { return TapText(buttonText); }
  // Opens the menu of the menu bar's "Menu" button and taps the item with that text.
  UiScript& ChooseMenu(const CString& itemText);
  UiScript& TapMenuButton(const CString& buttonText);
  UiScript& TapCloseBox();
  // The menu bar's button that raises and lowers the soft input panel.
  UiScript& TapInputPanelButton();
  UiScript& Key(UINT virtualKey, UINT modifiers = 0) { return Forward(m_backend.Key(virtualKey, modifiers)); }
  UiScript& Type(const CString& text) { return Forward(m_backend.Type(text)); }
  // The system asks the program to end, as a signal does.
  UiScript& CloseRequest() { return Forward(m_backend.CloseRequest()); }
  // The desktop window's close button.
  UiScript& CloseButton() { return Forward(m_backend.CloseButton()); }
  // A help viewer that started ends in failure.
  UiScript& HelpViewerFails() { return Forward(m_backend.HelpViewerFails()); }
  // The system may end the program from now on without another word (the page hidden).
  UiScript& EndSession() { return Forward(m_backend.EndSession()); }
  // The view takes that shape, as a browser's page tells it when a phone turns.
  UiScript& ViewShape(int width, int height) { return Forward(m_backend.ViewShape(width, height)); }
  UiScript& Wait(std::uint64_t milliseconds) { return Forward(m_backend.Wait(milliseconds)); }
  // Runs the check at this point of the script; the screen has been presented.
  UiScript& Check(std::function<void()> check) { return Forward(m_backend.Check(std::move(check))); }
  // The next step arrives at that virtual time, also while the program sleeps.
  UiScript& At(std::uint64_t timeMs) { return Forward(m_backend.At(timeMs)); }
  bool ScriptDone() const { return m_backend.ScriptDone(); }

  // The run ends and a new one begins on an empty screen, on the same clock and records,
  // as when the program is started again.
  void StartNextRun();

  // ---- what happened --------------------------------------------------------------------
  const std::vector<SoundRecord>& Sounds() const { return m_backend.Sounds(); }
  std::vector<CString> SoundNames() const { return m_backend.SoundNames(); }
  const std::vector<HelpLaunchRecord>& HelpLaunches() const { return m_backend.HelpLaunches(); }
  void RemoveHelpViewer() { m_backend.RemoveHelpViewer(); }
  void OfferFiles() { m_backend.OfferFiles(); }
  const std::vector<CString>& OfferedFiles() const { return m_backend.OfferedFiles(); }
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_messageBoxes; }
  int PresentCount() const { return m_backend.PresentCount(); }
  void ClearRecords();
  std::uint64_t NowMs() { return m_backend.NowMs(); }

  // ---- the screen -----------------------------------------------------------------------
  // The screen as the program leaves it now (brought up to date first).
  Surface Screenshot();
  COLORREF PresentedPixel(int x, int y) const { return m_backend.PresentedPixel(x, y); }

  // ---- looking at the run ----------------------------------------------------------------
  WindowSystem& Windows() { return m_run->Windows(); }

 private:
  // The back end's steps return the back end; the script's return the script.
  UiScript& Forward(HeadlessBackend&) { return *this; }
  void BeginRun();
  void EndRun();
  UiScript& TapWhereFound(std::function<std::optional<CRect>()> find, const char* what, CString name);

  HeadlessBackend m_backend;
  std::optional<ProgramRun> m_run;
  std::vector<MessageBoxRecord> m_messageBoxes;
  MessageBoxPresenter m_runPresenter;
};

// The dialog in front when it is of that kind, else null.
template <class TDialog>
TDialog* InFront() {
  return dynamic_cast<TDialog*>(ActiveDialog());
}
