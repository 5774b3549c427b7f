// The window layer's speed: a control's redraw all the way to the screen, and one turn of
// the message pump with nothing to do.
#include <benchmark/benchmark.h>

#include "draw/owner_drawn.h"
#include "platform/core/backend.h"
#include "platform/wnd/window_system.h"

namespace {
// A back end whose clock stands still and that never has input.
class IdleBackend : public Backend {
 public:
  std::uint64_t NowMs() override { return 1000; }
  std::optional<InputEvent> WaitForEvent(std::optional<std::uint64_t>) override { return std::nullopt; }
  void Present(const FrameView&) override { ++presents; }
  void PlayWave(std::u16string_view, std::span<const unsigned char>) override {}
  bool StartHelpViewer(const CString&) override { return true; }
  int presents = 0;
};

void Fill(CDC* dc, const RECT& rect, COLORREF color) {
  CBrush brush(color);
  CPen pen(PS_SOLID, 1, color);
  CBrush* oldBrush = dc->SelectObject(&brush);
  CPen* oldPen = dc->SelectObject(&pen);
  dc->Rectangle(&rect);
  dc->SelectObject(oldPen);
  dc->SelectObject(oldBrush);
}

// A die-sized owner-drawn control: background layer, working layer, a square of content.
class SquareCtrl : public CWnd {
 public:
  SquareCtrl(CWnd* pParent, UINT nID) {
    ReplacePlaceholder(this, pParent, nID, m_rcWindow, m_rcClient);
    m_pBuffer = new COffscreenBuffer(this, 2);
  }
  ~SquareCtrl() override { delete m_pBuffer; }

  void SetSquare(int size) {
    m_nSquare = size;
    RedrawOwnerDrawn(
        this, *m_pBuffer, m_bBackgroundDrawn, 0, 1, [this] { Fill(m_pBuffer->GetLayerDC(0), m_rcClient, RGB(0, 102, 51)); },
        [this](CDC* pLayer) { Fill(pLayer, CRect(2, 2, 2 + m_nSquare, 2 + m_nSquare), RGB(255, 255, 255)); });
  }

 private:
  CRect m_rcWindow;
  CRect m_rcClient;
  COffscreenBuffer* m_pBuffer;
  bool m_bBackgroundDrawn = false;
  int m_nSquare = 0;
};

struct Board {
  Board() {
    SetBackend(&backend);
    top.Create(nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(WORK_AREA), nullptr, 0);
    auto* placeholder = new CWnd;
    placeholder->MakeAutoDelete();
    placeholder->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(195, 26, 230, 62), &top, 1000);
    control = std::make_unique<SquareCtrl>(&top, 1000);
    top.SetTimer(102, 50, nullptr);
    WindowSystem::Get().RefreshScreen();
  }
  ~Board() {
    control.reset();
    top.DestroyWindow();
    SetBackend(nullptr);
  }
  IdleBackend backend;
  CWnd top;
  std::unique_ptr<SquareCtrl> control;
};

void BM_ControlRedrawToScreen(benchmark::State& state) {
  Board board;
  int size = 0;
  for (auto _ : state) {
    board.control->SetSquare(10 + (size++ & 15));
    WindowSystem::Get().RefreshScreen();
  }
  benchmark::DoNotOptimize(board.backend.presents);
}
BENCHMARK(BM_ControlRedrawToScreen);

void BM_IdleMessageLoopTurn(benchmark::State& state) {
  Board board;
  board.control->SetSquare(10);
  WindowSystem& system = WindowSystem::Get();
  system.PumpOnce();
  for (auto _ : state) system.PumpOnce();
  benchmark::DoNotOptimize(board.backend.presents);
}
BENCHMARK(BM_IdleMessageLoopTurn);
}  // namespace
