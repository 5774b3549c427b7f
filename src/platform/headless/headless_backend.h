#pragma once
// The back end for tests: no display and no audio, a virtual clock, and a script of
// input that plays whenever the program waits for input, also inside nested modal loops.
//
// How a test uses it (usually through a script of the user interface above it):
//   HeadlessBackend backend;
//   backend.Tap(POINT{120, 160}).Wait(100).Check([&] { ... }).Key(VK_ESCAPE);
//   ... a program run on the back end, whose modal loop returns when the script is done
// The clock jumps to the next timer or Sleep deadline whenever no scripted step is due,
// so a test of minutes of play runs in milliseconds. Steps wait until the program is idle
// in a message loop (a Sleep lets them wait), except steps given a time with At(), which
// arrive at that time even during a Sleep. When the script is done, the next wait for
// input closes every modal loop, as the desktop closing the program would.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/backend.h"
#include "platform/gdi/gdi.h"

struct SoundRecord {
  std::uint64_t timeMs;
  CString name;
};

struct HelpLaunchRecord {
  std::uint64_t timeMs;
  CString pagePath;
};

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend() = default;
  HeadlessBackend(const HeadlessBackend&) = delete;
  HeadlessBackend& operator=(const HeadlessBackend&) = delete;

  // ---- the script -----------------------------------------------------------------------
  HeadlessBackend& Tap(POINT screenPoint);
  HeadlessBackend& PenDown(POINT screenPoint);
  HeadlessBackend& PenUp(POINT screenPoint);
  // The mouse moved there with no button down.
  HeadlessBackend& Hover(POINT screenPoint);
  // A tap at a point found only when the step is due, as where a control is by then.
  HeadlessBackend& TapAt(std::function<POINT()> locate);
  HeadlessBackend& Key(UINT virtualKey, UINT modifiers = 0);  // modifiers: MOD_... bits
  HeadlessBackend& Type(const CString& text);                 // one character event per code unit
  // The system asks the program to end, as a signal does.
  HeadlessBackend& CloseRequest();
  // The desktop window's close button.
  HeadlessBackend& CloseButton();
  // A help viewer that started ends in failure.
  HeadlessBackend& HelpViewerFails();
  // The system may end the program from now on without another word, as when the page is hidden.
  HeadlessBackend& EndSession();
  // The view the screen is shown in takes that shape, as a browser's page tells it.
  HeadlessBackend& ViewShape(int width, int height);
  // Lets the program run for that long on the virtual clock before the next step.
  HeadlessBackend& Wait(std::uint64_t milliseconds);
  // Runs the check at this point of the script; the screen has been presented. A check may
  // add steps, for taps at places only known then; they go after the steps already queued.
  HeadlessBackend& Check(std::function<void()> check);
  // The next step arrives at that virtual time, also while the program sleeps.
  HeadlessBackend& At(std::uint64_t timeMs);
  // The time At() gave for the next step, until that step is added.
  std::optional<std::uint64_t> PendingAt() const { return m_nextAt; }
  bool ScriptDone() const { return m_script.empty(); }

  // ---- what happened --------------------------------------------------------------------
  const std::vector<SoundRecord>& Sounds() const { return m_sounds; }
  std::vector<CString> SoundNames() const;
  const std::vector<HelpLaunchRecord>& HelpLaunches() const { return m_helpLaunches; }
  // From now on no help viewer starts; the tries are still recorded.
  void RemoveHelpViewer() { m_bHelpViewerMissing = true; }
  // From now on files are offered as the browser offers them, and recorded.
  void OfferFiles() { m_bOffersFiles = true; }
  const std::vector<CString>& OfferedFiles() const { return m_offeredFiles; }
  int PresentCount() const { return m_nPresents; }
  void ClearRecords();

  // ---- the screen -----------------------------------------------------------------------
  // The screen as last presented.
  COLORREF PresentedPixel(int x, int y) const;

  // ---- Backend --------------------------------------------------------------------------
  std::uint64_t NowMs() override { return m_nowMs; }
  std::optional<InputEvent> WaitForEvent(std::optional<std::uint64_t> deadlineMs, WaitReason reason) override;
  void Present(const FrameView& frame) override;
  void PlayWave(std::u16string_view name, std::span<const unsigned char> wave) override;
  bool StartHelpViewer(const CString& pagePath) override;
  bool OffersFiles() const override { return m_bOffersFiles; }
  void OfferFile(const CString& filePath) override { m_offeredFiles.push_back(filePath); }

 private:
  struct Step {
    enum class Kind { Event, TapAt, Wait, Check };
    Kind kind = Kind::Event;
    InputEvent event{};
    std::function<POINT()> locate;
    std::uint64_t durationMs = 0;
    std::optional<std::uint64_t> untilMs;  // a Wait's end, fixed when it begins
    std::function<void()> check;
    std::optional<std::uint64_t> atMs;
  };

  static Step MakeStep(Step::Kind kind);
  static Step EventStep(const InputEvent& event);
  HeadlessBackend& Add(Step step);
  void PushTapFront(POINT point);

  std::uint64_t m_nowMs = 0;
  std::deque<Step> m_script;
  std::optional<std::uint64_t> m_nextAt;
  std::vector<SoundRecord> m_sounds;
  std::vector<HelpLaunchRecord> m_helpLaunches;
  bool m_bHelpViewerMissing = false;
  bool m_bOffersFiles = false;
  std::vector<CString> m_offeredFiles;
  FrameView m_frame{0, 0, nullptr};
  int m_nPresents = 0;
};
