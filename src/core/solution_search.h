#pragma once
// Searches over a propagated board: counting solutions, and the first solution in a fixed
// order of cells and digits.

#include "core/search_board.h"

namespace vexlo::search {

// Counts the solutions of a propagated board up to `limit`; the first one found goes to
// `first` when given.
int CountSolutions(const Board& board, int limit, Board* first);

// The order in which the extreme solution is chosen.
struct Extreme {
  bool reverseCells = false;  // cells from (9,9) back to (1,1)
  bool largestDigit = false;  // prefer the largest digit instead of the smallest
};

// The first solution in that order among those of `board`, given any solution `witness`
// of it: a short search in that order when it gets through, otherwise cell by cell with
// one counting question each.
Board ExtremeSolution(const Board& board, const Board& witness, Extreme order);

}  // namespace vexlo::search
