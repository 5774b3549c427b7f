#pragma once
// The browser: the handheld's screen on the page's canvas, pointer events as the pen, the
// keyboard, Web Audio and a new tab for the help page. The page script (site/page.js) owns
// the canvas and queues the input; the program waits for it inside Asyncify's sleeps, so
// its nested modal loops and its Sleep run unchanged.
#include <memory>
#include <optional>

#include "platform/core/backend.h"

class WebBackend final : public Backend {
 public:
  WebBackend() = default;
  WebBackend(const WebBackend&) = delete;
  WebBackend& operator=(const WebBackend&) = delete;

  std::uint64_t NowMs() override;
  std::optional<InputEvent> WaitForEvent(std::optional<std::uint64_t> deadlineMs, WaitReason reason) override;
  void Present(const FrameView& frame) override;
  void PlayWave(std::u16string_view name, std::span<const unsigned char> wave) override;
  bool StartHelpViewer(const CString& pagePath) override;
  bool OffersFiles() const override { return true; }
  void OfferFile(const CString& filePath) override;
  // From here on the program only exits: its static objects' last saves cannot wait for the
  // browser's storage, so they go to the folder at once and the page stores them after.
  void ProgramEnding();

 private:
  // A key that types a control character is followed by that character, as on the desktop.
  std::optional<InputEvent> m_typedAfterKey;
};
