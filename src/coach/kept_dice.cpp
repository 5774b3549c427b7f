#include "coach/kept_dice.h"

#include <numeric>

namespace {

// Faces counts as a base-6 number; every count is at most 5.
int Code(const FaceCounts& faces) {
  int code = 0;
  for (int face = kFaces - 1; face >= 0; --face) code = code * kFaces + faces[static_cast<std::size_t>(face)];
  return code;
}

constexpr int kCodeCount = 6 * 6 * 6 * 6 * 6 * 6;

struct KeptDiceIndex {
  KeptDice dice;
  std::array<std::int16_t, kCodeCount> byCode{};

  KeptDiceIndex() {
    byCode.fill(-1);
    int next = 0;
    for (int size = 0; size <= 5; ++size) {
      dice.sizeStart[static_cast<std::size_t>(size)] = next;
      for (int code = 0; code < kCodeCount; ++code) {
        FaceCounts faces{};
        int rest = code;
        for (auto& count : faces) {
          count = static_cast<std::uint8_t>(rest % kFaces);
          rest /= kFaces;
        }
        if (std::accumulate(faces.begin(), faces.end(), 0) != size) continue;
        const auto index = static_cast<std::size_t>(next++);
        dice.counts[index] = faces;
        dice.size[index] = static_cast<std::uint8_t>(size);
        byCode[static_cast<std::size_t>(code)] = static_cast<std::int16_t>(index);
      }
    }
    dice.sizeStart[6] = next;
    for (std::size_t index = 0; index < kKeptCount; ++index) LinkNeighbours(index);
  }

  void LinkNeighbours(std::size_t index) {
    dice.added[index].fill(-1);
    dice.removed[index].fill(-1);
    std::size_t nRemoved = 0;
    for (std::size_t face = 0; face < kFaces; ++face) {
      FaceCounts faces = dice.counts[index];
      if (dice.size[index] < 5) {
        ++faces[face];
        dice.added[index][face] = byCode[static_cast<std::size_t>(Code(faces))];
        --faces[face];
      }
      if (faces[face] > 0) {
        --faces[face];
        dice.removed[index][nRemoved++] = byCode[static_cast<std::size_t>(Code(faces))];
      }
    }
  }
};

const KeptDiceIndex& TheIndex() {
  static const KeptDiceIndex index;
  return index;
}

}  // namespace

int KeptDice::IndexOf(const FaceCounts& faces) const {
  for (auto count : faces) {
    if (count > 5) return -1;
  }
  return TheIndex().byCode[static_cast<std::size_t>(Code(faces))];
}

const KeptDice& TheKeptDice() { return TheIndex().dice; }

FaceCounts CountFaces(const DiceValues& dice) {
  FaceCounts faces{};
  for (int value : dice) {
    if (value >= 1 && value <= kFaces) ++faces[static_cast<std::size_t>(value - 1)];
  }
  return faces;
}

DiceValues OutcomeDice(const FaceCounts& faces) {
  DiceValues dice{};
  std::size_t next = 0;
  for (std::size_t face = 0; face < kFaces; ++face) {
    for (int n = 0; n < faces[face] && next < dice.size(); ++n) dice[next++] = static_cast<int>(face) + 1;
  }
  return dice;
}
