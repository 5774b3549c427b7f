// Presenting the screen in the desktop window: the magnifying copy alone, and a whole
// Present through SDL's in-memory window.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sdl/scaled_copy.h"
#include "platform/sdl/sdl_backend.h"

#include <SDL_video.h>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 320;

std::vector<COLORREF> Screen(COLORREF seed) {
  std::vector<COLORREF> pixels(kWidth * kHeight);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = (seed + static_cast<COLORREF>(i) * 2654435761u) & 0xFFFFFF;
  return pixels;
}

// The back end on SDL's dummy video driver; none, and the benchmark skipped, when that fails.
std::unique_ptr<SdlBackend> InMemoryWindow(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  std::string error;
  std::unique_ptr<SdlBackend> backend =
      SdlBackend::Create(DesktopWindowLook{"Tumbla", nullptr, SIZE{kWidth, kHeight}}, error);
  if (!backend) state.SkipWithError(error.c_str());
  return backend;
}

void BM_CopyScaledWholeScreen(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  const std::vector<COLORREF> screen = Screen(1);
  std::vector<std::uint32_t> window(static_cast<std::size_t>(kWidth * scale * kHeight * scale));
  const ScreenLayout layout = LayoutForWindow(kWidth * scale, kHeight * scale, kWidth, kHeight);
  for (auto _ : state) {
    CopyScaled(FrameView{kWidth, kHeight, screen.data()}, RECT{0, 0, kWidth, kHeight}, layout,
               PixelFormat32{16, 8, 0, 0},
               WindowPixels{window.data(), kWidth * scale, kWidth * scale, kHeight * scale});
    benchmark::DoNotOptimize(window.data());
  }
}
BENCHMARK(BM_CopyScaledWholeScreen)->Arg(2)->Arg(3)->Arg(4);

// Every frame differs from the one before, so each Present copies and shows all of it.
void BM_PresentWholeScreen(benchmark::State& state) {
  const std::unique_ptr<SdlBackend> backend = InMemoryWindow(state);
  if (!backend) return;
  const int scale = static_cast<int>(state.range(0));
  SDL_SetWindowSize(backend->Window(), kWidth * scale, kHeight * scale);
  while (backend->WaitForEvent(backend->NowMs(), WaitReason::Idle)) {
  }
  const std::vector<COLORREF> frames[] = {Screen(1), Screen(2)};
  std::size_t next = 0;
  for (auto _ : state) {
    backend->Present(FrameView{kWidth, kHeight, frames[next].data()});
    next ^= 1;
  }
}
BENCHMARK(BM_PresentWholeScreen)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

// A die's worth of change: only that block is compared, copied and shown.
void BM_PresentOneDie(benchmark::State& state) {
  const std::unique_ptr<SdlBackend> backend = InMemoryWindow(state);
  if (!backend) return;
  std::vector<COLORREF> frame = Screen(1);
  backend->Present(FrameView{kWidth, kHeight, frame.data()});
  COLORREF shade = 0;
  for (auto _ : state) {
    ++shade;
    for (int y = 10; y < 44; ++y) {
      for (int x = 10; x < 44; ++x) frame[static_cast<std::size_t>(y * kWidth + x)] = shade;
    }
    backend->Present(FrameView{kWidth, kHeight, frame.data()});
  }
}
BENCHMARK(BM_PresentOneDie)->Unit(benchmark::kMicrosecond);

}  // namespace
