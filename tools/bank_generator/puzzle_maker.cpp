#include "puzzle_maker.h"

#include <numeric>
#include <vector>

#include "core/grid.h"
#include "core/solver.h"

namespace vexlo::bankgen {
namespace {

std::vector<int> Shuffled(int n, RandomSource& rng) {
  std::vector<int> v(n);
  std::iota(v.begin(), v.end(), 0);
  for (int i = n - 1; i > 0; --i) std::swap(v[i], v[rng.Uniform(0, i)]);
  return v;
}

}  // namespace

std::string RandomSolution(RandomSource& rng) {
  std::string grid(81, '0');
  for (;;) {
    std::string first;
    const int count = CountSolutions(grid, 2, &first);
    if (count == 1) return first;
    const int cell = rng.Uniform(0, 80);
    if (grid[cell] != '0') continue;
    std::string trial = grid;
    trial[cell] = static_cast<char>('0' + rng.Uniform(1, 9));
    if (CountSolutions(trial, 1) == 1) grid = trial;
  }
}

std::string MinimalPuzzle(const std::string& solution, RandomSource& rng) {
  std::string puzzle = solution;
  for (int cell : Shuffled(81, rng)) {
    const char keep = puzzle[cell];
    puzzle[cell] = '0';
    if (CountSolutions(puzzle, 2) != 1) puzzle[cell] = keep;
  }
  return puzzle;
}

std::string WithGivens(std::string puzzle, const std::string& solution, int givens,
                       RandomSource& rng) {
  for (int cell : Shuffled(81, rng)) {
    if (CountGivens(puzzle) >= givens) break;
    puzzle[cell] = solution[cell];
  }
  return puzzle;
}

std::string NormalBankLine(const std::string& puzzle, const std::string& solution) {
  char rename[10] = {};
  for (int c = 0; c < 9; ++c) rename[solution[c] - '0'] = static_cast<char>('1' + c);
  std::string p = puzzle, s = solution;
  for (int i = 0; i < 81; ++i) {
    s[i] = rename[s[i] - '0'];
    if (p[i] != '0') p[i] = s[i];
  }
  return MakeBankLine(p, s);
}

int CountGivens(const std::string& puzzle) {
  int n = 0;
  for (char ch : puzzle) n += DigitOf(ch) != 0;
  return n;
}

}  // namespace vexlo::bankgen
