// Timers and Sleep on the back end's one clock, during modal loops.
#include <gtest/gtest.h>

#include "wnd_test_support.h"

namespace {
using Timers = WndTest;

constexpr UINT_PTR TICK = 102;
constexpr int BUTTON = 200;

TEST_F(Timers, TicksComeEveryPeriodOfTheVirtualClock) {
  ScriptedDialog dialog({});
  std::vector<std::uint64_t> ticks;
  dialog.onInit = [&] { dialog.SetTimer(TICK, 50, nullptr); };
  dialog.onTimer = [&](UINT_PTR id) {
    EXPECT_EQ(id, TICK);
    ticks.push_back(m_ui.NowMs());
  };
  const std::uint64_t start = m_ui.NowMs();
  m_ui.Wait(260);
  dialog.DoModal();
  ASSERT_EQ(ticks.size(), 5u);
  for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_EQ(ticks[i], start + 50 * (i + 1));
}

TEST_F(Timers, ATickThatStopsItsTimerAndSleepsHoldsBackTheNextTick) {
  ScriptedDialog dialog({});
  std::vector<std::uint64_t> ticks;
  dialog.onInit = [&] { dialog.SetTimer(TICK, 50, nullptr); };
  dialog.onTimer = [&](UINT_PTR) {
    dialog.KillTimer(TICK);
    ticks.push_back(m_ui.NowMs());
    if (ticks.size() == 1) Sleep(1250);
    dialog.SetTimer(TICK, 50, nullptr);
  };
  const std::uint64_t start = m_ui.NowMs();
  m_ui.Wait(1400);
  dialog.DoModal();
  ASSERT_GE(ticks.size(), 2u);
  EXPECT_EQ(ticks[0], start + 50);
  EXPECT_EQ(ticks[1], start + 50 + 1250 + 50);
}

TEST_F(Timers, TheOuterDialogsTimerRunsDuringAnInnerModalLoopUnlessItStoppedIt) {
  ScriptedDialog dialog({ButtonItem(BUTTON, u"Ask", 10, 10)});
  int ticks = 0;
  int ticksDuringBox = -1;
  bool stopWhileAsking = false;
  dialog.onInit = [&] { dialog.SetTimer(TICK, 50, nullptr); };
  dialog.onTimer = [&](UINT_PTR) { ++ticks; };
  dialog.onCommand = [&](UINT) {
    if (stopWhileAsking) dialog.KillTimer(TICK);
    const int before = ticks;
    MessageBoxW(nullptr, u"Exit?", u"Exit", MB_YESNO | MB_ICONQUESTION);
    ticksDuringBox = ticks - before;
    if (stopWhileAsking) dialog.SetTimer(TICK, 50, nullptr);
  };
  m_ui.TapItem(BUTTON).Wait(500).Answer(u"No");
  dialog.DoModal();
  EXPECT_EQ(ticksDuringBox, 10);

  stopWhileAsking = true;
  m_ui.StartNextRun();
  m_ui.TapItem(BUTTON).Wait(500).Answer(u"No").Wait(120);
  ticks = 0;
  dialog.DoModal();
  EXPECT_EQ(ticksDuringBox, 0);
  EXPECT_EQ(ticks, 2);
}

TEST_F(Timers, InputDuringASleepIsHandledAfterwardsInOrder) {
  ScriptedDialog dialog({ButtonItem(BUTTON, u"One", 10, 10), ButtonItem(BUTTON + 1, u"Two", 60, 10)});
  std::vector<std::pair<UINT, std::uint64_t>> handled;
  bool slept = false;
  dialog.onInit = [&] { dialog.SetTimer(TICK, 50, nullptr); };
  dialog.onTimer = [&](UINT_PTR) {
    if (slept) return;
    slept = true;
    Sleep(1000);
  };
  dialog.onCommand = [&](UINT id) { handled.push_back({id, m_ui.NowMs()}); };
  const std::uint64_t start = m_ui.NowMs();
  // Button centres: "One" at (45, 53), "Two" at (120, 53) on the screen.
  m_ui.At(start + 300).Tap(POINT{45, 53}).At(start + 600).Tap(POINT{120, 53}).Wait(100);
  dialog.DoModal();
  ASSERT_EQ(handled.size(), 2u);
  EXPECT_EQ(handled[0].first, static_cast<UINT>(BUTTON));
  EXPECT_EQ(handled[1].first, static_cast<UINT>(BUTTON + 1));
  EXPECT_EQ(handled[0].second, start + 50 + 1000);
}

TEST_F(Timers, SleepPutsWhatWasDrawnOnTheScreenFirst) {
  ScriptedDialog dialog({});
  COLORREF duringSleep = 0;
  dialog.onInit = [&] { dialog.SetTimer(TICK, 50, nullptr); };
  dialog.onTimer = [&](UINT_PTR) {
    dialog.KillTimer(TICK);
    CDC* dc = dialog.GetDC();
    dc->SetPixel(5, 5, RGB(255, 0, 0));
    dialog.ReleaseDC(dc);
    Sleep(500);
  };
  const std::uint64_t start = m_ui.NowMs();
  m_ui.At(start + 300).Check([&] { duringSleep = m_ui.PresentedPixel(5, 26 + 5); });
  dialog.DoModal();
  EXPECT_EQ(duringSleep, RGB(255, 0, 0));
}
}  // namespace
