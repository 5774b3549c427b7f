#include "platform/web/web_backend.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

#include "platform/core/text.h"

// The page script's side (page_bridge.js).
extern "C" {
// Fills six numbers (kind, x, y, key, modifiers, character) with the oldest queued input;
// 0 when none is queued.
int tumbla_next_input(std::int32_t* fields);
// Sleeps until input arrives or the milliseconds have passed (never, when negative).
void tumbla_wait(double milliseconds);
void tumbla_present(const COLORREF* pixels, int width, int height, int left, int top, int right, int bottom);
void tumbla_play_wave(const char* name, const unsigned char* wave, int size);
int tumbla_open_page(const char* name);
void tumbla_offer_file(const char* path);
void tumbla_program_ending();
}

namespace {

// The page script's codes of InputEvent::Kind, in that order.
constexpr std::array kKinds{InputEvent::Kind::PenDown,  InputEvent::Kind::PenMove,     InputEvent::Kind::PenUp,
                            InputEvent::Kind::Hover,    InputEvent::Kind::KeyDown,     InputEvent::Kind::Character,
                            InputEvent::Kind::Close,    InputEvent::Kind::CloseButton, InputEvent::Kind::EndSession,
                            InputEvent::Kind::ViewShape};

std::optional<InputEvent> NextQueuedInput() {
  std::array<std::int32_t, 6> fields{};
  if (tumbla_next_input(fields.data()) == 0) return std::nullopt;
  const auto kind = static_cast<std::size_t>(fields[0]);
  if (kind >= kKinds.size()) return std::nullopt;
  InputEvent event{kKinds[kind]};
  event.point = POINT{fields[1], fields[2]};
  event.key = static_cast<UINT>(fields[3]);
  event.modifiers = static_cast<UINT>(fields[4]);
  event.character = static_cast<char16_t>(fields[5]);
  return event;
}

}  // namespace

std::uint64_t WebBackend::NowMs() { return static_cast<std::uint64_t>(emscripten_get_now()); }

std::optional<InputEvent> WebBackend::WaitForEvent(std::optional<std::uint64_t> deadlineMs, WaitReason) {
  if (m_typedAfterKey) {
    const InputEvent typed = *m_typedAfterKey;
    m_typedAfterKey.reset();
    return typed;
  }
  for (;;) {
    if (std::optional<InputEvent> event = NextQueuedInput()) {
      if (event->kind == InputEvent::Kind::KeyDown) {
        if (const char16_t character = ControlCharacterOfKey(event->key); character != 0) {
          m_typedAfterKey = InputEvent{InputEvent::Kind::Character};
          m_typedAfterKey->character = character;
        }
      }
      return event;
    }
    const std::uint64_t now = NowMs();
    if (deadlineMs && now >= *deadlineMs) return std::nullopt;
    tumbla_wait(deadlineMs ? static_cast<double>(*deadlineMs - now) : -1.0);
  }
}

void WebBackend::Present(const FrameView& frame) {
  const RECT region = frame.changed.value_or(RECT{0, 0, frame.width, frame.height});
  tumbla_present(frame.pixels, frame.width, frame.height, region.left, region.top, region.right, region.bottom);
}

void WebBackend::PlayWave(std::u16string_view name, std::span<const unsigned char> wave) {
  tumbla_play_wave(ToUtf8(name).c_str(), wave.data(), static_cast<int>(std::min<std::size_t>(wave.size(), INT_MAX)));
}

bool WebBackend::StartHelpViewer(const CString& pagePath) {
  // The page lies beside the program on the site, as the file beside the executable.
  const std::size_t slash = pagePath.find_last_of(u'/');
  const CString name = slash == CString::npos ? pagePath : pagePath.substr(slash + 1);
  return tumbla_open_page(ToUtf8(name).c_str()) != 0;
}

void WebBackend::OfferFile(const CString& filePath) { tumbla_offer_file(ToUtf8(filePath).c_str()); }

void WebBackend::ProgramEnding() { tumbla_program_ending(); }
