#include "platform/headless/headless_backend.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <limits>

#include "platform/core/text.h"
#include "platform/gdi/image_codec.h"
#include "platform/wnd/dialog.h"
#include "platform/wnd/message_box_dialog.h"
#include "platform/wnd/screen_chrome.h"
#include "platform/wnd/window_system.h"

namespace {
[[noreturn]] void ScriptFailure(const char* what, const CString& detail) {
  std::fprintf(stderr, "headless script: %s \"%s\"\n", what, ToUtf8(detail).c_str());
  std::abort();
}

POINT Centre(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

InputEvent MakeEvent(InputEvent::Kind kind) {
  InputEvent event{};
  event.kind = kind;
  return event;
}

InputEvent PenEvent(InputEvent::Kind kind, POINT point) {
  InputEvent event = MakeEvent(kind);
  event.point = point;
  return event;
}

CWnd* FindByText(CWnd* window, const CString& text) {
  for (CWnd* child : window->Children()) {
    if (child->IsWindowVisible() && child->GetWindowTextString() == text) return child;
    if (CWnd* found = FindByText(child, text)) return found;
  }
  return nullptr;
}
}  // namespace

HeadlessBackend::HeadlessBackend() {
  SetBackend(this);
  // Each script is a program run of its own.
  WindowSystem::Get().StartRun();
  m_previousPresenter = SetMessageBoxPresenter([this](const MessageBoxRequest& request) {
    const std::size_t index = m_messageBoxes.size();
    m_messageBoxes.push_back(MessageBoxRecord{m_nowMs, request.caption, request.text, request.type, 0});
    const int answer = ShowMessageBoxDialog(request);
    m_messageBoxes[index].answer = answer;
    return answer;
  });
}

HeadlessBackend::~HeadlessBackend() {
  SetMessageBoxPresenter(std::move(m_previousPresenter));
  SetBackend(nullptr);
}

HeadlessBackend::Step HeadlessBackend::MakeStep(Step::Kind kind) {
  Step step;
  step.kind = kind;
  return step;
}

HeadlessBackend::Step HeadlessBackend::EventStep(const InputEvent& event) {
  Step step = MakeStep(Step::Kind::Event);
  step.event = event;
  return step;
}

// ---- the script ---------------------------------------------------------------------------

HeadlessBackend& HeadlessBackend::Add(Step step) {
  // Steps given after the program was told to close, with nothing left to play, are the
  // script of the next run.
  if (m_script.empty() && std::exchange(m_bCloseDelivered, false)) WindowSystem::Get().StartRun();
  step.atMs = std::exchange(m_nextAt, std::nullopt);
  m_script.push_back(std::move(step));
  return *this;
}

HeadlessBackend& HeadlessBackend::PenDown(POINT point) {
  return Add(EventStep(PenEvent(InputEvent::Kind::PenDown, point)));
}

HeadlessBackend& HeadlessBackend::PenUp(POINT point) {
  return Add(EventStep(PenEvent(InputEvent::Kind::PenUp, point)));
}

HeadlessBackend& HeadlessBackend::Tap(POINT point) {
  const std::optional<std::uint64_t> at = m_nextAt;
  PenDown(point);
  m_nextAt = at;
  return PenUp(point);
}

HeadlessBackend& HeadlessBackend::TapItem(int controlId) {
  Step step = MakeStep(Step::Kind::TapItem);
  step.id = controlId;
  return Add(std::move(step));
}

HeadlessBackend& HeadlessBackend::TapText(const CString& text) {
  Step step = MakeStep(Step::Kind::TapText);
  step.text = text;
  return Add(std::move(step));
}

HeadlessBackend& HeadlessBackend::Answer(const CString& buttonText) { return TapText(buttonText); }

HeadlessBackend& HeadlessBackend::TapMenuButton(const CString& buttonText) {
  Step step = MakeStep(Step::Kind::MenuButton);
  step.text = buttonText;
  return Add(std::move(step));
}

HeadlessBackend& HeadlessBackend::ChooseMenu(const CString& itemText) {
  const std::optional<std::uint64_t> at = m_nextAt;
  TapMenuButton(u"Menu");
  m_nextAt = at;
  Step step = MakeStep(Step::Kind::MenuItem);
  step.text = itemText;
  return Add(std::move(step));
}

HeadlessBackend& HeadlessBackend::TapCloseBox() { return Add(MakeStep(Step::Kind::CloseBox)); }

HeadlessBackend& HeadlessBackend::Key(UINT virtualKey, UINT modifiers) {
  InputEvent event = MakeEvent(InputEvent::Kind::KeyDown);
  event.key = virtualKey;
  event.modifiers = modifiers;
  return Add(EventStep(event));
}

HeadlessBackend& HeadlessBackend::Type(const CString& text) {
  const std::optional<std::uint64_t> at = m_nextAt;
  for (char16_t c : text) {
    InputEvent event = MakeEvent(InputEvent::Kind::Character);
    event.character = c;
    m_nextAt = at;
    Add(EventStep(event));
  }
  m_nextAt.reset();
  return *this;
}

HeadlessBackend& HeadlessBackend::HelpRequest() { return Add(EventStep(MakeEvent(InputEvent::Kind::Help))); }

HeadlessBackend& HeadlessBackend::CloseRequest() { return Add(EventStep(MakeEvent(InputEvent::Kind::Close))); }

HeadlessBackend& HeadlessBackend::Wait(std::uint64_t milliseconds) {
  Step step = MakeStep(Step::Kind::Wait);
  step.durationMs = milliseconds;
  return Add(std::move(step));
}

HeadlessBackend& HeadlessBackend::Check(std::function<void()> check) {
  Step step = MakeStep(Step::Kind::Check);
  step.check = std::move(check);
  return Add(std::move(step));
}

HeadlessBackend& HeadlessBackend::At(std::uint64_t timeMs) {
  m_nextAt = timeMs;
  return *this;
}

void HeadlessBackend::PushTapFront(POINT point) {
  m_script.push_front(EventStep(PenEvent(InputEvent::Kind::PenUp, point)));
  m_script.push_front(EventStep(PenEvent(InputEvent::Kind::PenDown, point)));
}

void HeadlessBackend::Resolve(const Step& step) {
  WindowSystem& system = WindowSystem::Get();
  ScreenChrome& chrome = system.Chrome();
  chrome.Update();
  switch (step.kind) {
    case Step::Kind::TapItem: {
      CDialog* dialog = system.ActiveDialog();
      CWnd* item = dialog ? dialog->GetDlgItem(step.id) : nullptr;
      if (item == nullptr) ScriptFailure("no control with id", CString(u"#") + FromUtf8(std::to_string(step.id)));
      RECT rect;
      item->GetWindowRect(&rect);
      PushTapFront(Centre(rect));
      return;
    }
    case Step::Kind::TapText: {
      CDialog* dialog = system.ActiveDialog();
      CWnd* item = dialog ? FindByText(dialog, step.text) : nullptr;
      if (item == nullptr) ScriptFailure("no control showing", step.text);
      RECT rect;
      item->GetWindowRect(&rect);
      PushTapFront(Centre(rect));
      return;
    }
    case Step::Kind::MenuButton: {
      const std::optional<CRect> rect = chrome.MenuButtonRect(step.text);
      if (!rect) ScriptFailure("no menu-bar button", step.text);
      PushTapFront(Centre(*rect));
      return;
    }
    case Step::Kind::MenuItem: {
      const std::optional<CRect> rect = chrome.PopupItemRect(step.text);
      if (!rect) ScriptFailure("no open menu item", step.text);
      PushTapFront(Centre(*rect));
      return;
    }
    case Step::Kind::CloseBox: {
      const std::optional<CRect> rect = chrome.CloseBoxRect();
      if (!rect) ScriptFailure("no close box on the title bar", u"");
      PushTapFront(Centre(*rect));
      return;
    }
    default:
      ScriptFailure("step cannot be resolved", u"");
  }
}

std::optional<InputEvent> HeadlessBackend::WaitForEvent(std::optional<std::uint64_t> deadlineMs) {
  constexpr std::uint64_t NEVER = std::numeric_limits<std::uint64_t>::max();
  for (;;) {
    const bool sleeping = WindowSystem::Get().IsSleeping();
    if (m_script.empty()) {
      if (deadlineMs && sleeping) {
        m_nowMs = std::max(m_nowMs, *deadlineMs);
        return std::nullopt;
      }
      m_bCloseDelivered = true;
      return MakeEvent(InputEvent::Kind::Close);
    }
    Step& step = m_script.front();
    if (step.kind == Step::Kind::Wait && !step.untilMs) step.untilMs = m_nowMs + step.durationMs;
    std::uint64_t due = m_nowMs;
    if (step.atMs) {
      due = std::max(m_nowMs, *step.atMs);
    } else if (step.kind == Step::Kind::Wait) {
      due = *step.untilMs;
    } else if (sleeping) {
      due = NEVER;  // waits until the program is idle again
    }
    if (deadlineMs && *deadlineMs < due) {
      m_nowMs = std::max(m_nowMs, *deadlineMs);
      return std::nullopt;
    }
    if (due == NEVER) ScriptFailure("a step waits for a Sleep without deadline", u"");
    m_nowMs = due;
    Step current = std::move(step);
    m_script.pop_front();
    switch (current.kind) {
      case Step::Kind::Event:
        if (current.event.kind == InputEvent::Kind::Close) m_bCloseDelivered = true;
        return current.event;
      case Step::Kind::Wait:
        break;
      case Step::Kind::Check:
        current.check();
        break;
      default:
        Resolve(current);
        break;
    }
  }
}

// ---- records ------------------------------------------------------------------------------

void HeadlessBackend::Present(const FrameView& frame) {
  m_frame = frame;
  ++m_nPresents;
}

void HeadlessBackend::PlayWave(std::u16string_view name, std::span<const unsigned char>) {
  m_sounds.push_back(SoundRecord{m_nowMs, CString(name)});
}

bool HeadlessBackend::StartHelpViewer(const CString& pagePath) {
  m_helpLaunches.push_back(HelpLaunchRecord{m_nowMs, pagePath});
  return true;
}

std::vector<CString> HeadlessBackend::SoundNames() const {
  std::vector<CString> names;
  for (const SoundRecord& sound : m_sounds) names.push_back(sound.name);
  return names;
}

void HeadlessBackend::ClearRecords() {
  m_sounds.clear();
  m_helpLaunches.clear();
  m_messageBoxes.clear();
}

// ---- the screen ---------------------------------------------------------------------------

Surface HeadlessBackend::Screenshot() {
  WindowSystem::Get().RefreshScreen();
  return WindowSystem::Get().ScreenPixels();
}

bool HeadlessBackend::SaveScreenshot(const std::string& pngPath) { return WritePng(Screenshot(), pngPath); }

COLORREF HeadlessBackend::PresentedPixel(int x, int y) const {
  if (m_frame.pixels == nullptr) return 0;
  return m_frame.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_frame.width) + static_cast<std::size_t>(x)];
}
