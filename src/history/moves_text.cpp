#include "history/moves_text.h"

#include <algorithm>

#include "coach/choice_text.h"

namespace {

constexpr char kTurnEnd = ';';
constexpr char kHoldMark = 'h';
constexpr std::string_view kTakeMark = "t:";

void AppendDice(std::string& text, const DiceValues& dice) {
  for (int value : dice) text += static_cast<char>('0' + value);
}

void AppendChoice(std::string& text, const Choice& choice) {
  switch (choice.kind) {
    case ChoiceKind::Hold:
      text += kHoldMark;
      for (std::size_t face = 0; face < choice.held.size(); ++face) {
        text.append(choice.held[face], static_cast<char>('1' + face));
      }
      return;
    case ChoiceKind::Take:
      text += kTakeMark;
      text += CategoryLabel(choice.category);
      return;
    case ChoiceKind::Extra:
      text += kTakeMark;
      text += kBonusLabel;
      return;
    case ChoiceKind::Roll: return;
  }
}

bool IsTake(const Choice& choice) { return choice.kind == ChoiceKind::Take || choice.kind == ChoiceKind::Extra; }

std::optional<DiceValues> ReadRoll(std::string_view word) {
  DiceValues dice{};
  if (word.size() != dice.size()) return std::nullopt;
  for (std::size_t i = 0; i < dice.size(); ++i) {
    if (word[i] < '1' || word[i] > '6') return std::nullopt;
    dice[i] = word[i] - '0';
  }
  return dice;
}

// The held values ascending, each one the roll showed.
std::optional<FaceCounts> ReadHold(std::string_view digits, const DiceValues& dice) {
  FaceCounts held{};
  const FaceCounts shown = CountFaces(dice);
  char previous = '1';
  for (char digit : digits) {
    if (digit < previous || digit > '6') return std::nullopt;
    previous = digit;
    const auto face = static_cast<std::size_t>(digit - '1');
    if (++held[face] > shown[face]) return std::nullopt;
  }
  return held;
}

class Replay {
 public:
  Replay() { m_moves.scores.fill(-1); }

  // One step: a roll, or the choice after it.
  bool Step(std::string_view word) {
    if (!m_bRolled) return Roll(word);
    m_bRolled = false;
    if (word.starts_with(kHoldMark)) return Hold(word.substr(1));
    if (word.starts_with(kTakeMark)) return Take(word.substr(kTakeMark.size()));
    return false;
  }

  // The turn's last step was its take, or (when allowed) a hold.
  bool TurnEnded(bool bMayStopAfterHold) const {
    if (m_bRolled || m_moves.choices.empty()) return false;
    return m_bTurnTaken || (bMayStopAfterHold && m_position.rollsMade > 0);
  }
  void NewTurn() {
    m_position.rollsMade = 0;
    m_bTurnTaken = false;
  }
  ReplayedMoves Finish() {
    m_moves.end = m_position;
    m_moves.end.rollsMade = 0;
    return std::move(m_moves);
  }

 private:
  bool Roll(std::string_view word) {
    const std::optional<DiceValues> dice = ReadRoll(word);
    if (!dice || m_bTurnTaken || m_position.rollsMade == kRollsInTurn || m_position.card.IsFull()) return false;
    ++m_position.rollsMade;
    m_position.dice = *dice;
    m_bRolled = true;
    return true;
  }

  bool Hold(std::string_view digits) {
    const std::optional<FaceCounts> held = ReadHold(digits, m_position.dice);
    if (!held || m_position.rollsMade == kRollsInTurn) return false;
    Choice hold{ChoiceKind::Hold};
    hold.held = *held;
    m_moves.choices.push_back({m_position, hold});
    return true;
  }

  bool Take(std::string_view label) {
    Choice take{ChoiceKind::Extra};
    if (label == kBonusLabel) {
      const FaceCounts faces = CountFaces(m_position.dice);
      if (!m_position.card.tumblaHolds50 || std::find(faces.begin(), faces.end(), 5) == faces.end()) return false;
      m_moves.extras += kExtraScore;
    } else {
      const std::optional<Category> category = CategoryFromLabel(label);
      if (!category || m_position.card.IsFilled(*category)) return false;
      take = Choice{ChoiceKind::Take, {}, *category};
    }
    m_moves.choices.push_back({m_position, take});
    m_bTurnTaken = true;
    if (take.kind == ChoiceKind::Extra) {
      m_position.points += kExtraScore;
      return true;
    }
    const int score = ScoreCategory(take.category, m_position.dice);
    m_moves.scores[static_cast<std::size_t>(CellIndex(take.category))] = score;
    m_position.points += score;
    m_position.card = m_position.card.Filling(take.category, score);
    return true;
  }

  ReplayedMoves m_moves;
  Position m_position;
  // A roll waits for its choice.
  bool m_bRolled = false;
  bool m_bTurnTaken = false;
};

}  // namespace

std::string MovesText(const std::vector<PlayedChoice>& choices) {
  std::string text;
  bool bTurnEnded = false;
  for (const PlayedChoice& played : choices) {
    if (!text.empty()) text += bTurnEnded ? kTurnEnd : ' ';
    AppendDice(text, played.position.dice);
    text += ' ';
    AppendChoice(text, played.chosen);
    bTurnEnded = IsTake(played.chosen);
  }
  return text;
}

std::optional<ReplayedMoves> ReplayMoves(std::string_view text, bool bOpenLastTurn) {
  Replay replay;
  if (text.empty()) return replay.Finish();
  // An empty turn or step (two separators in a row, or one at an end) is an empty word,
  // which no step reads.
  for (bool bLastTurn = false; !bLastTurn;) {
    const std::size_t end = text.find(kTurnEnd);
    bLastTurn = end == std::string_view::npos;
    std::string_view turn = text.substr(0, end);
    if (!bLastTurn) text.remove_prefix(end + 1);
    replay.NewTurn();
    for (bool bLastStep = false; !bLastStep;) {
      const std::size_t space = turn.find(' ');
      bLastStep = space == std::string_view::npos;
      if (!replay.Step(turn.substr(0, space))) return std::nullopt;
      if (!bLastStep) turn.remove_prefix(space + 1);
    }
    if (!replay.TurnEnded(bOpenLastTurn && bLastTurn)) return std::nullopt;
  }
  return replay.Finish();
}
