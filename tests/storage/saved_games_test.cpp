#include "storage/saved_games.h"

#include <gtest/gtest.h>

#include "storage/board_fixture.h"

namespace vexlo {
namespace {

using testing::BoardFromPuzzle;
using testing::kExamplePuzzle;
using testing::SampleBoard;

const std::string kSolution(81, '4');  // content does not matter to the file

TEST(SavedGamesTest, RecordHasThirteenLinesOfFixedWidthFields) {
  const std::vector<std::string> record = BuildGameRecord("My game", 3, kSolution, SampleBoard());
  ASSERT_EQ(record.size(), 13u);
  EXPECT_EQ(record[0], "Name=My game");
  EXPECT_EQ(record[1], "3 " + kSolution);
  EXPECT_EQ(record[2].substr(0, 40), "27        18        16        31234789  ");
  EXPECT_EQ(record[2].substr(40, 10), "3249      ");
  EXPECT_EQ(record[3].substr(0, 20), "3921      3         ");
  for (int row = 2; row <= 10; ++row) EXPECT_EQ(record[row].size(), 90u);
  EXPECT_EQ(record[11], "");
  EXPECT_EQ(record[12], "");

  // Without a solution the level line keeps its blank.
  EXPECT_EQ(BuildGameRecord("x", 5, "", SampleBoard())[1], "5 ");
}

TEST(SavedGamesTest, RecordsThatWouldBreakTheLayoutAreWrittenSafely) {
  TPICSD33 board = SampleBoard();
  board.cell(1, 2).digits = "1234567891234";  // more than a field holds
  const std::vector<std::string> record = BuildGameRecord("two\r\nlines", 0, "", board);
  EXPECT_EQ(record[0], "Name=two  lines");
  EXPECT_EQ(record[2].substr(10, 10), "1123456789");
  EXPECT_EQ(record[2].size(), 90u);
}

TEST(SavedGamesTest, SavedGameReadsBackOntoTheBoard) {
  std::vector<std::string> lines{"stray line before the first record"};
  AppendGame(lines, "first", 1, kSolution, SampleBoard());
  AppendGame(lines, "second", 4, "", BoardFromPuzzle(kExamplePuzzle));
  ASSERT_EQ(lines.size(), 27u);

  const int line = FindGame(lines, "first");
  ASSERT_EQ(line, 2);
  const auto game = ReadSavedGame(lines, line);
  ASSERT_TRUE(game);
  EXPECT_EQ(game->level, 1);
  EXPECT_EQ(game->solution, kSolution);
  TPICSD33 board;
  ApplySavedGame(*game, board);
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      EXPECT_EQ(board.cell(row, col).state, SampleBoard().cell(row, col).state);
      EXPECT_EQ(board.cell(row, col).digits, SampleBoard().cell(row, col).digits);
    }
  }
  EXPECT_EQ(ReadSavedGame(lines, FindGame(lines, "second"))->solution, "");
}

TEST(SavedGamesTest, NamesAreExactAndOverwriteMovesTheRecordToTheEnd) {
  std::vector<std::string> lines;
  AppendGame(lines, "Game", 0, "", SampleBoard());
  AppendGame(lines, "game", 1, "", SampleBoard());
  AppendGame(lines, "other", 2, "", SampleBoard());
  EXPECT_EQ(FindGame(lines, "game"), 14);
  EXPECT_EQ(FindGame(lines, "GAME"), 0);
  EXPECT_EQ(FindGame(lines, "Game "), 0);

  // Overwrite = delete, then append.
  ASSERT_TRUE(DeleteGame(lines, "Game"));
  AppendGame(lines, "Game", 3, "", SampleBoard());
  const std::vector<SavedGameEntry> entries = ListSavedGames(lines);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "game");
  EXPECT_EQ(entries[2].name, "Game");
  EXPECT_EQ(entries[2].level, 3);

  EXPECT_FALSE(RenameGame(lines, "game", "other"));
  EXPECT_FALSE(RenameGame(lines, "missing", "new"));
  EXPECT_TRUE(RenameGame(lines, "game", "renamed"));
  EXPECT_EQ(FindGame(lines, "renamed"), 1);

  ASSERT_TRUE(DeleteGame(lines, "renamed"));
  ASSERT_TRUE(DeleteGame(lines, "other"));
  ASSERT_TRUE(DeleteGame(lines, "Game"));
  EXPECT_TRUE(lines.empty());
  EXPECT_FALSE(DeleteGame(lines, "Game"));
}

TEST(SavedGamesTest, DamagedRecordsAreMarkedAndTheOthersStayReadable) {
  std::vector<std::string> good;
  AppendGame(good, "good", 2, "", SampleBoard());

  struct Case {
    const char* what;
    std::vector<std::string> damaged;  // placed between two good records
  };
  const Case cases[] = {
      {"level line without a digit",
       {"Name=bad", "x ", good[2], good[3], good[4], good[5], good[6], good[7], good[8], good[9],
        good[10], "", ""}},
      {"short record", {"Name=bad", "1 ", good[2], good[3]}},
      {"stray line inside",
       {"Name=bad", "1 ", good[2], "junk", good[3], good[4], good[5], good[6], good[7], good[8],
        good[9], good[10], "", ""}},
      {"binary junk in a field",
       {"Name=bad", "1 ", "\x01\xFF", good[3], good[4], good[5], good[6], good[7], good[8], good[9],
        good[10], "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> lines = good;
    lines.insert(lines.end(), c.damaged.begin(), c.damaged.end());
    std::vector<std::string> last = good;
    last[0] = "Name=last";
    lines.insert(lines.end(), last.begin(), last.end());

    const std::vector<SavedGameEntry> entries = ListSavedGames(lines);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_FALSE(entries[0].damaged);
    EXPECT_TRUE(entries[1].damaged);
    EXPECT_EQ(entries[1].name, "bad");
    EXPECT_FALSE(entries[2].damaged);
    EXPECT_FALSE(ReadSavedGame(lines, entries[1].line));
    EXPECT_TRUE(ReadSavedGame(lines, entries[2].line));

    // Deleting another game keeps the damaged record's lines as they were.
    const std::size_t before = lines.size();
    ASSERT_TRUE(DeleteGame(lines, "last"));
    EXPECT_EQ(lines.size(), before - 13);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 13, lines.end()), c.damaged);
  }
}

}  // namespace
}  // namespace vexlo
