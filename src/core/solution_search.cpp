#include "core/solution_search.h"

#include <bit>

namespace vexlo::search {
namespace {

// Guesses the ordered search may make before the question-by-question way takes over.
constexpr long kOrderedGuesses = 256;

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

namespace {

enum class Ordered { Found, None, OutOfBudget };

// Depth-first in the wanted order of cells and digits: the first solution reached is the
// extreme one, since propagation only removes what no solution uses. Quick when the board
// leaves a lot of freedom; a hard board can trap it, hence the budget.
Ordered OrderedFirst(const Board& b, Extreme order, long& budget, Board& out) {
  if (b.Remaining() == 0) {
    out = b;
    return Ordered::Found;
  }
  if (--budget < 0) return Ordered::OutOfBudget;
  const int cell = b.FirstOpenCell(order.reverseCells);
  Mask rest = b.Candidates(cell);
  while (rest) {
    const Mask bit = order.largestDigit ? static_cast<Mask>(1u << (15 - std::countl_zero(rest)))
                                        : static_cast<Mask>(rest & -rest);
    rest ^= bit;
    Board next = b;
    if (!next.Place(cell, bit) || !next.Propagate()) continue;
    const Ordered result = OrderedFirst(next, order, budget, out);
    if (result != Ordered::None) return result;
  }
  return Ordered::None;
}

// Cell by cell in the wanted order: keeps the witness's digit unless some solution has an
// earlier one there. Each question is an ordinary count, so no order of cells can trap it.
Board ExtremeByQuestions(const Board& board, const Board& witness, Extreme order) {
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

}  // namespace

Board ExtremeSolution(const Board& board, const Board& witness, Extreme order) {
  long budget = kOrderedGuesses;
  Board found;
  if (OrderedFirst(board, order, budget, found) == Ordered::Found) return found;
  return ExtremeByQuestions(board, witness, order);
}

}  // namespace vexlo::search
