// The history file on the board: a finished game is appended as its thirteenth category is
// taken, costed against best play, whose table a game under way works out a slice per tick
// (board_coach.cpp).
#include <ctime>
#include <system_error>

#include "app/board_dlg.h"
#include "history/games_file.h"
#include "persistence/data_file.h"
#include "platform/core/message_box.h"
#include "platform/core/text.h"

namespace {

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
    AfxMessageBox(kWriteFailurePrefix + PathForShowing(path) + u"\n" + FromUtf8(std::system_category().message(error)),
                  MB_OK);
  }
}
