#include "storage/board_state.h"

#include <gtest/gtest.h>

#include <random>

#include "storage/board_fixture.h"
#include "storage/candidate_fill.h"

namespace vexlo {
namespace {

using testing::BoardFromPuzzle;
using testing::kExamplePuzzle;

TEST(BoardStateTest, WritesTokensRowMajorWithoutTrailingComma) {
  TPICSD33 board = testing::SampleBoard();
  const std::string text = WriteBoardState(board);
  EXPECT_TRUE(text.starts_with("27,18,16,31234789,3249,19,3,3,3,3921,3,13,12,"));
  EXPECT_TRUE(text.ends_with(",3,3,16"));
  EXPECT_EQ(std::count(text.begin(), text.end(), ','), 80);

  TPICSD33 empty = BoardFromPuzzle("");
  const std::string shortest = WriteBoardState(empty);
  EXPECT_EQ(shortest.size(), 161u);
  EXPECT_TRUE(shortest.ends_with(",3"));
}

TEST(BoardStateTest, RoundTripGivesTheIdenticalString) {
  const std::string text = WriteBoardState(testing::SampleBoard());
  TPICSD33 other;
  ASSERT_TRUE(ReadBoardState(other, text));
  EXPECT_EQ(WriteBoardState(other), text);
  EXPECT_EQ(other.cell(1, 4).digits, "1234789");
  EXPECT_EQ(other.cell(1, 1).state, CellState::BigNumber);
}

TEST(BoardStateTest, ShortTextsRepeatTheLastTokenAndSurplusIsIgnored) {
  TPICSD33 board;
  ASSERT_TRUE(ReadBoardState(board, "15"));
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      EXPECT_EQ(board.cell(row, col).state, CellState::Fixed);
      EXPECT_EQ(board.cell(row, col).digits, "5");
    }
  }

  ASSERT_TRUE(ReadBoardState(board, "27,3123"));
  EXPECT_EQ(board.cell(1, 1).digits, "7");
  EXPECT_EQ(board.cell(1, 2).digits, "123");
  EXPECT_EQ(board.cell(9, 9).digits, "123");
  EXPECT_EQ(board.cell(9, 9).state, CellState::Open);

  std::string longText = WriteBoardState(testing::SampleBoard()) + ",x,,19";
  ASSERT_TRUE(ReadBoardState(board, longText));
  EXPECT_EQ(board.cell(9, 9).digits, "6");
}

TEST(BoardStateTest, BlanksAndLineEndsAroundTokensAreTrimmed) {
  TPICSD33 board;
  ASSERT_TRUE(ReadBoardState(board, "15,  \t3,\r\n 31247 \r\n"));
  EXPECT_EQ(board.cell(1, 2).digits, "");
  EXPECT_EQ(board.cell(1, 3).digits, "1247");
  EXPECT_EQ(board.cell(9, 9).digits, "1247");
}

TEST(BoardStateTest, ConversionErrorNamesTheCellAndKeepsItsOldState) {
  struct Case {
    std::string text;
    int row;
    int col;
  };
  const Case cases[] = {
      {"", 1, 1},          // nothing at all
      {"memostep", 1, 1},  // the history's placeholder
      {"15,,3", 1, 2},     // two commas in a row
      {"15,", 1, 2},       // a trailing comma
      {"15,3,x7", 1, 3},   // not a digit
      {"15,3,07", 1, 3},   // no state 0
      {"15,3,45", 1, 3},   // nor 4
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TPICSD33 board = BoardFromPuzzle(kExamplePuzzle, CellState::BigNumber, "9");
    const BoardStateReadResult result = ReadBoardState(board, c.text);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.row, c.row);
    EXPECT_EQ(result.col, c.col);
    EXPECT_NE(result.Message().find(std::string(1, static_cast<char>('A' + c.row - 1)) +
                                    std::to_string(c.col)),
              std::string::npos);
  }

  // Cells before keep their new values, the failing cell has its digits but not its state,
  // the cells after are untouched.
  TPICSD33 board = BoardFromPuzzle(kExamplePuzzle, CellState::BigNumber, "9");
  ASSERT_FALSE(ReadBoardState(board, "15,31,x7,15"));
  EXPECT_EQ(board.cell(1, 1).state, CellState::Fixed);
  EXPECT_EQ(board.cell(1, 2).digits, "1");
  EXPECT_EQ(board.cell(1, 3).digits, "7");
  EXPECT_EQ(board.cell(1, 3).state, CellState::BigNumber);
  EXPECT_EQ(board.cell(1, 4).digits, "9");
  EXPECT_EQ(board.cell(1, 4).state, CellState::Open);
}

TEST(BoardStateTest, RandomAndTruncatedTextsGiveSuccessOrTheConversionError) {
  std::mt19937 random(20261211);
  const std::string valid = WriteBoardState(testing::SampleBoard());
  const std::string alphabet = "0123456789,,,, \t\r\nx";
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    if (round % 2 == 0) {
      text = valid.substr(0, random() % (valid.size() + 1));
    } else {
      const std::size_t length = random() % 400;
      for (std::size_t k = 0; k < length; ++k) {
        text += round % 4 == 1 ? alphabet[random() % alphabet.size()]
                               : static_cast<char>(random() % 256);
      }
    }
    TPICSD33 board;
    const BoardStateReadResult result = ReadBoardState(board, text);
    if (result) {
      // What was read writes back as a string the reader takes again.
      TPICSD33 again;
      EXPECT_TRUE(ReadBoardState(again, WriteBoardState(board)));
    } else {
      EXPECT_GE(result.row, 1);
      EXPECT_LE(result.row, 9);
      EXPECT_GE(result.col, 1);
      EXPECT_LE(result.col, 9);
    }
  }
}

TEST(CandidateFillTest, ClassifiesTheOpenCells) {
  TPICSD33 board = BoardFromPuzzle(kExamplePuzzle);
  EXPECT_EQ(CandidateFillOf(board), CandidateFill::Empty);

  testing::FillCandidates(board);
  EXPECT_EQ(CandidateFillOf(board), CandidateFill::Computed);

  // Order and repeats do not matter, only the set.
  const std::string free = board.FreeDigits(1, 1);
  board.cell(1, 1).digits = std::string(free.rbegin(), free.rend()) + free;
  EXPECT_EQ(CandidateFillOf(board), CandidateFill::Computed);

  board.cell(1, 1).digits = free.substr(1);
  EXPECT_EQ(CandidateFillOf(board), CandidateFill::Edited);

  board.cell(1, 4).digits.clear();
  EXPECT_EQ(CandidateFillOf(board), CandidateFill::Mixed);

  TPICSD33 full = BoardFromPuzzle(std::string(81, '5'));
  EXPECT_EQ(CandidateFillOf(full), CandidateFill::Empty);

  EXPECT_EQ(ModeAfterBoardRead(CandidateFill::Empty), ModeAfterRead::PencilAndPaper);
  EXPECT_EQ(ModeAfterBoardRead(CandidateFill::Mixed), ModeAfterRead::PencilAndPaper);
  EXPECT_EQ(ModeAfterBoardRead(CandidateFill::Computed), ModeAfterRead::AllCandidates);
  EXPECT_EQ(ModeAfterBoardRead(CandidateFill::Edited), ModeAfterRead::AllCandidates);
}

}  // namespace
}  // namespace vexlo
