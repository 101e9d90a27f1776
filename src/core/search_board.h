#pragma once
// The solver's working grid, kept digit by digit: for each digit and each band (three rows)
// a 27-bit mask of the cells that may still hold it, plus the cells not yet placed. A placed
// cell stays in its own digit's mask, so every digit always has exactly one cell per row,
// column and box in a solution. Working on whole bands at once lets one table look-up do
// the box-line reasoning of a digit inside a band. Fixed-size and copied by value, so the
// search allocates nothing.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vexlo::search {

using Mask = std::uint16_t;  // a set of digits: bit d-1 for digit d
inline constexpr Mask kAllDigits = 0x1FF;

constexpr Mask BitOf(int digit) { return static_cast<Mask>(1u << (digit - 1)); }
int DigitOfBit(Mask bit);

class Board {
 public:
  // All cells open with every candidate.
  void Reset();
  // Loads "1".."9" givens (other characters empty) and propagates. False when the givens
  // contradict each other or propagation finds no way on.
  bool Load(std::string_view givens);

  bool IsOpen(int cell) const { return (unsolved_[cell / 27] >> (cell % 27)) & 1; }
  int Remaining() const { return remaining_; }
  // An open cell's candidates, or a placed cell's digit.
  Mask Candidates(int cell) const;

  // Places `bit` in an open cell (or accepts it again in a cell holding it). False on a
  // contradiction; the board is then unusable. Call Propagate afterwards.
  bool Place(int cell, Mask bit);
  // Keeps only the candidates in `mask` of a cell; false when none is left.
  bool Restrict(int cell, Mask mask);
  // Naked and hidden singles, and a digit's box-line reasoning inside each band, until
  // nothing changes; false on a contradiction.
  bool Propagate();

  // An open cell with the fewest candidates (two when there is one); among equals the
  // first in row-major order, or the last one when `backwards`. -1 when none is open.
  int BranchCell(bool backwards) const;

  // The first open cell in row-major order, or the last one when `fromEnd`; -1 when none.
  int FirstOpenCell(bool fromEnd) const;

  std::string Text() const;  // digits, "0" for open cells
  // Same cells placed and same candidates left; the bookkeeping of pending work is ignored.
  bool operator==(const Board& other) const {
    return cells_ == other.cells_ && unsolved_ == other.unsolved_;
  }

 private:
  bool PlaceDigit(int digit, int band, int pos);
  // Places the digit in several cells of one band at once.
  bool PlaceCells(int digit, int band, std::uint32_t placed);
  bool FilterBand(int index);
  bool NakedSingles(bool& placed);
  bool ColumnFilter(bool& placed);

  std::array<std::uint32_t, 27> cells_;  // [3 * (digit - 1) + band]: cells allowing the digit
  std::array<std::uint32_t, 3> unsolved_;  // per band: cells not yet placed
  std::uint32_t dirty_;         // digit bands to filter again, by index into cells_
  std::uint32_t columnDirty_;   // digits (bit d-1) whose columns to check again
  int remaining_;               // number of open cells
};

}  // namespace vexlo::search
