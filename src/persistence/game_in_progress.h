#pragma once
// The game in progress, kept for the next start when the program may end without the
// player choosing it (a signal, the display lost, the page hidden): the card, the dice and
// the turn, exactly as the board shows them. It lives in "Tumbla-resume.txt" in the
// settings file's folder, never in the settings file, as a version line, a few lines of
// numbers and the moves, and goes when that game ends.
#include <array>
#include <optional>
#include <string>
#include <string_view>

constexpr char16_t kResumeFileName[] = u"Tumbla-resume.txt";
// The board's fifteen score cells (thirteen categories, Bonus, TOTAL) and five dice.
constexpr int kKeptCells = 15;
constexpr int kKeptDice = 5;

struct KeptCell {
  int value = -1;  // -1: no value, "-"
  bool offered = false;
  bool filled = false;
  bool operator==(const KeptCell&) const = default;
};

struct KeptDie {
  int value = 1;  // 1 to 6
  bool held = false;
  bool holdable = true;
  bool blank = false;  // never while held
  bool operator==(const KeptDie&) const = default;
};

struct GameInProgress {
  int rollsLeft = 3;
  // The turn's scoring state: offers made by the last roll, the extras collected, and
  // whether the extra is on offer or taken and waiting for the commit.
  int offers = 0;
  int extras = 0;
  bool extraPending = false;
  std::array<KeptDie, kKeptDice> dice{};
  std::array<KeptCell, kKeptCells> cells{};
  // The game's moves so far, as the history file writes them, so that a game resumed is
  // recorded whole when it ends; printable ASCII on one line.
  std::string moves;
  bool operator==(const GameInProgress&) const = default;
};

// The file's text, and back: nothing unless the text is a whole file of this version with
// every number in its range.
std::string FormatGameInProgress(const GameInProgress& game);
std::optional<GameInProgress> ParseGameInProgress(std::string_view text);

// Where the file is: beside the settings file that saves replace.
std::string GameInProgressPath();
// Replaces the file as the settings file is replaced; a failure is shown, and false.
bool KeepGameInProgress(const GameInProgress& game);
// The game kept, nothing when none is. A file that cannot be read or holds no whole game
// is reported by its name and left as it is: a new game starts, and nothing else is lost.
// What saves that were killed left beside it goes first.
std::optional<GameInProgress> LoadGameInProgress();
// Removes the file, when there is one; a failure to is shown.
void ForgetGameInProgress();
