#include "storage/import_formats.h"

#include <gtest/gtest.h>

#include <random>

#include "storage/board_fixture.h"
#include "storage/board_state.h"
#include "storage/example_texts.h"

namespace vexlo {
namespace {

using testing::kExamplePuzzle;
using testing::kImportExample3;
using testing::kImportExample4;

const std::vector<std::string> kExample2 = {"*8******7", "****96***", "**2**3***",
                                            "*******9*", "**9***56*", "***1****4",
                                            "4********", "****5**3*", "71*8*****"};

// Example 3's givens, as the board should hold them.
const std::string kExample3Puzzle =
    "095003814080002000600080207000190600300000000000000500108300700000004060006007083";

std::vector<std::string> Replaced(std::vector<std::string> lines, char from,
                                  const std::string& to) {
  for (std::string& line : lines) {
    std::string out;
    for (char ch : line) out += ch == from ? to : std::string(1, ch);
    line = out;
  }
  return lines;
}

// Example 3's givens with a digit in cell 1, as decorated rows without a frame.
const std::string kUnframedPuzzle = "2" + kExample3Puzzle.substr(1);

std::vector<std::string> Unframed(std::string_view puzzle) {
  std::vector<std::string> rows;
  for (int row = 0; row < 9; ++row) {
    std::string line;
    for (int col = 0; col < 9; ++col) {
      const char ch = puzzle[row * 9 + col];
      line += std::string(1, ch == '0' ? '.' : ch) + (col % 3 == 2 ? " | " : "  ");
    }
    rows.push_back(line);
  }
  return rows;
}

// The 81 characters spread over nine lines with a space between each two.
std::vector<std::string> SpacedRows(std::string_view puzzle) {
  std::vector<std::string> rows;
  for (int row = 0; row < 9; ++row) {
    std::string line;
    for (int col = 0; col < 9; ++col) {
      if (col > 0) line += ' ';
      line += puzzle[row * 9 + col];
    }
    rows.push_back(line);
  }
  return rows;
}

TEST(ImportFormatsTest, RecognisesEachFormat) {
  const std::string puzzle(kExamplePuzzle);
  std::string letters = puzzle;
  letters.replace(0, 3, "1.3");
  letters[40] = 'q';
  std::string eightyDigits(80, '5');

  struct Case {
    const char* what;
    std::vector<std::string> lines;
    ImportFormat format;
  };
  const Case cases[] = {
      {"example 1", {puzzle}, ImportFormat::Line81},
      {"example 1 with blanks around", {"  ", " \t" + puzzle + "  "}, ImportFormat::Line81},
      {"1.3 and letters on one line", {letters}, ImportFormat::Line81},
      {"example 2", kExample2, ImportFormat::NineRows},
      {"nine rows with spaces", SpacedRows(puzzle), ImportFormat::NineRows},
      {"example 3", kImportExample3, ImportFormat::Decorated},
      {"example 3 with 0 as blank", Replaced(kImportExample3, '.', "0"), ImportFormat::Invalid},
      {"example 3 with full-width blanks", Replaced(kImportExample3, '.', "\xEF\xBC\x9F"),
       ImportFormat::Decorated},
      {"example 3 with ~ as blank", Replaced(kImportExample3, '.', "~"), ImportFormat::Invalid},
      {"unframed decorated rows", Unframed(kUnframedPuzzle), ImportFormat::Decorated},
      {"81 digits in a frame without blanks",
       {"+--+", std::string(40, '4') + "|" + std::string(40, '7') + "|5", "+--+"},
       ImportFormat::Decorated},
      {"example 4", kImportExample4, ImportFormat::CandidateGrid},
      {"80 digits and two dots",
       {eightyDigits.substr(0, 40) + ". .", eightyDigits.substr(40)},
       ImportFormat::Invalid},
      {"nothing", {}, ImportFormat::Invalid},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DetectImportFormat(c.lines), c.format);
  }
}

std::string Givens(const TPICSD33& board) {
  std::string text;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const TPicNode& cell = board.cell(row, col);
      text += cell.state == CellState::BigNumber ? cell.digits : "0";
    }
  }
  return text;
}

TEST(ImportFormatsTest, LoadsDigitsAsBigNumbersAndComputesCandidates) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::string givens;
  };
  const Case cases[] = {
      {"example 1", {std::string(kExamplePuzzle)}, std::string(kExamplePuzzle)},
      {"nine rows with spaces", SpacedRows(kExamplePuzzle), std::string(kExamplePuzzle)},
      {"example 3", kImportExample3, kExample3Puzzle},
      {"example 3 with full-width blanks", Replaced(kImportExample3, '.', "\xEF\xBC\x9F"),
       kExample3Puzzle},
      {"unframed decorated rows", Unframed(kUnframedPuzzle), kUnframedPuzzle},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TPICSD33 board(BoardPreset::ImportCreate);
    ImportPuzzleText(board, c.lines);
    EXPECT_EQ(Givens(board), c.givens);
    for (int row = 1; row <= 9; ++row) {
      for (int col = 1; col <= 9; ++col) {
        if (board.cell(row, col).state == CellState::Open) {
          EXPECT_EQ(board.cell(row, col).digits, board.FreeDigits(row, col));
        }
      }
    }
  }
  TPICSD33 board(BoardPreset::ImportCreate);
  ImportPuzzleText(board, kExample2);
  EXPECT_EQ(Givens(board).substr(0, 18), "080000007000096000");
}

