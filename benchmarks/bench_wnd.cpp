// The window layer's speed: a control's redraw all the way to the screen, and one turn of
// the message pump with nothing to do.
#include <benchmark/benchmark.h>

#include "platform/core/backend.h"
#include "platform/wnd/screen_areas.h"
#include "platform/wnd/window_system.h"
#include "support/square_ctrl.h"

namespace {
// A back end whose clock stands still and that never has input.
class IdleBackend : public Backend {
 public:
  std::uint64_t NowMs() override { return 1000; }
  std::optional<InputEvent> WaitForEvent(std::optional<std::uint64_t>, WaitReason) override { return std::nullopt; }
  void Present(const FrameView&) override { ++presents; }
  void PlayWave(std::u16string_view, std::span<const unsigned char>) override {}
  bool StartHelpViewer(const CString&) override { return true; }
  int presents = 0;
};

struct Board {
  Board() {
    top.Create(nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(WORK_AREA), nullptr, 0);
    placeholder.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(195, 26, 230, 62), &top, 1000);
    control = std::make_unique<SquareCtrl>(&top, 1000);
    top.SetTimer(102, 50, nullptr);
    system.RefreshScreen();
  }
  ~Board() {
    control.reset();
    top.DestroyWindow();
  }
  IdleBackend backend;
  WindowSystem system{backend};
  CWnd top;
  CWnd placeholder;  // the control takes its place
  std::unique_ptr<SquareCtrl> control;
};

void BM_ControlRedrawToScreen(benchmark::State& state) {
  Board board;
  int size = 0;
  for (auto _ : state) {
    board.control->SetSquare(10 + (size++ & 15));
    board.system.RefreshScreen();
  }
  benchmark::DoNotOptimize(board.backend.presents);
}
BENCHMARK(BM_ControlRedrawToScreen);

void BM_IdleMessageLoopTurn(benchmark::State& state) {
  Board board;
  board.control->SetSquare(10);
  WindowSystem& system = board.system;
  system.PumpOnce();
  for (auto _ : state) system.PumpOnce();
  benchmark::DoNotOptimize(board.backend.presents);
}
BENCHMARK(BM_IdleMessageLoopTurn);
}  // namespace
