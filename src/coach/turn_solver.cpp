#include "coach/turn_solver.h"

#include <algorithm>
#include <cmath>

#include "coach/outcome_scores.h"

namespace {

// A value under the current choices, and how fast it grows with the state's own value:
// the chance, under those choices, of ending the turn with the extra.
struct Affine {
  double value = 0.0;
  double slope = 0.0;
};

double ValueOf(double value) { return value; }
double ValueOf(const Affine& value) { return value.value; }
double Constant(double value, double) { return value; }
Affine Constant(double value, Affine) { return {value, 0.0}; }
double ExtraValue(double ownValue, double) { return kExtraScore + ownValue; }
Affine ExtraValue(double ownValue, Affine) { return {kExtraScore + ownValue, 1.0}; }
double MeanOfSix(double sum) { return sum / kFaces; }
Affine MeanOfSix(Affine sum) { return {sum.value / kFaces, sum.slope / kFaces}; }
Affine& operator+=(Affine& sum, const Affine& term) {
  sum.value += term.value;
  sum.slope += term.slope;
  return sum;
}

template <typename V>
using KeptValues = std::array<V, kKeptCount>;

// The best take for every outcome of the third roll, written over the outcomes' block.
template <typename V>
void BestTakes(const TakeValues& takes, double ownValue, KeptValues<V>& values) {
  const OutcomeScores& scores = TheOutcomeScores();
  for (std::size_t outcome = 0; outcome < kOutcomeCount; ++outcome) {
    double best = -1.0;
    for (std::size_t category = 0; category < kCategoryCount; ++category) {
      if (takes.state.IsFilled(static_cast<Category>(category))) continue;
      const int score = scores.score[category][outcome];
      const double later = score == 50 ? takes.laterIfFifty[category] : takes.laterIfZero[category];
      best = std::max(best, score + later);
    }
    V value = Constant(best, V{});
    if (takes.state.tumblaHolds50 && scores.fiveOfAKind[outcome] && kExtraScore + ownValue > best) {
      value = ExtraValue(ownValue, V{});
    }
    values[kFirstOutcome + outcome] = value;
  }
}

// From the outcomes' values to every kept multiset's: the mean over one more die.
template <typename V>
void KeepValues(KeptValues<V>& values) {
  const KeptDice& kept = TheKeptDice();
  for (int index = kFirstOutcome - 1; index >= 0; --index) {
    V sum{};
    for (std::int16_t next : kept.added[static_cast<std::size_t>(index)]) sum += values[static_cast<std::size_t>(next)];
    values[static_cast<std::size_t>(index)] = MeanOfSix(sum);
  }
}

// From every kept multiset's value to each outcome's best keep; keeping all five dice is
// the same as taking now.
template <typename V>
void BestKeeps(const KeptValues<V>& keep, KeptValues<V>& best) {
  const KeptDice& kept = TheKeptDice();
  for (std::size_t index = 0; index < kKeptCount; ++index) {
    V value = keep[index];
    for (std::int16_t smaller : kept.removed[index]) {
      if (smaller < 0) break;
      const V& candidate = best[static_cast<std::size_t>(smaller)];
      if (ValueOf(candidate) > ValueOf(value)) value = candidate;
    }
    best[index] = value;
  }
}

template <typename V>
struct TurnRun {
  KeptValues<V> afterThird{};
  std::array<KeptValues<V>, 2> keep{};
  KeptValues<V> best{};

  V Run(const TakeValues& takes, double ownValue) {
    BestTakes(takes, ownValue, afterThird);
    KeepValues(afterThird);
    keep[1] = afterThird;
    BestKeeps(keep[1], best);
    keep[0] = best;
    KeepValues(keep[0]);
    BestKeeps(keep[0], best);
    KeepValues(best);
    return best[0];
  }
};

constexpr int kMostImprovements = 64;

}  // namespace

TakeValues::TakeValues(CardState cardState, const LaterValues& later) : state(cardState) {
  for (std::size_t index = 0; index < kCategoryCount; ++index) {
    const auto category = static_cast<::Category>(index);
    if (state.IsFilled(category)) continue;
    laterIfZero[index] = later(state.Filling(category, 0));
    laterIfFifty[index] = category == ::Category::Tumbla ? later(state.Filling(category, 50)) : laterIfZero[index];
  }
}

double TakeValues::Fill(::Category category, int score) const {
  const auto index = static_cast<std::size_t>(CellIndex(category));
  return score + (score == 50 ? laterIfFifty[index] : laterIfZero[index]);
}

bool TakeValues::ExtraAllowed(const DiceValues& dice) const {
  const FaceCounts faces = CountFaces(dice);
  return state.tumblaHolds50 && std::find(faces.begin(), faces.end(), 5) != faces.end();
}

double SolveTurnStart(const TakeValues& takes) {
  if (!takes.state.tumblaHolds50) return TurnRun<double>().Run(takes, 0.0);
  // The start value is convex in the guessed own value, with a slope below 1: each step
  // solves the equation of the current choices exactly, and the guesses rise to the fixed
  // point, which they reach once the choices stop changing.
  TurnRun<Affine> run;
  double guess = 0.0;
  for (int step = 0; step < kMostImprovements; ++step) {
    const Affine start = run.Run(takes, guess);
    const double next = (start.value - start.slope * guess) / (1.0 - start.slope);
    const bool bSettled = std::abs(next - guess) <= 1e-12 * (1.0 + std::abs(next));
    guess = next;
    if (bSettled) break;
  }
  return guess;
}

void SolveTurnWithOwnValue(const TakeValues& takes, double ownValue, TurnValues& turn) {
  TurnRun<double> run;
  turn.start = run.Run(takes, ownValue);
  turn.keep = run.keep;
}
