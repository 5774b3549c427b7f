// A monkey on the whole program: random taps and keys on the board, its menu, its dialogs,
// message boxes and the soft keyboard, with the game's state checked after every event.
// TUMBLA_SOAK_EVENTS sets the number of events (a short run by default), TUMBLA_SOAK_SEED
// replays a run. A long run reports the memory it holds and fails when that keeps growing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <tuple>

#include "app/board_dlg.h"
#include "dialogs/hi_scores_dlg.h"
#include "persistence/data_file.h"
#include "persistence/game_settings.h"
#include "platform/core/random.h"
#include "platform/core/text.h"
#include "platform/wnd/screen_chrome.h"
#include "platform/wnd/window_system.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "resources/window_resources.h"
#include "support/ui_script.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
// The sanitizers make each event about ten times dearer; the short run stays short.
constexpr std::uint64_t kShortRunEvents = 5000;
#else
constexpr std::uint64_t kShortRunEvents = 20000;
#endif
constexpr std::uint64_t kMemoryReportEvery = 100000;
// Allocator slack; a leak of even a few bytes per event passes it within a million events.
constexpr long kMemoryGrowthMarginKb = 4096;
constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

std::uint64_t EnvironmentNumber(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string word;
  long kb = -1;
  while (status >> word) {
    if (word == "VmRSS:" && status >> kb) break;
  }
  return kb;
}

// The options and the table as one line of text, to compare and to show.
std::string Describe(const CGameSettings& settings) {
  std::string text = std::to_string(settings.m_nAudio) + "/" + std::to_string(settings.m_nColor) + "/" +
                     std::to_string(settings.m_nSpeed);
  for (int i = 0; i < kHiScoreCount; ++i) {
    text += " [" + ToUtf8(settings.m_strHiName[i]) + "] " + std::to_string(settings.m_nHiScore[i]);
  }
  return text;
}

// Changes whenever the file is replaced: a save writes a new file and renames it over the old.
using FileStamp = std::tuple<ino_t, std::int64_t, std::int64_t, off_t>;
FileStamp StampOf(const CString& path) {
  struct stat info {};
  if (stat(ToUtf8(path).c_str(), &info) != 0) return {};
  return {info.st_ino, info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_size};
}

// Five of a kind with TUMBLA scored 50: the roll that shows it offers the extra too.
bool ExtraOnTable(const CBoardDlg& board) {
  const CScoreCell& tumbla = board.Cell(CellIndex(Category::Tumbla));
  const int nFace = board.Die(0).GetValue();
  bool bAllAlike = true;
  for (int i = 1; i < kDiceCount; ++i) bAllAlike = bAllAlike && board.Die(i).GetValue() == nFace;
  return bAllAlike && nFace >= 1 && nFace <= 6 && tumbla.IsFilled() && tumbla.GetScore() == 50;
}

struct WeightedKey {
  int weight;
  UINT key;
  UINT modifiers;
};

// Keys as a keyboard gives them. Escape closes the board at once and the Ctrl keys start
// over or leave, so they stay rare enough for games to end.
constexpr WeightedKey kKeys[] = {
    {60, VK_RETURN, 0},
    {1, VK_ESCAPE, 0},
    {40, VK_SPACE, 0},
    {30, 'G', 0},
    {50, '1', 0},
    {30, '0', 0},
    {50, 'A', 0},
    {40, VK_RIGHT, 0},
    {20, VK_LEFT, 0},
    {20, VK_DOWN, 0},
    {20, VK_UP, 0},
    {20, VK_TAB, 0},
    {15, VK_MENU, 0},
    {5, VK_F1, 0},
    {15, VK_BACK, 0},
    {1, 'N', MOD_CONTROL_DOWN},
    {1, 'Q', MOD_CONTROL_DOWN},
};

struct WeightedItem {
  int weight;
  const char16_t* text;
};

constexpr WeightedItem kMenuItems[] = {
    {1, u"New Game"},    {6, u"Show Hi Scores"}, {6, u"Reset Hi Scores"}, {6, u"Game Options"}, {4, u"About Tumbla"},
    {3, u"Intructions"}, {2, u"Exit"},
};

// Typed text, including characters the settings file cannot keep.
constexpr char16_t kTypedCharacters[] = u"abcxyzABZ019 .-,<>/\u00E9\u00FF\u20AC";

class Monkey {
 public:
  Monkey(std::uint64_t seed, std::uint64_t events) : m_random(seed), m_nEventsWanted(events) {
    m_app.SetDialogBkColor(RGB(0, 153, 51), RGB(255, 255, 255));
    SetRandomSource([this] { return static_cast<std::uint32_t>(m_random()); });
  }
  ~Monkey() { SetRandomSource({}); }

