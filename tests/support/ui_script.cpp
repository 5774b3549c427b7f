#include "support/ui_script.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/core/text.h"

namespace {
[[noreturn]] void ScriptFailure(const char* what, const CString& name) {
  std::fprintf(stderr, "ui script: %s \"%s\"\n", what, ToUtf8(name).c_str());
  std::abort();
}

POINT Centre(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

CWnd* FindByText(CWnd* window, const CString& text) {
  for (CWnd* child : window->Children()) {
    if (child->IsWindowVisible() && child->GetWindowTextString() == text) return child;
    if (CWnd* found = FindByText(child, text)) return found;
  }
  return nullptr;
}

std::optional<CRect> RectOf(const CWnd* window) {
  if (window == nullptr) return std::nullopt;
  return window->ScreenRect();
}
}  // namespace

UiScript::UiScript() { BeginRun(); }

UiScript::~UiScript() { EndRun(); }

void UiScript::BeginRun() {
  m_run.emplace(m_backend);
  m_runPresenter = SetMessageBoxPresenter([this](const MessageBoxRequest& request) {
    const std::size_t index = m_messageBoxes.size();
    m_messageBoxes.push_back(MessageBoxRecord{m_backend.NowMs(), request.caption, request.text, request.type, 0});
    const int answer = m_runPresenter(request);
    m_messageBoxes[index].answer = answer;
    return answer;
  });
}

void UiScript::EndRun() {
  SetMessageBoxPresenter(std::move(m_runPresenter));
  m_run.reset();
}

void UiScript::StartNextRun() {
  EndRun();
  BeginRun();
}

// ---- the script ---------------------------------------------------------------------------

UiScript& UiScript::TapWhereFound(std::function<std::optional<CRect>()> find, const char* what, CString name) {
  return Forward(m_backend.TapAt([find = std::move(find), what, name = std::move(name)] {
    ScreenChrome::Current().Follow();
    const std::optional<CRect> rect = find();
    if (!rect) ScriptFailure(what, name);
    return Centre(*rect);
  }));
}

UiScript& UiScript::TapItem(int controlId) {
  return TapWhereFound(
      [controlId] {
        CDialog* dialog = ActiveDialog();
        return RectOf(dialog ? dialog->GetDlgItem(controlId) : nullptr);
      },
      "no control with id", CString(u"#") + FromUtf8(std::to_string(controlId)));
}

UiScript& UiScript::TapText(const CString& text) {
  return TapWhereFound(
      [text] {
        CDialog* dialog = ActiveDialog();
        return RectOf(dialog ? FindByText(dialog, text) : nullptr);
      },
      "no control showing", text);
}

UiScript& UiScript::TapMenuButton(const CString& buttonText) {
  return TapWhereFound([buttonText] { return ScreenChrome::Current().MenuButtonRect(buttonText); },
                       "no menu-bar button", buttonText);
}

UiScript& UiScript::ChooseMenu(const CString& itemText) {
  const std::optional<std::uint64_t> at = m_backend.PendingAt();
  TapMenuButton(u"Menu");
  if (at) m_backend.At(*at);
  return TapWhereFound([itemText] { return ScreenChrome::Current().PopupItemRect(itemText); }, "no open menu item",
                       itemText);
}

UiScript& UiScript::TapInputPanelButton() {
  return TapWhereFound([] { return ScreenChrome::Current().InputPanelButtonRect(); },
                       "no keyboard button on the menu bar", u"");
}

UiScript& UiScript::TapCloseBox() {
  return TapWhereFound([] { return ScreenChrome::Current().CloseBoxRect(); }, "no close box on the title bar", u"");
}

// ---- what happened ------------------------------------------------------------------------

void UiScript::ClearRecords() {
  m_backend.ClearRecords();
  m_messageBoxes.clear();
}

Surface UiScript::Screenshot() {
  Windows().RefreshScreen();
  return Windows().ScreenPixels();
}