TEST(ImportFormatsTest, CandidateGridTakesTheGroupsUnchanged) {
  TPICSD33 board(BoardPreset::ImportCreate);
  ASSERT_EQ(ImportPuzzleText(board, kImportExample4), ImportFormat::CandidateGrid);
  EXPECT_EQ(board.cell(1, 1).state, CellState::BigNumber);
  EXPECT_EQ(board.cell(1, 1).digits, "5");
  EXPECT_EQ(board.cell(1, 2).state, CellState::Open);
  EXPECT_EQ(board.cell(1, 2).digits, "13789");
  EXPECT_EQ(board.cell(9, 9).digits, "34678");
  EXPECT_EQ(board.cell(8, 1).digits, "13");
}

TEST(ImportFormatsTest, SplitDigitGroupsFillsCellsByGroupCount) {
  auto groups = [](int count) {
    std::string text;
    for (int k = 1; k <= count; ++k)
      text += "  " + std::to_string(k % 9 + 1) + std::string(k % 3, '0' + k % 9 + 1) + " |";
    return std::vector<std::string>{text};
  };
  auto group = [](int k) {
    return std::to_string(k % 9 + 1) + std::string(k % 3, '0' + k % 9 + 1);
  };

  auto cells = SplitDigitGroups(groups(81));
  for (int k = 1; k <= 81; ++k) EXPECT_EQ(cells[k - 1], group(k));

  cells = SplitDigitGroups(groups(82));
  EXPECT_EQ(cells[79], group(80));
  EXPECT_EQ(cells[80], group(82));

  cells = SplitDigitGroups(groups(90));
  EXPECT_EQ(cells[80], group(81));

  cells = SplitDigitGroups(groups(5));
  EXPECT_EQ(cells[3], group(4));
  EXPECT_EQ(cells[4], "");
  EXPECT_EQ(cells[80], group(5));

  // "0" and every other non-digit separate groups; runs count once.
  cells = SplitDigitGroups({"||12", "0034", "x5"});
  EXPECT_EQ(cells[0], "12");
  EXPECT_EQ(cells[1], "34");
  EXPECT_EQ(cells[80], "5");
}

TEST(ImportFormatsTest, InvalidTextLoadsNothing) {
  TPICSD33 board(BoardPreset::ImportCreate);
  ImportPuzzleText(board, {std::string(kExamplePuzzle)});
  const std::string before = WriteBoardState(board);
  EXPECT_EQ(ImportPuzzleText(board, {"not a puzzle"}), ImportFormat::Invalid);
  EXPECT_EQ(WriteBoardState(board), before);
}

TEST(ImportFormatsTest, ConflictingDigitsLoadAndOnePairIsMarked) {
  std::string puzzle(81, '.');
  puzzle[0] = '5';
  puzzle[8] = '5';
  TPICSD33 board(BoardPreset::ImportCreate);
  ASSERT_EQ(ImportPuzzleText(board, {puzzle}), ImportFormat::Line81);
  EXPECT_TRUE(board.cell(1, 1).isError);
  EXPECT_TRUE(board.cell(1, 9).isError);
}

TEST(ImportFormatsTest, HostileTextAlwaysGivesAFormat) {
  std::mt19937 random(7);
  std::vector<std::vector<std::string>> texts = {
      {std::string(100000, '-')},
      {std::string(10000, '7')},
      {"|||||", ":::::", "+-+-+"},
      {std::string("12\0"
                   "34",
                   5),
       std::string(200, '\0')},
      {"\xFF\xFE\x80\xC0", "\xEF\xBC", std::string(81, '\xA0')},
      {std::string(81, ' '), std::string(81, '\t')},
  };
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> lines(random() % 15);
    for (std::string& line : lines) {
      line.resize(random() % 120);
      for (char& ch : line)
        ch = round % 2 ? static_cast<char>(random() % 256) : "123456789.*- |"[random() % 14];
    }
    texts.push_back(lines);
  }
  for (const auto& lines : texts) {
    TPICSD33 board(BoardPreset::ImportCreate);
    const int format = static_cast<int>(ImportPuzzleText(board, lines));
    EXPECT_GE(format, 0);
    EXPECT_LE(format, 4);
    TPICSD33 check;
    EXPECT_TRUE(ReadBoardState(check, WriteBoardState(board)));
  }
}

}  // namespace
}  // namespace vexlo
