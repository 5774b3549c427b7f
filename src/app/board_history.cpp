// The history file on the board: a finished game is appended as its thirteenth category is
// taken, costed against best play, whose table a game under way works out a slice per tick
// (board_coach.cpp).
#include <algorithm>
#include <cerrno>
#include <ctime>

#include "app/board_dlg.h"
#include "history/games_file.h"
#include "persistence/data_file.h"
#include "persistence/file_access.h"
#include "platform/core/message_box.h"
#include "platform/core/text.h"
#include "platform/wnd/shell.h"
#include "platform/wnd/window_host.h"
#include "resources/resource_ids.h"

namespace {

constexpr char16_t kReadFailure[] = u"Error reading data from disk:\n";
constexpr char16_t kNotRecorded[] =
    u"Error exporting data to disk:\nThis game's moves could not be played back, so Tumbla-games.csv does not "
    u"record it.";

}  // namespace

void CBoardDlg::StartTableForHistory() {
  if (!m_pCoachTable && m_lastRoll) m_pCoachTable = std::make_unique<CCoachTable>();
}

void CBoardDlg::RecordFinishedGame() {
  if (!m_pCoachTable) m_pCoachTable = std::make_unique<CCoachTable>();
  // What the slices have not done yet: only a game played faster than the table.
  m_pCoachTable->SolveAll();
  const std::optional<GameRecord> record = RecordGame(*m_pCoachTable, m_played, std::time(nullptr));
  if (!record) {
    AfxMessageBox(kNotRecorded, MB_OK);
    return;
  }
  const std::string path = GamesFilePath();
  if (!CDataFile::AtPath(path).MakeFolders(true)) return;
  if (const int error = AppendGameLine(path, *record)) {
    AfxMessageBox(kWriteFailurePrefix + PathForShowing(path) + u"\n" + FromUtf8(SystemErrorText(error)), MB_OK);
  }
}

std::optional<StatisticsShown> CBoardDlg::ReadStatistics() {
  const std::string path = GamesFilePath();
  const GamesRead read = ReadGames(path);
  if (read.error != 0 && read.error != ENOENT) {
    AfxMessageBox(kReadFailure + PathForShowing(path) + u"\n" + FromUtf8(SystemErrorText(read.error)), MB_OK);
    return std::nullopt;
  }
  if (!m_bestPlayAverages) {
    if (!m_pCoachTable) m_pCoachTable = std::make_unique<CCoachTable>();
    m_pCoachTable->SolveAll();
    m_bestPlayAverages = BestPlayAverages(*m_pCoachTable);
  }
  StatisticsShown shown{ComputeStatistics(read.games), {}, m_pCoachTable.get(), *m_bestPlayAverages, read.badLines,
                        PathForShowing(path),          {}};
  const std::size_t listed = std::min(read.games.size(), kLastGamesListed);
  shown.lastGames.assign(read.games.rbegin(), read.games.rbegin() + static_cast<std::ptrdiff_t>(listed));
  if (read.error != ENOENT && CanOfferFileToPlayer()) shown.offeredFile = FromUtf8(path);
  return shown;
}

void CBoardDlg::OnStatistics() {
  if (m_pStatisticsPanel) {
    m_pStatisticsPanel.reset();
    FitScreenToPanels();
    return;
  }
  std::optional<StatisticsShown> shown = ReadStatistics();
  if (!shown) return;
  m_pStatisticsPanel = std::make_unique<CStatisticsPanel>(this, ID_RESET_STATISTICS, std::move(*shown));
  FitScreenToPanels();
}

void CBoardDlg::OnResetStatistics() {
  if (MessageBoxW(nullptr, u"Are you sure that you wish to reset the statistics?", u"Reset statistics?",
                  MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return;
  }
  const std::string path = GamesFilePath();
  if (const int error = ResetGames(path)) {
    AfxMessageBox(kWriteFailurePrefix + PathForShowing(path) + u"\n" + FromUtf8(SystemErrorText(error)), MB_OK);
  }
  if (std::optional<StatisticsShown> shown = ReadStatistics(); shown && m_pStatisticsPanel) {
    m_pStatisticsPanel->SetShown(std::move(*shown));
  }
}
