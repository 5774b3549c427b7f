// tumbla-advisor: the coach's best choice for each position read from standard input, or
// whole games played with it (--play N --seed S).
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "advisor/position_text.h"
#include "advisor/self_play.h"

namespace {

constexpr const char* kUsage =
    "usage: tumbla-advisor [--all]          answers positions read from standard input\n"
    "       tumbla-advisor --play N --seed S plays N games with its own advice\n";

struct Options {
  bool bAll = false;
  std::optional<long> games;
  std::optional<long> seed;
};

std::optional<long> Count(const char* text) {
  try {
    std::size_t end = 0;
    const long value = std::stol(text, &end);
    if (text[end] == '\0') return value;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

bool ReadOptions(int argc, char** argv, Options& options) {
  for (int index = 1; index < argc; ++index) {
    const std::string_view arg = argv[index];
    if (arg == "--all") {
      options.bAll = true;
    } else if ((arg == "--play" || arg == "--seed") && index + 1 < argc) {
      (arg == "--play" ? options.games : options.seed) = Count(argv[++index]);
      if (!(arg == "--play" ? options.games : options.seed)) return false;
    } else {
      return false;
    }
  }
  if (options.games.has_value() != options.seed.has_value() || (options.games && options.bAll)) return false;
  return !options.games || (*options.games >= 2 && *options.seed >= 0);
}

int AnswerPositions(const CCoachTable& table, bool bAll) {
  int status = 0;
  std::string line;
  while (std::getline(std::cin, line)) {
    const ReadLine read = ReadPositionLine(line);
    if (read.error.empty()) {
      std::cout << AnswerLine(RankChoices(table, read.position), bAll) << '\n';
    } else {
      std::cout << "error: " << read.error << '\n';
      status = 1;
    }
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ReadOptions(argc, argv, options)) {
    std::cerr << kUsage;
    return 2;
  }
  CCoachTable table;
  table.SolveAll();
  if (!options.games) return AnswerPositions(table, options.bAll);
  const PlayStats stats =
      PlayBestGames(table, static_cast<int>(*options.games), static_cast<std::uint32_t>(*options.seed));
  std::printf("games %d mean %.2f sd %.2f se %.2f\n", stats.games, stats.mean, stats.sd, stats.se);
  return 0;
}
