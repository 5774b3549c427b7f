// The statistics of a history file of 10,000 games: reading the file, reading its lines back
// into games through the rules, and the figures. The baseline is reading the same file's
// bytes alone, in the same run.
#include <benchmark/benchmark.h>

#include "history/game_statistics.h"
#include "history/games_file.h"
#include "history/generated_games.h"
#include "persistence/data_file.h"
#include "persistence/file_bytes.h"
#include "support/scoped_temp_folder.h"

namespace {

constexpr int kGames = 10000;

const std::string& GamesFile() {
  static const ScopedTempFolder temp;
  static const std::string path = [] {
    std::string text = std::string(kGamesHeader) + "\n";
    for (const GameRecord& game : GeneratedGames(kGames, 1)) text += FormatGameLine(game) + "\n";
    PutFile(GamesFilePath(), text);
    return GamesFilePath();
  }();
  return path;
}

void BM_ReadFileBytesBaseline(benchmark::State& state) {
  std::vector<BYTE> bytes;
  for (auto _ : state)
    benchmark::DoNotOptimize(CDataFile::AtPath(GamesFile()).ReadBytesWithin(bytes, kGamesFileBound, false));
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ReadFileBytesBaseline)->Unit(benchmark::kMillisecond);

void BM_StatisticsOf10000Games(benchmark::State& state) {
  for (auto _ : state) {
    const GamesRead read = ReadGames(GamesFile());
    const GameStatistics stats = ComputeStatistics(read.games);
    if (stats.games != kGames || read.badLines != 0) state.SkipWithError("the generated games did not all read");
    benchmark::DoNotOptimize(stats.mean);
  }
}
BENCHMARK(BM_StatisticsOf10000Games)->Unit(benchmark::kMillisecond);

}  // namespace
