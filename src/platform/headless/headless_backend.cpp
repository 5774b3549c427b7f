#include "platform/headless/headless_backend.h"

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

#include "platform/core/text.h"

namespace {
[[noreturn]] void ScriptFailure(const char* what, const CString& detail) {
  std::fprintf(stderr, "headless script: %s \"%s\"\n", what, ToUtf8(detail).c_str());
  std::abort();
}

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

}  // namespace

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

HeadlessBackend& HeadlessBackend::Hover(POINT point) {
  return Add(EventStep(PenEvent(InputEvent::Kind::Hover, point)));
}

HeadlessBackend& HeadlessBackend::Tap(POINT point) {
  const std::optional<std::uint64_t> at = m_nextAt;
  PenDown(point);
  m_nextAt = at;
  return PenUp(point);
}

HeadlessBackend& HeadlessBackend::TapAt(std::function<POINT()> locate) {
  Step step = MakeStep(Step::Kind::TapAt);
  step.locate = std::move(locate);
  return Add(std::move(step));
}

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

HeadlessBackend& HeadlessBackend::CloseRequest() { return Add(EventStep(MakeEvent(InputEvent::Kind::Close))); }
HeadlessBackend& HeadlessBackend::CloseButton() { return Add(EventStep(MakeEvent(InputEvent::Kind::CloseButton))); }
HeadlessBackend& HeadlessBackend::HelpViewerFails() { return Add(EventStep(MakeEvent(InputEvent::Kind::HelpFailed))); }
HeadlessBackend& HeadlessBackend::EndSession() { return Add(EventStep(MakeEvent(InputEvent::Kind::EndSession))); }

HeadlessBackend& HeadlessBackend::ViewShape(int width, int height) {
  InputEvent event = MakeEvent(InputEvent::Kind::ViewShape);
  event.point = POINT{width, height};
  return Add(EventStep(event));
}

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

std::optional<InputEvent> HeadlessBackend::WaitForEvent(std::optional<std::uint64_t> deadlineMs, WaitReason reason) {
  constexpr std::uint64_t NEVER = std::numeric_limits<std::uint64_t>::max();
  const bool sleeping = reason == WaitReason::Pause;
  for (;;) {
    if (m_script.empty()) {
      if (deadlineMs && sleeping) {
        m_nowMs = std::max(m_nowMs, *deadlineMs);
        return std::nullopt;
      }
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
      case Step::Kind::Event: return current.event;
      case Step::Kind::Wait: break;
      case Step::Kind::Check: current.check(); break;
      case Step::Kind::TapAt: PushTapFront(current.locate()); break;
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
  return !m_bHelpViewerMissing;
}

std::vector<CString> HeadlessBackend::SoundNames() const {
  std::vector<CString> names;
  for (const SoundRecord& sound : m_sounds) names.push_back(sound.name);
  return names;
}

void HeadlessBackend::ClearRecords() {
  m_sounds.clear();
  m_helpLaunches.clear();
}

// ---- the screen ---------------------------------------------------------------------------

COLORREF HeadlessBackend::PresentedPixel(int x, int y) const {
  if (m_frame.pixels == nullptr) return 0;
  return m_frame
      .pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_frame.width) + static_cast<std::size_t>(x)];
}
