#include "core/solution_search.h"

namespace vexlo::search {
namespace {

struct Counter {
  int limit;
  int found = 0;
  Board* first;
  bool backwards;  // which end of the grid the cell choice starts from
  long budget;     // guesses left before this attempt gives up
};

// False when the budget ran out before the count was decided.
bool Count(Board& b, Counter& counter) {
  if (b.Remaining() == 0) {
    if (counter.found++ == 0 && counter.first) *counter.first = b;
    return true;
  }
  if (--counter.budget < 0) return false;
  const int cell = b.BranchCell(counter.backwards);
  Mask rest = b.Candidates(cell);
  while (rest) {
    const Mask bit = static_cast<Mask>(rest & -rest);
    rest ^= bit;
    if (rest == 0) {
      // Last candidate: no need to keep the board.
      return !(b.Place(cell, bit) && b.Propagate()) || Count(b, counter);
    }
    Board next = b;
    if (next.Place(cell, bit) && next.Propagate() && !Count(next, counter)) return false;
    if (counter.found >= counter.limit) return true;
  }
  return true;
}

}  // namespace

// A depth-first search sometimes sinks into a large branch without a solution that another
// cell order would have left at once. The search therefore runs with a guess budget,
// alternating between two cell orders and doubling the budget after each pair of attempts;
// any attempt that ends decides the count, so the result never depends on the order. The
// first budget covers every puzzle of the public hard sets in one attempt.
int CountSolutions(const Board& board, int limit, Board* first) {
  for (long budget = 2048;; budget *= 2) {
    for (bool backwards : {false, true}) {
      Counter counter{limit, 0, first, backwards, budget};
      Board work = board;
      if (Count(work, counter)) return counter.found;
    }
  }
}

Board ExtremeSolution(const Board& board, const Board& witness, Extreme order) {
  Board state = board;
  Board best = witness;
  for (int step = 0; step < 81; ++step) {
    const int cell = order.reverseCells ? 80 - step : step;
    if (!state.IsOpen(cell)) continue;
    for (;;) {
      // Candidates that come before the witness's digit in the wanted order.
      const Mask have = best.Candidates(cell);
      const Mask before =
          order.largestDigit ? static_cast<Mask>(kAllDigits & ~((have << 1) - 1)) : static_cast<Mask>(have - 1);
      if (!(state.Candidates(cell) & before)) break;
      Board trial = state;
      Board found;
      if (!trial.Restrict(cell, before) || !trial.Propagate() || CountSolutions(trial, 1, &found) == 0) break;
      best = found;
    }
    // `best` extends `state`, so this cannot fail.
    state.Place(cell, best.Candidates(cell));
    state.Propagate();
  }
  return best;
}

}  // namespace vexlo::search
