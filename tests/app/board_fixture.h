#pragma once
// The board on the headless back end: dice scripted face by face, taps and menu commands
// scripted as steps, sounds and message boxes recorded on the virtual clock. A test builds
// its script with the helpers below, then runs the board; checks run inside the script.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "app/board_dlg.h"
#include "persistence/file_bytes.h"
#include "persistence/game_settings.h"
#include "platform/core/random.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "resources/window_resources.h"
#include "support/scoped_temp_folder.h"
#include "support/ui_script.h"

inline bool SamePixels(const Surface& a, const Surface& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    if (!std::equal(a.Row(y), a.Row(y) + a.Width(), b.Row(y))) return false;
  }
  return true;
}

// Each pixel a square of scale by scale, for the README's pictures.
inline Surface Magnified(const Surface& image, int scale) {
  Surface big(image.Width() * scale, image.Height() * scale);
  for (int y = 0; y < big.Height(); ++y) {
    for (int x = 0; x < big.Width(); ++x) big.SetPixel(x, y, image.Pixel(x / scale, y / scale));
  }
  return big;
}

// The sounds played, each with the virtual time it started at.
using SoundTimeline = std::vector<std::pair<std::uint64_t, CString>>;
inline SoundTimeline TimelineOf(const UiScript& backend) {
  SoundTimeline timeline;
  for (const SoundRecord& sound : backend.Sounds()) timeline.emplace_back(sound.timeMs, sound.name);
  return timeline;
}

class BoardTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InstallProgramResources();
    InstallWindowResources();
  }

  BoardTest() {
    m_app.SetDialogBkColor(RGB(0, 153, 51), RGB(255, 255, 255));
    theSettings.SetDefaults();
    theSettings.m_nAudio = 1;
    theSettings.m_nSpeed = 1;
    theSettings.m_nColor = 0;
    // No total reaches the table: the end of a game here opens no dialog.
    for (int& nScore : theSettings.m_nHiScore) nScore = std::numeric_limits<int>::max();
    // The five dice take their first faces as the board starts; those are never seen.
    QueueFaces({1, 1, 1, 1, 1});
    // Dice show the faces queued, in order; a roll with none queued fails the test.
    SetRandomSource([this] {
      if (m_faces.empty()) {
        ADD_FAILURE() << "a die rolled with no face scripted";
        return std::uint32_t{0};
      }
      const int face = m_faces.front();
      m_faces.pop_front();
      return static_cast<std::uint32_t>(face - 1);
    });
  }
  ~BoardTest() override { SetRandomSource({}); }

  void QueueFaces(std::initializer_list<int> faces) { m_faces.insert(m_faces.end(), faces); }

  // A tap on GO, the faces the dice that are not held will show, and time for the roll.
  UiScript& Roll(std::initializer_list<int> faces) {
    QueueFaces(faces);
    return m_ui.TapItem(IDC_GO).Wait(kTick);
  }
  // A tap on a cell and time for the tick that notices it.
  UiScript& Take(int nCellIndex) { return m_ui.TapItem(IDC_CELL_FIRST + nCellIndex).Wait(kTick); }
  UiScript& TapDie(int nDieIndex) { return m_ui.TapItem(IDC_DIE_FIRST + nDieIndex); }
  UiScript& Check(std::function<void()> check) { return m_ui.Check(std::move(check)); }

  int Run() {
    const int result = m_board.DoModal();
    EXPECT_TRUE(m_faces.empty()) << "scripted faces left over";
    return result;
  }

  std::vector<int> DiceShown() const {
    std::vector<int> values;
    values.reserve(kDiceCount);
    for (int i = 0; i < kDiceCount; ++i) values.push_back(m_board.Die(i).GetValue());
    return values;
  }
  int CellValue(int nIndex) const { return m_board.Cell(nIndex).GetValue(); }
  bool CellOffered(int nIndex) const { return m_board.Cell(nIndex).IsOffered(); }
  CString RollsShown() const { return m_board.RollsCounter().GetText(); }
  int OfferedCount() const {
    int count = 0;
    for (int i = 0; i < kScorecardSize; ++i) count += m_board.Cell(i).IsOffered() ? 1 : 0;
    return count;
  }

  // Longer than one tick of the board's timer.
  static constexpr std::uint64_t kTick = 60;

  // Each test's own: a game the board keeps as its script ends is not the next test's.
  ScopedTempFolder m_gameFolder;
  CWinApp m_app;
  UiScript m_ui;
  std::deque<int> m_faces;
  CBoardDlg m_board;
};