  // Starts the program again each time the monkey ends it, until the events are spent.
  void Run() {
    ReportMemory();
    m_settingsStamp = StampOf(SettingsPath());
    m_ui.Check([this] { Next(); });
    while (!Finished()) {
      CBoardDlg board;
      m_pBoard = &board;
      board.DoModal();
      m_pBoard = nullptr;
      // As the program ends, theSettings writes its file; the check reads it as the next
      // program's settings do.
      theSettings.Save();
      CheckSettingsFile();
    }
    ReportMemory();
  }

 private:
  bool Finished() const { return m_nEvents >= m_nEventsWanted || ::testing::Test::HasFailure(); }
  int Below(int bound) { return static_cast<int>(m_random() % static_cast<std::uint64_t>(bound)); }
  static CString SettingsPath() { return CDataFile(kSettingsFileName).GetPath(); }

  // One step of the chain the script is made of: check what the last event left, then
  // queue the next event, a pause and the next step.
  void Next() {
    CheckInvariants();
    m_ui.ClearRecords();
    if (Finished()) return;
    QueueEvent();
    ++m_nEvents;
    if (m_nEvents % kMemoryReportEvery == 0) ReportMemory();
    m_ui.Wait(Pause()).Check([this] { Next(); });
  }

  // Mostly short, so that several events fall between two ticks; sometimes long enough for
  // a roll at the slower speed.
  std::uint64_t Pause() {
    const int roll = Below(100);
    if (roll < 45) return 0;
    if (roll < 80) return 1 + static_cast<std::uint64_t>(Below(120));
    if (roll < 95) return 150 + static_cast<std::uint64_t>(Below(450));
    return 1300;
  }

  void QueueEvent() {
    ScreenChrome& chrome = ScreenChrome::Current();
    chrome.Follow();
    const int roll = Below(100);
    if (chrome.PopupIsOpen() && roll < 60) {
      TapInside(chrome.PopupItemRect(PickWeighted(kMenuItems).text));
    } else if (roll < 45) {
      TapControl();
    } else if (roll < 48) {
      TapInside(chrome.MenuButtonRect(u"Menu"));
    } else if (roll < 73) {
      const POINT down{Below(kScreenWidth), Below(kScreenHeight)};
      const POINT up = Below(8) == 0 ? POINT{Below(kScreenWidth), Below(kScreenHeight)} : down;
      m_ui.PenDown(down).PenUp(up);
    } else if (roll < 90) {
      const WeightedKey& key = PickWeighted(kKeys);
      // Letters and digits stand for their whole row of the keyboard.
      const UINT offset = key.key == 'A'   ? static_cast<UINT>(Below(26))
                          : key.key == '1' ? static_cast<UINT>(Below(5))
                                           : 0;
      m_ui.Key(key.key + offset, key.modifiers);
    } else {
      m_ui.Type(CString(1, kTypedCharacters[Below(static_cast<int>(std::size(kTypedCharacters)) - 1)]));
    }
  }

  template <class TItem, std::size_t N>
  const TItem& PickWeighted(const TItem (&items)[N]) {
    int total = 0;
    for (const TItem& item : items) total += item.weight;
    int pick = Below(total);
    for (const TItem& item : items) {
      if (pick < item.weight) return item;
      pick -= item.weight;
    }
    return items[0];
  }

  // A control of the dialog in front: dice, GO and cells on the board, buttons elsewhere.
  void TapControl() {
    CDialog* dialog = ActiveDialog();
    if (dialog == m_pBoard && Below(2) == 0) return TapBestOffer();
    std::vector<CWnd*> shown;
    for (CWnd* child : dialog->Children()) {
      if (child->IsWindowVisible()) shown.push_back(child);
    }
    if (shown.empty()) return TapInside(std::nullopt);
    CRect rect;
    shown[static_cast<std::size_t>(Below(static_cast<int>(shown.size())))]->GetWindowRect(&rect);
    TapInside(rect);
  }

  // Play that scores: the offer worth most, or GO when there is none.
  void TapBestOffer() {
    int nBest = -1;
    for (int i = 0; i <= kBonusIndex; ++i) {
      const CScoreCell& cell = m_pBoard->Cell(i);
      if (cell.IsOffered() && (nBest < 0 || cell.GetValue() > m_pBoard->Cell(nBest).GetValue())) nBest = i;
    }
    m_ui.TapItem(nBest < 0 ? IDC_GO : IDC_CELL_FIRST + nBest);
  }

  void TapInside(const std::optional<CRect>& rect) {
    const bool bAnywhere = !rect || rect->IsRectEmpty();
    m_ui.Tap(bAnywhere ? POINT{Below(kScreenWidth), Below(kScreenHeight)}
                       : POINT{rect->left + Below(rect->Width()), rect->top + Below(rect->Height())});
  }

