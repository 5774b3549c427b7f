#include "persistence/game_in_progress.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "persistence/data_file.h"
#include "persistence/file_access.h"
#include "persistence/settings_location.h"
#include "platform/core/message_box.h"

namespace {

// Version 2 added the moves.
constexpr std::string_view kVersionLine = "Tumbla game in progress 2";
constexpr std::string_view kMovesName = "moves";
// Far above any score or total a game can reach; only numbers that the board can show
// are taken back.
constexpr int kLargestNumber = 99999;

constexpr char16_t kUnusable[] =
    u"Tumbla-resume.txt holds no game that can go on, so a new game starts. The file is left as it was.";
constexpr char16_t kNotRemoved[] = u" could not be removed, so the next start may resume a game that has ended.";

void AppendLine(std::string& text, std::string_view name, int number, std::initializer_list<const char*> flags) {
  text += name;
  text += ' ';
  text += std::to_string(number);
  for (const char* flag : flags) {
    if (*flag == '\0') continue;
    text += ' ';
    text += flag;
  }
  text += '\n';
}

const char* Flag(bool bSet, const char* name) { return bSet ? name : ""; }

// One line: its name, one number and words from a known set, each at most once.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : m_text(text) {}

  bool Next(std::string_view name, int lowest, int highest, int& number) {
    const std::size_t end = m_text.find('\n');
    if (end == std::string_view::npos) return false;
    std::string_view line = m_text.substr(0, end);
    m_text.remove_prefix(end + 1);
    m_words.clear();
    while (!line.empty()) {
      const std::size_t space = line.find(' ');
      m_words.push_back(line.substr(0, space));
      line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    }
    if (m_words.size() < 2 || m_words[0] != name) return false;
    const std::string_view digits = m_words[1];
    const auto [rest, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && rest == digits.data() + digits.size() && number >= lowest && number <= highest;
  }

  // The words after the number all named here, none twice.
  bool OnlyFlags(std::initializer_list<std::string_view> known) const {
    for (std::size_t i = 2; i < m_words.size(); ++i) {
      bool bKnown = false;
      for (std::string_view flag : known) bKnown = bKnown || m_words[i] == flag;
      for (std::size_t j = 2; j < i; ++j) bKnown = bKnown && m_words[j] != m_words[i];
      if (!bKnown) return false;
    }
    return true;
  }
  bool Has(std::string_view flag) const {
    for (std::size_t i = 2; i < m_words.size(); ++i) {
      if (m_words[i] == flag) return true;
    }
    return false;
  }
  // A line of the name and its text after one space, or the name alone for no text.
  bool NextText(std::string_view name, std::string& text) {
    const std::size_t end = m_text.find('\n');
    if (end == std::string_view::npos) return false;
    const std::string_view line = m_text.substr(0, end);
    m_text.remove_prefix(end + 1);
    if (!line.starts_with(name)) return false;
    const std::string_view rest = line.substr(name.size());
    if (!rest.empty() && (rest.size() == 1 || rest[0] != ' ')) return false;
    text = rest.empty() ? std::string() : std::string(rest.substr(1));
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
  }
  bool AtEnd() const { return m_text.empty(); }

 private:
  std::string_view m_text;
  std::vector<std::string_view> m_words;
};

}  // namespace

std::string FormatGameInProgress(const GameInProgress& game) {
  std::string text(kVersionLine);
  text += '\n';
  AppendLine(text, "rolls", game.rollsLeft, {});
  AppendLine(text, "offers", game.offers, {});
  AppendLine(text, "extras", game.extras, {});
  AppendLine(text, "extra-pending", game.extraPending ? 1 : 0, {});
  for (const KeptDie& die : game.dice) {
    AppendLine(text, "die", die.value,
               {Flag(die.held, "held"), Flag(!die.holdable, "fixed"), Flag(die.blank, "blank")});
  }
  for (const KeptCell& cell : game.cells) {
    AppendLine(text, "cell", cell.value, {Flag(cell.offered, "offered"), Flag(cell.filled, "filled")});
  }
  text += kMovesName;
  if (!game.moves.empty()) text += ' ' + game.moves;
  text += '\n';
  return text;
}

std::optional<GameInProgress> ParseGameInProgress(std::string_view text) {
  if (!text.starts_with(kVersionLine) || text.substr(kVersionLine.size(), 1) != "\n") return std::nullopt;
  LineReader lines(text.substr(kVersionLine.size() + 1));
  GameInProgress game;
  int pending = 0;
  if (!lines.Next("rolls", 0, 3, game.rollsLeft) || !lines.OnlyFlags({}) ||
      !lines.Next("offers", 0, kKeptCells, game.offers) || !lines.OnlyFlags({}) ||
      !lines.Next("extras", 0, kLargestNumber, game.extras) || !lines.OnlyFlags({}) ||
      !lines.Next("extra-pending", 0, 1, pending) || !lines.OnlyFlags({})) {
    return std::nullopt;
  }
  game.extraPending = pending == 1;
  for (KeptDie& die : game.dice) {
    if (!lines.Next("die", 1, 6, die.value) || !lines.OnlyFlags({"held", "fixed", "blank"})) return std::nullopt;
    die.held = lines.Has("held");
    die.holdable = !lines.Has("fixed");
    die.blank = lines.Has("blank");
    // A roll blanks only the dice not held.
    if (die.held && die.blank) return std::nullopt;
  }
  for (KeptCell& cell : game.cells) {
    if (!lines.Next("cell", -1, kLargestNumber, cell.value) || !lines.OnlyFlags({"offered", "filled"})) {
      return std::nullopt;
    }
    cell.offered = lines.Has("offered");
    cell.filled = lines.Has("filled");
  }
  if (!lines.NextText(kMovesName, game.moves) || !lines.AtEnd()) return std::nullopt;
  return game;
}

std::string GameInProgressPath() { return BesideSettingsFile(kResumeFileName); }

bool KeepGameInProgress(const GameInProgress& game) {
  const CDataFile file = CDataFile::AtPath(GameInProgressPath());
  if (!file.MakeFolders(true)) return false;
  const std::string text = FormatGameInProgress(game);
  return file.WriteText(CString(text.begin(), text.end()), true) != 0;
}

std::optional<GameInProgress> LoadGameInProgress() {
  const CDataFile file = CDataFile::AtPath(GameInProgressPath());
  file.RemoveLeftovers();
  if (file.IsAbsent()) return std::nullopt;
  std::vector<BYTE> bytes;
  std::optional<GameInProgress> game;
  if (file.ReadBytes(bytes, false) != 0) {
    game = ParseGameInProgress(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }
  if (!game) AfxMessageBox(kUnusable, MB_OK);
  return game;
}

void ForgetGameInProgress() {
  const std::string path = GameInProgressPath();
  const CDataFile file = CDataFile::AtPath(path);
  if (file.IsAbsent()) return;
  // A removal is on disk once the folder is flushed: a crash then cannot bring the ended game
  // back, and in the browser the folder reaches the page's storage.
  if (!file.Delete() || !FlushFolderOf(path))
    AfxMessageBox(kWriteFailurePrefix + PathForShowing(path) + kNotRemoved, MB_OK);
}
