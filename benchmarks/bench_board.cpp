// The board on the headless back end, at the fast dice speed: a tap on GO through the
// tick's roll to the offers composed on the screen, and whole games of thirteen turns.
// The timer's ticks are sent by hand so that no virtual time passes in between.
#include <limits>

#include <benchmark/benchmark.h>

#include "app/board_dlg.h"
#include "persistence/game_settings.h"
#include "platform/headless/headless_backend.h"
#include "platform/wnd/program_run.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "resources/window_resources.h"

namespace {

// Installed before the board is made: its constructor finds its template by id.
struct InstalledResources {
  InstalledResources() {
    InstallProgramResources();
    InstallWindowResources();
  }
};

class BenchBoard : private InstalledResources {
 public:
  BenchBoard() {
    theSettings.SetDefaults();
    theSettings.m_nAudio = 1;
    theSettings.m_nSpeed = 1;
    // No total reaches the table, so that a finished game opens no dialog.
    for (int& nScore : theSettings.m_nHiScore) nScore = std::numeric_limits<int>::max();
  }

  // Runs the work inside the board's modal loop, once the board is up.
  template <class Work>
  void Run(Work work) {
    m_backend.Check([this, work] { work(*this); });
    m_board.DoModal();
  }

  void Tap(int controlId) {
    RECT rect;
    m_board.GetDlgItem(controlId)->GetWindowRect(&rect);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    InputEvent event{};
    event.point = centre;
    event.kind = InputEvent::Kind::PenDown;
    m_run.Windows().DispatchInput(event);
    event.kind = InputEvent::Kind::PenUp;
    m_run.Windows().DispatchInput(event);
  }

  void Tick() {
    m_board.SendMessage(WM_TIMER, ID_BOARD_TIMER);
    m_run.Windows().RefreshScreen();
  }

  void NewGame() {
    m_board.SendMessage(WM_COMMAND, MAKEWPARAM(ID_NEW_GAME, BN_CLICKED));
    Tick();
  }

  int FirstOfferedCategory() const {
    for (int i = 0; i < kCategoryCount; ++i) {
      if (m_board.Cell(i).IsOffered()) return i;
    }
    return -1;
  }

  CBoardDlg& Board() { return m_board; }

 private:
  HeadlessBackend m_backend;
  ProgramRun m_run{m_backend};
  CBoardDlg m_board;
};

void BM_FastRollFromGoToOffersOnScreen(benchmark::State& state) {
  BenchBoard bench;
  bench.Run([&state](BenchBoard& board) {
    for (auto _ : state) {
      if (board.Board().RollsLeft() == 0) {
        state.PauseTiming();
        board.NewGame();
        state.ResumeTiming();
      }
      board.Tap(IDC_GO);
      board.Tick();
    }
  });
}
BENCHMARK(BM_FastRollFromGoToOffersOnScreen)->Unit(benchmark::kMicrosecond);

void BM_WholeGameOfThirteenTurns(benchmark::State& state) {
  BenchBoard bench;
  bench.Run([&state](BenchBoard& board) {
    for (auto _ : state) {
      board.NewGame();
      for (int turn = 0; turn < kCategoryCount; ++turn) {
        board.Tap(IDC_GO);
        board.Tick();
        board.Tap(IDC_CELL_FIRST + board.FirstOfferedCategory());
        board.Tick();
      }
      benchmark::DoNotOptimize(board.Board().Cell(kTotalIndex).GetValue());
    }
  });
}
BENCHMARK(BM_WholeGameOfThirteenTurns)->Unit(benchmark::kMillisecond);

}  // namespace
