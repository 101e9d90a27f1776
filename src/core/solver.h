#pragma once
// The backtracking solver: finds the smallest solution of a puzzle in row-major order of
// cells and ascending digits, and decides whether a puzzle has no, one or several
// solutions (three runs: as is, turned by 180 degrees, digits d -> 10 - d).
// Results equal a plain first-empty-cell depth-first search with singles, but a strong
// propagating solver does the work, so no input keeps the caller busy for long.

#include <string>
#include <string_view>

namespace vexlo {

enum class SolveCode { Solved = 0, NotSolved = 1 };

struct SolveResult {
  SolveCode code = SolveCode::NotSolved;
  std::string text;  // 81 digits: the solution, or the givens with "0" for empty cells
};

enum class Uniqueness { Unique = 0, NoSolution = 1, Several = 2 };

// Where the givens of a uniqueness check come from.
enum class UniquenessCaller {
  MainWindow,     // a board with every cell given has no solution to find
  ImportOrCreate  // a board without any empty cell counts as solved: S1 is that board
};

struct UniquenessResult {
  Uniqueness result = Uniqueness::NoSolution;
  std::string s1;  // first solution found (empty when not assigned)
  std::string s2;  // solution of the last comparison run (empty when not assigned)
};

// 81 characters, "1".."9" givens, "0" or "*" empty: true when no digit repeats in a unit.
// Any other character, or another length, is false.
bool CheckGivens(std::string_view text);

// 81 characters, "1".."9" givens, any other character empty. Solved: the smallest solution.
// Not solved (no solution, conflicting givens, no empty cell, wrong length): the givens
// with "0" for empty cells (81 "0" for a wrong length).
SolveResult Solve(std::string_view text);

// Givens as for Solve. When the result is Several, s1 and s2 are two different solutions.
UniquenessResult CheckUniqueness(std::string_view givens, UniquenessCaller caller);

// Number of solutions of the givens ("1".."9", other characters empty), counted up to
// `limit`; the first one found goes to `first` when given. Conflicting givens have none.
int CountSolutions(std::string_view givens, int limit, std::string* first = nullptr);

}  // namespace vexlo
