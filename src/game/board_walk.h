#pragma once
// Row-major walks over the 81 cells of a board.

namespace vexlo {

// Calls visit(row, col, cell) for every cell, row by row.
template <typename Board, typename Visit>
void ForEachCell(Board& board, Visit&& visit) {
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) visit(r, c, board.cell(r, c));
  }
}

// True when pred(cell) holds for some cell.
template <typename Board, typename Pred>
bool AnyCell(const Board& board, Pred&& pred) {
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      if (pred(board.cell(r, c))) return true;
    }
  }
  return false;
}

}  // namespace vexlo
