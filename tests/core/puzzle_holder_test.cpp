#include "core/puzzle_holder.h"

#include <gtest/gtest.h>

#include "core/grid.h"
#include "core/puzzle_bank.h"
#include "core/scripted_random_fixture.h"
#include "core/solver.h"

namespace vexlo {
namespace {

using testing::ScriptedRandom;

// Row r of the solution is the digits shifted by a pattern that keeps it a valid grid;
// givens on the main diagonal only.
const std::string kSolution =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

std::string Line() {
  std::string puzzle(81, '0');
  for (int i = 0; i < 9; ++i) puzzle[CellIndex(i + 1, i + 1)] = kSolution[CellIndex(i + 1, i + 1)];
  return MakeBankLine(puzzle, kSolution);
}

// A holder loaded with Line() and no transformation (the draw script holds no step).
TQJ Loaded() {
  TQJ holder;
  EXPECT_EQ(holder.LoadPuzzle(BankLinePuzzle(Line())), LoadError::None);
  EXPECT_EQ(holder.LoadSolution(kSolution), LoadError::None);
  return holder;
}

TEST(PuzzleHolder, FreshHolderHasNoPuzzleAndNoSolution) {
  const TQJ holder;
  EXPECT_EQ(holder.GetPuzzle(), std::string(81, '0'));
  EXPECT_EQ(holder.GetSolution(), "");
  EXPECT_EQ(holder.node(9, 4).row, 9);
  EXPECT_EQ(holder.node(9, 4).col, 4);
}

TEST(PuzzleHolder, EachStepDrawsKindThenPairInThisOrder) {
  struct Case {
    std::deque<int> draws;
    bool rows;  // else columns
    int first, second;
  };
  // (a, b) drawn as 1..3 and 1..2 become the six ordered pairs of different numbers.
  const Case cases[] = {
      {{1, 1, 1}, false, 1, 2}, {{1, 1, 2}, false, 1, 3}, {{2, 2, 1}, false, 5, 4},
      {{2, 2, 2}, false, 5, 6}, {{3, 3, 1}, false, 9, 7}, {{3, 3, 2}, false, 9, 8},
      {{4, 1, 1}, true, 1, 2},  {{5, 2, 2}, true, 5, 6},  {{6, 3, 1}, true, 9, 7},
  };
  for (const Case& c : cases) {
    TQJ holder = Loaded();
    const TQJ before = holder;
    ScriptedRandom rng(c.draws);
    holder.SetRandomSource(&rng);
    holder.Shuffle(1);
    EXPECT_TRUE(rng.exhausted());
    EXPECT_EQ(rng.requests(), (std::vector<std::pair<int, int>>{{1, 7}, {1, 3}, {1, 2}}));
    for (int k = 1; k <= 9; ++k) {
      auto at = [&](const TQJ& h, int line) -> const TNode& {
        return c.rows ? h.node(line, k) : h.node(k, line);
      };
      EXPECT_EQ(at(holder, c.first).value, at(before, c.second).value);
      EXPECT_EQ(at(holder, c.second).value, at(before, c.first).value);
      EXPECT_EQ(at(holder, c.first).given, at(before, c.second).given);
      EXPECT_EQ(at(holder, c.first).row, c.rows ? c.first : k);  // records stay in place
    }
    EXPECT_TRUE(IsValidSolution(holder.GetSolution()));
  }
}

TEST(PuzzleHolder, DigitExchangeDrawsTwoMoreAndBreaksTies) {
  struct Case {
    int x, y, swappedWith;
  };
  // y = x becomes x + 1, or 1 when x is 9.
  for (const Case& c : {Case{3, 5, 5}, Case{4, 4, 5}, Case{9, 9, 1}, Case{8, 2, 2}}) {
    TQJ holder = Loaded();
    const TQJ before = holder;
    ScriptedRandom rng({7, 2, 1, c.x, c.y});
    holder.SetRandomSource(&rng);
    holder.Shuffle(1);
    EXPECT_EQ(rng.requests().size(), 5u);
    EXPECT_EQ(rng.requests()[3], std::make_pair(1, 9));
    for (int r = 1; r <= 9; ++r) {
      for (int col = 1; col <= 9; ++col) {
        const int v = before.node(r, col).value;
        const int want = v == c.x ? c.swappedWith : v == c.swappedWith ? c.x : v;
        EXPECT_EQ(holder.node(r, col).value, want);
        EXPECT_EQ(holder.node(r, col).given, before.node(r, col).given);
      }
    }
  }
}

TEST(PuzzleHolder, ShuffleOfLessThanOneDoesNothing) {
  for (int n : {0, -5}) {
    TQJ holder = Loaded();
    ScriptedRandom rng({});
    holder.SetRandomSource(&rng);
    holder.Shuffle(n);
    EXPECT_TRUE(rng.requests().empty());
    EXPECT_EQ(holder.GetPuzzle(), BankLinePuzzle(Line()));
    EXPECT_EQ(holder.GetSolution(), kSolution);
  }
}

TEST(PuzzleHolder, BankLineLoadsAsAScrambledPuzzleWithItsSolution) {
  for (int level = 0; level < kBankLevels; ++level) {
    const auto list = Tfrmtk::Builtin().List(level);
    ASSERT_FALSE(list.empty());
    TQJ holder;
    RandomEngine rng(level);
    holder.SetRandomSource(&rng);
    ASSERT_EQ(holder.LoadBankLine(list.front()), LoadError::None);
    const std::string solution = holder.GetSolution();
    EXPECT_TRUE(IsValidSolution(solution));
    const SolveResult solved = Solve(holder.GetPuzzle());
    EXPECT_EQ(solved.code, SolveCode::Solved);
    EXPECT_EQ(solved.text, solution);
    EXPECT_EQ(CheckUniqueness(holder.GetPuzzle(), UniquenessCaller::MainWindow).result,
              Uniqueness::Unique);
    // The same seed gives the same disguise.
    TQJ again;
    RandomEngine same(level);
    again.SetRandomSource(&same);
    ASSERT_EQ(again.LoadBankLine(list.front()), LoadError::None);
    EXPECT_EQ(again.GetPuzzle(), holder.GetPuzzle());
  }
}

TEST(PuzzleHolder, BadTextIsRefusedAndLeavesTheHolderAlone) {
  std::string badLetter = Line();
  badLetter[40] = 'J';
  std::string badDigit = Line();
  badDigit[3] = '0';
  std::string badPuzzle = BankLinePuzzle(Line());
  badPuzzle[10] = '.';
  struct Case {
    LoadError (TQJ::*load)(std::string_view);
    std::string text;
    LoadError error;
  };
  for (const Case& c : {Case{&TQJ::LoadBankLine, badLetter, LoadError::BadCharacter},
                        Case{&TQJ::LoadBankLine, badDigit, LoadError::BadCharacter},
                        Case{&TQJ::LoadBankLine, Line() + "A", LoadError::BadLength},
                        Case{&TQJ::LoadPuzzle, badPuzzle, LoadError::BadCharacter},
                        Case{&TQJ::LoadSolution, "x" + kSolution.substr(1), LoadError::BadCharacter}}) {
    TQJ holder = Loaded();
    EXPECT_EQ((holder.*c.load)(c.text), c.error) << c.text;
    EXPECT_EQ(holder.GetPuzzle(), BankLinePuzzle(Line()));
    EXPECT_EQ(holder.GetSolution(), kSolution);
  }
}

TEST(PuzzleHolder, LoadPuzzleTrimsAndKeepsItsLengthRule) {
  TQJ holder = Loaded();
  EXPECT_EQ(holder.LoadPuzzle(" " + BankLinePuzzle(Line()) + "\r\n"), LoadError::None);
  EXPECT_EQ(holder.GetPuzzle(), BankLinePuzzle(Line()));
  EXPECT_EQ(holder.GetSolution(), "");  // the solution is unknown after LoadPuzzle alone

  // 80 characters: values cleared, given flags as they were.
  holder = Loaded();
  EXPECT_EQ(holder.LoadPuzzle(std::string(80, '5')), LoadError::BadLength);
  EXPECT_EQ(holder.GetPuzzle(), std::string(81, '0'));
  EXPECT_TRUE(holder.node(1, 1).given);
  EXPECT_FALSE(holder.node(1, 2).given);
  EXPECT_EQ(holder.LoadSolution(kSolution), LoadError::None);
  EXPECT_EQ(holder.GetPuzzle(), BankLinePuzzle(Line()));
}

TEST(PuzzleHolder, SolutionIsEmptyWhenAnyValueIsMissing) {
  TQJ holder = Loaded();
  holder.node(5, 5).value = 0;
  EXPECT_EQ(holder.GetSolution(), "");
  holder = Loaded();
  holder.ClearValues();
  EXPECT_EQ(holder.GetSolution(), "");
  EXPECT_TRUE(holder.node(9, 9).given);
  EXPECT_EQ(holder.GetPuzzle(), std::string(81, '0'));
}

}  // namespace
}  // namespace vexlo
