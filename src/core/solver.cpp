#include "core/solver.h"

#include "core/grid.h"
#include "core/search_board.h"
#include "core/solution_search.h"

namespace vexlo {
namespace {

using search::Board;

// "1".."9" kept, every other character "0".
std::string GivensText(std::string_view text) {
  std::string out(text);
  for (char& ch : out) {
    if (DigitOf(ch) == 0) ch = '0';
  }
  return out;
}

bool HasEmptyCell(std::string_view text) {
  for (char ch : text) {
    if (DigitOf(ch) == 0) return true;
  }
  return false;
}

// The smallest solution of a board with at least one solution `any`, given how many
// solutions were counted (1 or 2).
std::string SmallestSolution(const Board& board, const Board& any, int count) {
  if (count == 1) return any.Text();
  return search::ExtremeSolution(board, any, {}).Text();
}

}  // namespace

bool CheckGivens(std::string_view text) {
  if (text.size() != kCellCount) return false;
  for (char ch : text) {
    if (DigitOf(ch) == 0 && ch != '0' && ch != '*') return false;
  }
  for (const UnitList& unit : Units()) {
    unsigned seen = 0;
    for (std::uint8_t cell : unit) {
      const int d = DigitOf(text[cell]);
      if (d == 0) continue;
      if (seen & (1u << d)) return false;
      seen |= 1u << d;
    }
  }
  return true;
}

SolveResult Solve(std::string_view text) {
  if (text.size() != kCellCount) return {SolveCode::NotSolved, std::string(kCellCount, '0')};
  SolveResult notSolved{SolveCode::NotSolved, GivensText(text)};
  // A full grid has nothing left to solve; conflicting givens have no solution.
  if (!HasEmptyCell(text) || !CheckGivens(notSolved.text)) return notSolved;
  Board board;
  Board any;
  if (!board.Load(text)) return notSolved;
  const int count = search::CountSolutions(board, 2, &any);
  if (count == 0) return notSolved;
  return {SolveCode::Solved, SmallestSolution(board, any, count)};
}

UniquenessResult CheckUniqueness(std::string_view givens, UniquenessCaller caller) {
  UniquenessResult out;
  if (givens.size() != kCellCount) return out;
  const std::string text = GivensText(givens);
  if (!CheckGivens(text)) return out;
  if (!HasEmptyCell(text)) {
    // The dialog counts a full consistent board as its own solution; the main window's
    // givens then leave nothing to solve.
    if (caller == UniquenessCaller::ImportOrCreate) {
      out.result = Uniqueness::Unique;
      out.s1 = text;
    }
    return out;
  }
  Board board;
  Board any;
  if (!board.Load(text)) return out;
  const int count = search::CountSolutions(board, 2, &any);
  if (count == 0) return out;
  if (count == 1) {
    out.result = Uniqueness::Unique;
    out.s1 = out.s2 = any.Text();
    return out;
  }
  // Several solutions: the smallest, then the smallest read from the last cell backwards,
  // and only if those agree, the largest.
  out.result = Uniqueness::Several;
  const Board first = search::ExtremeSolution(board, any, {});
  Board second = search::ExtremeSolution(board, first, {.reverseCells = true});
  if (second == first) second = search::ExtremeSolution(board, first, {.largestDigit = true});
  out.s1 = first.Text();
  out.s2 = second.Text();
  return out;
}

int CountSolutions(std::string_view givens, int limit, std::string* first) {
  Board board;
  Board any;
  if (givens.size() != kCellCount || !CheckGivens(GivensText(givens)) || !board.Load(givens)) return 0;
  const int count = search::CountSolutions(board, limit, &any);
  if (count > 0 && first) *first = any.Text();
  return count;
}

}  // namespace vexlo
