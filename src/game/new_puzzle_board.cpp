#include "game/new_puzzle_board.h"

#include <algorithm>
#include <string>

#include "game/board_walk.h"

namespace vexlo {

namespace {

void ShowChange(TPICSD33& sdnew) {
  sdnew.FindConflict();
  sdnew.PaintAllCands();
}

}  // namespace

bool IsEnteredDigit(const std::string& text) {
  return text.size() == 1 && text[0] >= '1' && text[0] <= '9';
}

void LoadPuzzleFromBoard(TPICSD33& sdnew, const TPICSD33& main) {
  ForEachCell(sdnew, [&main](int r, int c, TPicNode& cell) {
    const std::string& text = main.cell(r, c).digits;
    if (IsEnteredDigit(text)) {
      cell.digits = text;
      cell.state = CellState::BigNumber;
    } else {
      cell.digits = "123456789";
      cell.state = CellState::Open;
    }
  });
  ForEachCell(sdnew, [&sdnew](int r, int c, TPicNode& cell) {
    if (cell.state == CellState::Open) cell.digits = sdnew.FreeDigits(r, c);
  });
  ShowChange(sdnew);
}

void NewPuzzleCellMouseDown(TPICSD33& sdnew, int row, int col, MouseButton button) {
  if (button != MouseButton::Left) return;
  TPicNode& cell = sdnew.cell(row, col);
  const std::string taken = cell.digits;
  cell.digits = sdnew.FreeDigits(row, col);
  cell.state = CellState::Open;
  // Only an entered digit was ever struck from the peers. Handing a whole candidate list
  // back would append it to peers that hold some of its digits and repeat them there.
  if (IsEnteredDigit(taken)) sdnew.RestoreToPeers(row, col, taken);
  ShowChange(sdnew);
}

void NewPuzzlePanelMouseDown(TPICSD33& sdnew, int row, int col, int digit, MouseButton button) {
  if (digit < 1 || digit > 9) return;
  TPicNode& cell = sdnew.cell(row, col);
  const char d = static_cast<char>('0' + digit);
  if (button == MouseButton::Left) {
    cell.digits = std::string(1, d);
    cell.state = CellState::BigNumber;
    // Entered peers keep their digit even when it clashes: the clash is marked, not erased.
    for (const auto& [r, c] : TPICSD33::PeersOf(row, col)) {
      TPicNode& peer = sdnew.cell(r, c);
      if (peer.state == CellState::Open) std::erase(peer.digits, d);
    }
  } else if (button == MouseButton::Right) {
    if (const auto at = cell.digits.find(d); at != std::string::npos) cell.digits.erase(at, 1);
    cell.state = CellState::Open;
  } else {
    return;
  }
  ShowChange(sdnew);
}

}  // namespace vexlo
