#pragma once
// The solver's working grid: a 9-bit candidate mask per cell, the digits placed in each
// unit and the set of open cells. Placing a digit removes it from the 20 peers and follows
// naked singles; Propagate adds hidden singles. Fixed-size and copied by value, so the
// search allocates nothing.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vexlo::search {

using Mask = std::uint16_t;
inline constexpr Mask kAllDigits = 0x1FF;

constexpr Mask BitOf(int digit) { return static_cast<Mask>(1u << (digit - 1)); }
int DigitOfBit(Mask bit);

struct Board {
  std::array<Mask, 81> cand;    // open cell: its candidates; placed cell: its digit's bit
  std::array<Mask, 27> placed;  // digits placed in each unit
  std::uint64_t open[2];        // open cells: bits 0..63 and 64..80
  int remaining;                // number of open cells
  std::uint32_t dirty;          // units whose cells changed since their last hidden-single scan

  bool IsOpen(int cell) const { return (open[cell >> 6] >> (cell & 63)) & 1; }

  // All cells open with every candidate.
  void Reset();
  // Places `bit` in an open cell (or accepts it again in a cell holding it) and follows
  // naked singles. False on a contradiction; the board is then unusable.
  bool Place(int cell, Mask bit);
  // Keeps only the candidates in `mask` of an open cell, placing a lone survivor.
  bool Restrict(int cell, Mask mask);
  // Hidden singles in all 27 units and locked candidates (a digit confined to one row or
  // column inside a box, or to one box inside a row or column) until nothing changes;
  // false on a contradiction.
  bool Propagate();
  // Loads "1".."9" givens (other characters empty) and propagates. False when the givens
  // contradict each other or propagation finds no way on.
  bool Load(std::string_view givens);

  std::string Text() const;  // digits, "0" for open cells

 private:
  bool HiddenSingles();
  bool LockedCandidates(bool& changed);
  bool Eliminate(int cell, Mask digits);
};

// Counts the solutions of a propagated board up to `limit`; the first one found goes to
// `first` when given. The search branches on a cell with the fewest candidates.
int CountSolutions(const Board& board, int limit, Board* first);

// The order in which the extreme solution is chosen.
struct Extreme {
  bool reverseCells = false;  // cells from (9,9) back to (1,1)
  bool largestDigit = false;  // prefer the largest digit instead of the smallest
};

// The first solution in that order among those of `board`, given any solution `witness`
// of it. Only branches that still hold a solution are followed.
Board ExtremeSolution(const Board& board, const Board& witness, Extreme order);

}  // namespace vexlo::search
