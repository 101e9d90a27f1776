#pragma once
// Small helpers to set up board positions in tests.

#include <string>

#include "board/board.h"

namespace vexlo::test {

inline void Put(TPICSD33& b, int row, int col, CellState state, const std::string& digits) {
  b.cell(row, col).state = state;
  b.cell(row, col).digits = digits;
}

// Every cell open and empty.
inline void ClearAll(TPICSD33& b) {
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) Put(b, r, c, CellState::Open, "");
  }
}

// A complete valid grid as big numbers (fixed in row 1).
inline void FillSolved(TPICSD33& b) {
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      const int d = ((r - 1) * 3 + (r - 1) / 3 + (c - 1)) % 9 + 1;
      Put(b, r, c, r == 1 ? CellState::Fixed : CellState::BigNumber, std::to_string(d));
    }
  }
}

// Which candidate panels show, as their digits ascending.
inline std::string VisiblePanels(const TPicNode& c) {
  std::string out;
  for (int d = 1; d <= 9; ++d) {
    if (c.panel(d).visible) out += static_cast<char>('0' + d);
  }
  return out;
}

}  // namespace vexlo::test
