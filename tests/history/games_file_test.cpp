#include "history/games_file.h"

#include <gtest/gtest.h>

#include "known_games.h"
#include "persistence/file_bytes.h"
#include "support/scoped_temp_folder.h"

namespace {

const std::string kHeader = std::string(kGamesHeader) + "\n";

std::string Line(const GameRecord& game) { return FormatGameLine(game) + "\n"; }

std::vector<int> Totals(const GamesRead& read) {
  std::vector<int> totals;
  for (const GameRecord& game : read.games) totals.push_back(game.total);
  return totals;
}

TEST(GamesFile, LivesBesideTheSettingsAndStartsWithItsHeader) {
  const ScopedTempFolder temp;
  const std::string path = GamesFilePath();
  EXPECT_EQ(path, temp.File("Tumbla-games.csv").string());
  EXPECT_EQ(ReadGames(path).error, ENOENT);
  ASSERT_EQ(AppendGameLine(path, Game370()), 0);
  ASSERT_EQ(AppendGameLine(path, Game220()), 0);
  EXPECT_EQ(FileBytes(path), kHeader + Line(Game370()) + Line(Game220()));
  const GamesRead read = ReadGames(path);
  EXPECT_EQ(read.error, 0);
  EXPECT_EQ(Totals(read), (std::vector<int>{370, 220}));
  EXPECT_EQ(read.badLines, 0);
}

TEST(GamesFile, ATornLastLineIsSkippedAndTheNextGameStartsAFreshLine) {
  const ScopedTempFolder temp;
  const std::string path = GamesFilePath();
  const std::string torn = Line(Game270()).substr(0, 40);
  PutFile(path, kHeader + Line(Game370()) + torn);
  GamesRead read = ReadGames(path);
  EXPECT_EQ(Totals(read), std::vector<int>{370});
  EXPECT_TRUE(read.bTornLastLine);
  EXPECT_EQ(read.badLines, 0);

  ASSERT_EQ(AppendGameLine(path, Game220()), 0);
  EXPECT_EQ(FileBytes(path), kHeader + Line(Game370()) + torn + "\n" + Line(Game220()));
  read = ReadGames(path);
  EXPECT_EQ(Totals(read), (std::vector<int>{370, 220}));
  EXPECT_FALSE(read.bTornLastLine);
  EXPECT_EQ(read.badLines, 1);
}

TEST(GamesFile, BadLinesAreSkippedCountedAndKept) {
  const ScopedTempFolder temp;
  const std::string path = GamesFilePath();
  const std::string before = kHeader + "not a game\n" + Line(Game370()) + "\n" + kHeader;
  PutFile(path, before);
  GamesRead read = ReadGames(path);
  EXPECT_EQ(Totals(read), std::vector<int>{370});
  // The empty line and a header anywhere but at the top count too.
  EXPECT_EQ(read.badLines, 3);
  ASSERT_EQ(AppendGameLine(path, Game270()), 0);
  EXPECT_EQ(FileBytes(path), before + Line(Game270()));
}

TEST(GamesFile, AnEmptyFileGetsItsHeaderAndResetLeavesOnlyTheHeader) {
  const ScopedTempFolder temp;
  const std::string path = GamesFilePath();
  PutFile(path, "");
  ASSERT_EQ(AppendGameLine(path, Game370()), 0);
  EXPECT_EQ(FileBytes(path), kHeader + Line(Game370()));
  ASSERT_EQ(ResetGames(path), 0);
  EXPECT_EQ(FileBytes(path), kHeader);
  EXPECT_TRUE(ReadGames(path).games.empty());
}

TEST(GamesFile, WhatIsNotAFileOfOursIsRefusedAndLeftAlone) {
  const ScopedTempFolder temp;
  const std::string path = GamesFilePath();
  std::filesystem::create_directory(path);
  EXPECT_NE(AppendGameLine(path, Game370()), 0);
  EXPECT_NE(ReadGames(path).error, 0);
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