  void CheckInvariants() {
    if (m_pBoard == nullptr) return;
    const CBoardDlg& board = *m_pBoard;
    const TurnScoring& scoring = board.Scoring();
    int nOffered = 0;
    int nFilled = 0;
    int nFilledSum = 0;
    for (int i = 0; i <= kBonusIndex; ++i) {
      nOffered += board.Cell(i).IsOffered() ? 1 : 0;
      if (i >= kCategoryCount || !board.Cell(i).IsFilled()) continue;
      ++nFilled;
      nFilledSum += board.Cell(i).GetScore();
    }
    EXPECT_LE(nOffered, scoring.m_nOffers) << "event " << m_nEvents;
    if (board.RollsLeft() < m_nRollsLeftBefore) {
      EXPECT_EQ(nOffered, scoring.m_nOffers) << "offers after the roll before event " << m_nEvents;
    }
    m_nRollsLeftBefore = board.RollsLeft();
    // One tap is the turn's whole choice: between a roll's offers and their commit at most
    // one category fills, or the extra is taken instead.
    if (scoring.m_nOffers > 0) {
      EXPECT_LE(nFilled + scoring.m_nOffers, kCategoryCount + 1 + (ExtraOnTable(board) ? 1 : 0))
          << "offers taken in one turn, event " << m_nEvents;
    }
    // With no offer taken and waiting for its commit, TOTAL is what the commits settled.
    if (nOffered == scoring.m_nOffers) {
      const int nTotal = board.Cell(kTotalIndex).GetValue();
      if (nTotal < 0) {
        EXPECT_EQ(nFilled + scoring.m_nBonusTotal, 0) << "TOTAL blank with scores filled, event " << m_nEvents;
      } else {
        EXPECT_EQ(nTotal, nFilledSum + scoring.m_nBonusTotal) << "TOTAL, event " << m_nEvents;
      }
    }
    for (int i = 0; i + 1 < kHiScoreCount; ++i) {
      EXPECT_GE(theSettings.m_nHiScore[i], theSettings.m_nHiScore[i + 1]) << "table order, event " << m_nEvents;
    }
    // Hi Scores shows the table as it was when it opened; a game that ends behind it (its
    // last take queued before the dialog) shows the new table in a dialog of its own.
    const auto* shown = dynamic_cast<const CHiScoresDlg*>(ActiveDialog());
    if (shown != nullptr && !m_bHiScoresBefore) {
      for (int i = 0; i < kHiScoreCount; ++i) {
        EXPECT_EQ(shown->Row(i)->GetText(), HiScoreRowText(theSettings.m_strHiName[i], theSettings.m_nHiScore[i]));
      }
    }
    m_bHiScoresBefore = shown != nullptr;
    CheckSettingsFile();
  }

  // After a save the file loads, through the settings' own Load, to what was in memory.
  void CheckSettingsFile() {
    const FileStamp stamp = StampOf(SettingsPath());
    if (stamp == m_settingsStamp) return;
    m_settingsStamp = stamp;
    const std::string inMemory = Describe(theSettings);
    theSettings.Load();
    EXPECT_EQ(Describe(theSettings), inMemory)
        << "the file as loaded, and memory, after the save before event " << m_nEvents;
  }

  // The first stretch of events is the warm-up; from then on the memory stays flat.
  void ReportMemory() {
    if (m_nEventsWanted < kMemoryReportEvery) return;
    const long nRssKb = ResidentKb();
    std::printf("soak: %llu events, VmRSS %ld kB\n", static_cast<unsigned long long>(m_nEvents), nRssKb);
    std::fflush(stdout);
    if (m_nEvents == kMemoryReportEvery) m_nWarmRssKb = nRssKb;
    if (m_nWarmRssKb > 0) {
      EXPECT_LE(nRssKb - m_nWarmRssKb, kMemoryGrowthMarginKb) << "memory grows after warm-up";
    }
  }

  std::mt19937_64 m_random;
  const std::uint64_t m_nEventsWanted;
  CWinApp m_app;
  UiScript m_ui;
  CBoardDlg* m_pBoard = nullptr;
  FileStamp m_settingsStamp{};
  // What the previous check saw.
  int m_nRollsLeftBefore = 0;
  bool m_bHiScoresBefore = false;
  std::uint64_t m_nEvents = 0;
  long m_nWarmRssKb = 0;
};

}  // namespace

TEST(MonkeySoak, RandomTapsAndKeysKeepTheGameWhole) {
  InstallProgramResources();
  InstallWindowResources();
  const std::uint64_t seed = EnvironmentNumber("TUMBLA_SOAK_SEED", std::random_device{}());
  const std::uint64_t events = EnvironmentNumber("TUMBLA_SOAK_EVENTS", kShortRunEvents);
  // Printed first, so that a crash can be replayed too.
  std::printf("soak: seed %llu (replay with TUMBLA_SOAK_SEED=%llu)\n", static_cast<unsigned long long>(seed),
              static_cast<unsigned long long>(seed));
  std::fflush(stdout);
  SCOPED_TRACE("replay with TUMBLA_SOAK_SEED=" + std::to_string(seed));
  Monkey monkey(seed, events);
  monkey.Run();
}
