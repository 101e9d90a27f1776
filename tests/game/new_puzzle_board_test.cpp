// The board of "Import or Create Sudoku": entering, striking and taking back digits by mouse,
// and copying the main board.
#include <gtest/gtest.h>

#include <string>

#include "game/new_puzzle_board.h"
#include "storage/import_formats.h"

namespace vexlo::testing {
namespace {

struct NewPuzzleBoard : ::testing::Test {
  TPICSD33 sdnew{BoardPreset::ImportCreate};
  NewPuzzleBoard() { ClearImportBoard(sdnew); }

  const std::string& Text(int row, int col) const { return sdnew.cell(row, col).digits; }
  CellState State(int row, int col) const { return sdnew.cell(row, col).state; }
};

TEST_F(NewPuzzleBoard, EnteringADigitStrikesItFromOpenPeersAndTakingItBackReturnsIt) {
  NewPuzzlePanelMouseDown(sdnew, 5, 2, 5, MouseButton::Left);  // E2 = 5 first
  NewPuzzlePanelMouseDown(sdnew, 1, 1, 5, MouseButton::Left);  // then A1 = 5 (no clash)
  EXPECT_EQ(Text(1, 1), "5");
  EXPECT_EQ(State(1, 1), CellState::BigNumber);
  EXPECT_EQ(Text(1, 9), "12346789");   // row peer
  EXPECT_EQ(Text(2, 2), "12346789");   // box peer
  EXPECT_EQ(Text(9, 9), "123456789");  // no peer
  EXPECT_FALSE(sdnew.cell(1, 1).panel(5).visible);

  NewPuzzleCellMouseDown(sdnew, 1, 1, MouseButton::Left);
  EXPECT_EQ(State(1, 1), CellState::Open);
  EXPECT_EQ(Text(1, 1), "123456789");
  EXPECT_EQ(Text(1, 9), "123467895");  // given back, at the end
  EXPECT_EQ(Text(2, 2), "12346789");   // E2 still holds 5 in that column
  EXPECT_TRUE(sdnew.cell(1, 9).panel(5).visible);
}

TEST_F(NewPuzzleBoard, RightClickStrikesOneCandidateOfThatCellOnly) {
  sdnew.cell(3, 3).digits = "1357";
  NewPuzzlePanelMouseDown(sdnew, 3, 3, 5, MouseButton::Right);
  EXPECT_EQ(Text(3, 3), "137");
  EXPECT_EQ(State(3, 3), CellState::Open);
  EXPECT_EQ(Text(3, 4), "123456789");
  NewPuzzlePanelMouseDown(sdnew, 3, 3, 5, MouseButton::Right);  // already gone
  EXPECT_EQ(Text(3, 3), "137");
}

TEST_F(NewPuzzleBoard, MiddleButtonChangesNothing) {
  NewPuzzlePanelMouseDown(sdnew, 1, 1, 4, MouseButton::Left);
  NewPuzzlePanelMouseDown(sdnew, 1, 5, 3, MouseButton::Middle);
  NewPuzzleCellMouseDown(sdnew, 1, 1, MouseButton::Middle);
  NewPuzzleCellMouseDown(sdnew, 1, 1, MouseButton::Right);
  EXPECT_EQ(Text(1, 1), "4");
  EXPECT_EQ(Text(1, 5), "12356789");
}

TEST_F(NewPuzzleBoard, ClickOnAnOpenCellRecomputesItWithoutRepeatingDigitsInPeers) {
  NewPuzzlePanelMouseDown(sdnew, 9, 1, 7, MouseButton::Left);
  sdnew.cell(1, 1).digits = "345";
  sdnew.cell(1, 2).digits = "35";
  NewPuzzleCellMouseDown(sdnew, 1, 1, MouseButton::Left);
  EXPECT_EQ(Text(1, 1), "12345689");
  EXPECT_EQ(Text(1, 2), "35");
}

TEST_F(NewPuzzleBoard, ClashingEntriesAreMarkedAndBothKept) {
  NewPuzzlePanelMouseDown(sdnew, 1, 1, 6, MouseButton::Left);
  sdnew.cell(1, 8).digits = "67";  // as a candidate grid import may leave it
  NewPuzzlePanelMouseDown(sdnew, 1, 8, 6, MouseButton::Left);
  EXPECT_EQ(Text(1, 1), "6");
  EXPECT_EQ(Text(1, 8), "6");
  EXPECT_TRUE(sdnew.cell(1, 1).isError || sdnew.cell(1, 8).isError);

  NewPuzzleCellMouseDown(sdnew, 1, 8, MouseButton::Left);
  EXPECT_FALSE(sdnew.cell(1, 1).isError);
}

TEST_F(NewPuzzleBoard, LoadPuzzleCopiesEveryOneCharacterCellAsAnEnteredDigit) {
  TPICSD33 main{BoardPreset::MainWindow};
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      main.cell(r, c).state = CellState::Open;
      main.cell(r, c).digits.clear();
    }
  }
  main.cell(1, 1).state = CellState::Fixed;
  main.cell(1, 1).digits = "5";
  main.cell(1, 2).state = CellState::BigNumber;
  main.cell(1, 2).digits = "3";
  main.cell(2, 1).digits = "9";   // an open cell with one candidate
  main.cell(2, 2).digits = "12";  // pencil marks are not copied
  main.cell(9, 2).state = CellState::BigNumber;
  main.cell(9, 2).digits = "3";  // a wrong entry of the player, clashing with A2

  LoadPuzzleFromBoard(sdnew, main);
  EXPECT_EQ(State(1, 1), CellState::BigNumber);
  EXPECT_EQ(Text(1, 1), "5");
  EXPECT_EQ(State(1, 2), CellState::BigNumber);
  EXPECT_EQ(State(2, 1), CellState::BigNumber);
  EXPECT_EQ(Text(2, 1), "9");
  EXPECT_EQ(State(2, 2), CellState::Open);
  EXPECT_EQ(Text(2, 2), "124678");
  EXPECT_EQ(Text(5, 5), "123456789");
  EXPECT_TRUE(sdnew.HasError());
}

}  // namespace
}  // namespace vexlo::testing
