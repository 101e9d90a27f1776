#include "storage/copy_layouts.h"

#include <gtest/gtest.h>

#include "storage/board_fixture.h"
#include "storage/example_texts.h"
#include "storage/import_formats.h"

namespace vexlo {
namespace {

using testing::BoardFromPuzzle;
using testing::kExamplePuzzle;

TEST(CopyLayoutsTest, NoCandidateOfTheExamplePuzzle) {
  const TPICSD33 board = BoardFromPuzzle(kExamplePuzzle);
  EXPECT_EQ(BuildNoCandidate(board, "."), testing::kNoCandidateExample);
}

TEST(CopyLayoutsTest, FrameCharactersNeverEqualTheBlank) {
  const TPICSD33 board = BoardFromPuzzle(kExamplePuzzle);
  struct Case {
    std::string blank;
    std::string edge;
    std::string separator;
    std::string rowStart;
  };
  const std::string dashes(15, '-');
  const std::string tildes(15, '~');
  const Case cases[] = {
      {"*", std::string(49, '-'), "|" + dashes + "+" + dashes + "+" + dashes + "|", "|    *    8"},
      {"+", "*" + std::string(47, '-') + "*", "|" + dashes + ":" + dashes + ":" + dashes + "|",
       "|    +"},
      {"|", "*" + std::string(47, '-') + "*", ":" + dashes + "+" + dashes + "+" + dashes + ":",
       ":    |"},
      {"-", "*" + std::string(47, '~') + "*", "|" + tildes + "+" + tildes + "+" + tildes + "|",
       "|    -"},
      {"#", "*" + std::string(47, '-') + "*", "|" + dashes + "+" + dashes + "+" + dashes + "|",
       "|    #"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.blank);
    const std::vector<std::string> lines = BuildNoCandidate(board, c.blank);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], c.edge);
    EXPECT_EQ(lines[12], c.edge);
    EXPECT_EQ(lines[4], c.separator);
    EXPECT_EQ(lines[8], c.separator);
    EXPECT_TRUE(lines[1].starts_with(c.rowStart)) << lines[1];
    if (c.blank == "|") {
      EXPECT_EQ(lines[1].substr(16, 1), ":");
    }
  }
}

TEST(CopyLayoutsTest, BlankCharacterFromTheChooser) {
  EXPECT_EQ(BlankCharacter(" * "), "*");
  EXPECT_EQ(BlankCharacter(""), ".");
  EXPECT_EQ(BlankCharacter("ab"), ".");
  EXPECT_EQ(BlankCharacter("   "), ".");
  EXPECT_EQ(BlankCharacter("\xEF\xBC\x9F"), "\xEF\xBC\x9F");
}

TEST(CopyLayoutsTest, WithCandidatesIsCompactedToTheExample) {
  // The example's cells: single digits are givens, longer texts candidates.
  std::vector<std::string> groups;
  for (const std::string& line : testing::kWithCandidatesExample) {
    std::string group;
    for (char ch : line + "|") {
      if (ch >= '1' && ch <= '9') {
        group += ch;
      } else if (!group.empty()) {
        groups.push_back(group);
        group.clear();
      }
    }
  }
  ASSERT_EQ(groups.size(), 81u);
  TPICSD33 board;
  for (int index = 0; index < 81; ++index) {
    TPicNode& cell = board.cell(index / 9 + 1, index % 9 + 1);
    cell.digits = groups[index];
    cell.state = cell.digits.size() == 1 ? CellState::Fixed : CellState::Open;
  }
  EXPECT_EQ(BuildWithCandidates(board), testing::kWithCandidatesExample);
}

TEST(CopyLayoutsTest, WithCandidatesOfNarrowCellsKeepsEqualLinesAndReadsBack) {
  TPICSD33 board = BoardFromPuzzle(kExamplePuzzle, CellState::Fixed, "12");
  board.cell(5, 5).digits = "";
  const std::vector<std::string> lines = BuildWithCandidates(board);
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_LT(lines[0].size(), 60u);
  for (const std::string& line : lines) EXPECT_EQ(line.size(), lines[0].size());
  EXPECT_NE(lines[6].find('.'), std::string::npos);

  // Full candidates make a text the import reads as a candidate grid, cell for cell.
  TPICSD33 full = BoardFromPuzzle(kExamplePuzzle);
  testing::FillCandidates(full);
  TPICSD33 imported(BoardPreset::ImportCreate);
  ASSERT_EQ(ImportPuzzleText(imported, BuildWithCandidates(full)), ImportFormat::CandidateGrid);
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      EXPECT_EQ(imported.cell(row, col).digits, full.cell(row, col).digits);
    }
  }
}

TEST(CopyLayoutsTest, GridAndLineLayouts) {
  TPICSD33 board = BoardFromPuzzle(kExamplePuzzle);
  std::string expected(kExamplePuzzle);
  std::replace(expected.begin(), expected.end(), '0', '*');
  EXPECT_EQ(Build1x81(board, "*"), std::vector<std::string>{expected});
  const std::vector<std::string> rows = Build9x9(board, "*");
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_EQ(rows[0], expected.substr(0, 9));
  EXPECT_EQ(rows[8], expected.substr(72, 9));

  // A big number that lost its digit, or holds several, still takes one place.
  board.cell(1, 1).state = CellState::BigNumber;
  board.cell(1, 1).digits = "";
  board.cell(1, 4).state = CellState::BigNumber;
  board.cell(1, 4).digits = "13";
  EXPECT_EQ(Build9x9(board, ".")[0], ".86..9...");
  EXPECT_EQ(BuildCopyLayout(board, CopyLayout::Line1x81, "\xEF\xBC\x9F")[0].substr(0, 5),
            "\xEF\xBC\x9F"
            "86");
}

TEST(CopyLayoutsTest, NoOpenCellCopiesWithoutBlanks) {
  TPICSD33 board = BoardFromPuzzle(std::string(81, '3'));
  for (const std::string& line : BuildNoCandidate(board, "."))
    EXPECT_EQ(line.find('.'), std::string::npos);
}

TEST(CopyLayoutsTest, FillingEmptyCellsBeforeCopying) {
  TPICSD33 board = BoardFromPuzzle(kExamplePuzzle);
  board.cell(1, 1).digits = "9";  // hand-written pencil mark, kept
  board.cell(1, 2).digits = "";   // a given can be empty only in a damaged file; stays empty
  board.cell(1, 3).state = CellState::BigNumber;
  board.cell(1, 3).digits = "";
  FillEmptyCellsForCopy(board);
  EXPECT_EQ(board.cell(1, 1).digits, "9");
  EXPECT_EQ(board.cell(1, 2).digits, "");
  EXPECT_EQ(board.cell(1, 3).digits, board.FreeDigits(1, 3));
  EXPECT_EQ(board.cell(1, 4).digits, board.FreeDigits(1, 4));
}

}  // namespace
}  // namespace vexlo
