#include "storage/board_fixture.h"

namespace vexlo::testing {

TPICSD33 BoardFromPuzzle(std::string_view puzzle, CellState givenState,
                         const std::string& openDigits) {
  TPICSD33 board;
  for (int index = 0; index < 81; ++index) {
    TPicNode& cell = board.cell(index / 9 + 1, index % 9 + 1);
    const char ch = static_cast<std::size_t>(index) < puzzle.size() ? puzzle[index] : '0';
    if (ch >= '1' && ch <= '9') {
      cell.state = givenState;
      cell.digits = std::string(1, ch);
    } else {
      cell.state = CellState::Open;
      cell.digits = openDigits;
    }
  }
  return board;
}

TPICSD33 SampleBoard() {
  TPICSD33 board = BoardFromPuzzle(kExamplePuzzle);
  board.cell(1, 1).state = CellState::BigNumber;
  board.cell(1, 1).digits = "7";
  board.cell(1, 4).digits = "1234789";
  board.cell(1, 5).digits = "249";
  board.cell(2, 1).digits = "921";
  return board;
}

void FillCandidates(TPICSD33& board) {
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      if (board.cell(row, col).state == CellState::Open) {
        board.cell(row, col).digits = board.FreeDigits(row, col);
      }
    }
  }
}

}  // namespace vexlo::testing
