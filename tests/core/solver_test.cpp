#include "core/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/grid.h"
#include "core/reference_solver_fixture.h"

namespace vexlo {
namespace {

using testing::ReadPuzzleFile;
using testing::ReferenceCheckUniqueness;
using testing::ReferenceSolve;

// A 17-given puzzle with one solution, and the same with its first given removed (16
// givens, several solutions).
const std::string kUnique =
    "000000010400000000020000000000050407008000300001090000300400200050100000000806000";
const std::string kSeveral =
    "000000000400000000020000000000050407008000300001090000300400200050100000000806000";
const std::string kEmpty(81, '0');
const std::string kLexSmallestGrid =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

std::string Zeroed(std::string s) {
  for (char& ch : s) {
    if (DigitOf(ch) == 0) ch = '0';
  }
  return s;
}

// Both solvers must agree wherever the slow one finishes; returns false when it gave up.
bool AgreesWithReference(const std::string& puzzle, long cap = testing::kDefaultNodeCap) {
  const auto ref = ReferenceSolve(puzzle, cap);
  if (!ref) return false;
  const SolveResult fast = Solve(puzzle);
  EXPECT_EQ(static_cast<int>(fast.code), static_cast<int>(ref->code)) << puzzle;
  EXPECT_EQ(fast.text, ref->text) << puzzle;
  const bool full = std::none_of(puzzle.begin(), puzzle.end(), [](char ch) { return DigitOf(ch) == 0; });
  std::optional<UniquenessResult> refCheck;
  for (UniquenessCaller caller : {UniquenessCaller::MainWindow, UniquenessCaller::ImportOrCreate}) {
    // The callers differ only on a board without an empty cell.
    if (!refCheck || full) refCheck = ReferenceCheckUniqueness(puzzle, caller, cap);
    if (!refCheck) return false;
    const UniquenessResult check = CheckUniqueness(puzzle, caller);
    EXPECT_EQ(static_cast<int>(check.result), static_cast<int>(refCheck->result)) << puzzle;
    if (check.result != Uniqueness::NoSolution) {
      EXPECT_EQ(check.s1, refCheck->s1) << puzzle;
      EXPECT_EQ(check.s2, refCheck->s2) << puzzle;
    }
  }
  return true;
}

TEST(Solver, UniquePuzzleSolvesToItsOnlySolution) {
  const SolveResult solved = Solve(kUnique);
  EXPECT_EQ(solved.code, SolveCode::Solved);
  EXPECT_TRUE(IsValidSolution(solved.text));
  const UniquenessResult check = CheckUniqueness(kUnique, UniquenessCaller::MainWindow);
  EXPECT_EQ(check.result, Uniqueness::Unique);
  EXPECT_EQ(check.s1, solved.text);
  EXPECT_EQ(check.s2, solved.text);
  EXPECT_TRUE(AgreesWithReference(kUnique));
}

TEST(Solver, SeveralSolutionsGiveTheSmallestAndASecondOne) {
  const UniquenessResult check = CheckUniqueness(kSeveral, UniquenessCaller::MainWindow);
  EXPECT_EQ(check.result, Uniqueness::Several);
  EXPECT_NE(check.s1, check.s2);
  EXPECT_TRUE(IsValidSolution(check.s1));
  EXPECT_TRUE(IsValidSolution(check.s2));
  EXPECT_EQ(Solve(kSeveral).text, check.s1);
  EXPECT_TRUE(AgreesWithReference(kSeveral));
}

TEST(Solver, EmptyBoardHasSeveralSolutionsTheSmallestFirst) {
  EXPECT_EQ(Solve(kEmpty).text, kLexSmallestGrid);
  const UniquenessResult check = CheckUniqueness(std::string(81, '*'), UniquenessCaller::MainWindow);
  EXPECT_EQ(check.result, Uniqueness::Several);
  EXPECT_EQ(check.s1, kLexSmallestGrid);
  EXPECT_TRUE(AgreesWithReference(kEmpty));
}

// Puzzles whose reverse-order smallest solution equals the smallest one, so the largest
// decides: remove two givens from a unique puzzle in cells whose digits can swap.
TEST(Solver, SecondSolutionComesFromTheLargestWhenTheReverseRunAgrees) {
  std::size_t thirdRuns = 0;
  for (const std::string& p : ReadPuzzleFile("serg_benchmark.txt", 300)) {
    const auto ref = ReferenceCheckUniqueness(p, UniquenessCaller::MainWindow, 20000);
    if (!ref) continue;
    std::string rev = ReferenceSolve(std::string(p.rbegin(), p.rend()), 20000)->text;
    std::reverse(rev.begin(), rev.end());
    if (rev != ref->s1) {
      ++thirdRuns;
      EXPECT_TRUE(AgreesWithReference(p, 20000));
    }
  }
  EXPECT_GT(thirdRuns, 0u);
}

TEST(Solver, ConflictingGivensAreNotSolved) {
  std::string twoFives = kEmpty;
  twoFives[0] = '5';
  twoFives[8] = '5';
  const SolveResult solved = Solve(twoFives);
  EXPECT_EQ(solved.code, SolveCode::NotSolved);
  EXPECT_EQ(solved.text, twoFives);
  EXPECT_FALSE(CheckGivens(twoFives));
  EXPECT_EQ(CheckUniqueness(twoFives, UniquenessCaller::MainWindow).result, Uniqueness::NoSolution);
  // Also when the conflict sits in a box only, with other characters for empty cells.
  std::string boxConflict(81, '.');
  boxConflict[0] = '7';
  boxConflict[20] = '7';
  EXPECT_EQ(Solve(boxConflict).code, SolveCode::NotSolved);
  EXPECT_EQ(Solve(boxConflict).text, Zeroed(boxConflict));
}

TEST(Solver, FirstEmptyCellWithoutCandidatesReturnsTheGivens) {
  // Row 1 holds 1..8 in columns 2..9 and r2c1 holds 9: r1c1 has no candidate.
  std::string p = "012345678900000000" + std::string(63, '0');
  const SolveResult solved = Solve(p);
  EXPECT_EQ(solved.code, SolveCode::NotSolved);
  EXPECT_EQ(solved.text, p);
  EXPECT_EQ(CheckUniqueness(p, UniquenessCaller::MainWindow).result, Uniqueness::NoSolution);
  EXPECT_TRUE(AgreesWithReference(p));
}

TEST(Solver, FullBoardDependsOnTheCaller) {
  const SolveResult solved = Solve(kLexSmallestGrid);
  EXPECT_EQ(solved.code, SolveCode::NotSolved);
  EXPECT_EQ(solved.text, kLexSmallestGrid);
  EXPECT_EQ(CheckUniqueness(kLexSmallestGrid, UniquenessCaller::MainWindow).result,
            Uniqueness::NoSolution);
  const UniquenessResult create = CheckUniqueness(kLexSmallestGrid, UniquenessCaller::ImportOrCreate);
  EXPECT_EQ(create.result, Uniqueness::Unique);
  EXPECT_EQ(create.s1, kLexSmallestGrid);
  EXPECT_TRUE(create.s2.empty());
  EXPECT_TRUE(AgreesWithReference(kLexSmallestGrid));
}

TEST(Solver, FullBoardWithAConflictIsNeverSolved) {
  std::string broken = kLexSmallestGrid;
  std::swap(broken[0], broken[1]);  // columns 1 and 2 now repeat digits
  EXPECT_EQ(CheckUniqueness(broken, UniquenessCaller::ImportOrCreate).result,
            Uniqueness::NoSolution);
  EXPECT_EQ(CheckUniqueness(broken, UniquenessCaller::MainWindow).result, Uniqueness::NoSolution);
}

TEST(Solver, CheckGivensReadsZeroAndStarAsEmpty) {
  EXPECT_TRUE(CheckGivens(kUnique));
  EXPECT_TRUE(CheckGivens(std::string(81, '*')));
  EXPECT_TRUE(CheckGivens(kLexSmallestGrid));
  EXPECT_FALSE(CheckGivens(kUnique.substr(1)));
  std::string columnConflict = kEmpty;
  columnConflict[4] = '3';
  columnConflict[76] = '3';
  EXPECT_FALSE(CheckGivens(columnConflict));
}

TEST(Solver, WrongLengthIsNotSolved) {
  EXPECT_EQ(Solve(kUnique.substr(1)).code, SolveCode::NotSolved);
  EXPECT_EQ(Solve("").text, kEmpty);
  EXPECT_EQ(CheckUniqueness(kUnique + "1", UniquenessCaller::ImportOrCreate).result,
            Uniqueness::NoSolution);
}

TEST(Solver, CountSolutionsStopsAtTheLimit) {
  std::string first;
  EXPECT_EQ(CountSolutions(kUnique, 2, &first), 1);
  EXPECT_EQ(first, Solve(kUnique).text);
  EXPECT_EQ(CountSolutions(kSeveral, 2), 2);
  EXPECT_EQ(CountSolutions(kEmpty, 5), 5);
}

// Evenly spread samples of every public set against the step-by-step search.
class PublicSetSample : public ::testing::TestWithParam<const char*> {};

TEST_P(PublicSetSample, AgreesWithTheReference) {
  const std::vector<std::string> sample = ReadPuzzleFile(GetParam(), 40);
  ASSERT_FALSE(sample.empty());
  std::size_t decided = 0;
  for (const std::string& p : sample) decided += AgreesWithReference(p) ? 1 : 0;
  // The slow search gives up on a few very hard puzzles; most must be compared.
  EXPECT_GE(decided * 4, sample.size() * 3) << decided << " of " << sample.size();
}

INSTANTIATE_TEST_SUITE_P(Sets, PublicSetSample,
                         ::testing::Values("17_clue.txt", "magictour_top1465.txt",
                                           "forum_hardest_1905_11plus.txt",
                                           "forum_hardest_1106.txt", "serg_benchmark.txt"));

// Hard puzzles with a few givens taken away have a handful to thousands of solutions; the
// extreme ones sit behind large dead branches, which a search in cell order cannot skip.
TEST(Solver, HardPuzzlesWithGivensRemovedAgreeWithTheReference) {
  std::size_t decided = 0, tried = 0;
  for (const std::string& puzzle : ReadPuzzleFile("forum_hardest_1106.txt", 12)) {
    for (int removed = 1; removed <= 4; ++removed) {
      std::string board = puzzle;
      // Take away the first `removed` givens from the end of the grid.
      for (int cell = 80, left = removed; cell >= 0 && left > 0; --cell) {
        if (DigitOf(board[cell]) != 0) {
          board[cell] = '.';
          --left;
        }
      }
      ++tried;
      decided += AgreesWithReference(board, 2000000) ? 1 : 0;
    }
  }
  EXPECT_GE(decided * 2, tried) << decided << " of " << tried;
}

// True when some unit has n empty cells whose candidates together hold fewer than n
// digits: such a puzzle has no solution.
bool HasHallViolation(const std::string& p) {
  for (const UnitList& unit : Units()) {
    std::vector<unsigned> masks;
    for (std::uint8_t cell : unit) {
      if (DigitOf(p[cell]) != 0) continue;
      unsigned free = 0x3FE;
      for (std::uint8_t peer : PeersOf(cell)) free &= ~(1u << DigitOf(p[peer]));
      masks.push_back(free);
    }
    for (unsigned subset = 1; subset < (1u << masks.size()); ++subset) {
      unsigned digits = 0;
      for (std::size_t i = 0; i < masks.size(); ++i) {
        if (subset & (1u << i)) digits |= masks[i];
      }
      if (std::popcount(digits) < std::popcount(subset)) return true;
    }
  }
  return false;
}

TEST(Solver, PathologicalPuzzlesHaveNoSolution) {
  const std::vector<std::string> all = ReadPuzzleFile("pathological_nosolution.txt");
  ASSERT_EQ(all.size(), 4u);
  for (const std::string& p : all) {
    // The slow search cannot finish most of these; a unit with too few digits for its
    // empty cells proves there is no solution.
    EXPECT_TRUE(HasHallViolation(p)) << p;
    const SolveResult solved = Solve(p);
    EXPECT_EQ(solved.code, SolveCode::NotSolved) << p;
    EXPECT_EQ(solved.text, Zeroed(p));
    EXPECT_EQ(CheckUniqueness(p, UniquenessCaller::MainWindow).result, Uniqueness::NoSolution);
    AgreesWithReference(p, 20000);
  }
}

}  // namespace
}  // namespace vexlo
