#include "core/puzzle_bank.h"

#include <gtest/gtest.h>


#include "core/grid.h"
#include "core/scripted_random_fixture.h"
#include "core/solver.h"

namespace vexlo {
namespace {

using testing::ScriptedRandom;

const std::string kSolution =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

// Bank lines told apart by their only given: line k has it in cell (1, k + 1).
std::vector<std::string> Lines(int n) {
  std::vector<std::string> lines;
  for (int k = 1; k <= n; ++k) {
    std::string puzzle(81, '0');
    puzzle[k] = kSolution[k];
    lines.push_back(MakeBankLine(puzzle, kSolution));
  }
  return lines;
}

// Which line a draw of k picks: the position of the only given. The 200 transformations
// that follow swap columns 7 and 8 back and forth, so the given stays where it was.
int DrawnWith(const std::vector<std::string>& lines, int k) {
  TQJ holder;
  std::deque<int> script{k};
  for (int i = 0; i < 200; ++i) script.insert(script.end(), {3, 1, 1});
  ScriptedRandom rng(script);
  holder.SetRandomSource(&rng);
  EXPECT_TRUE(DrawFromList(holder, lines, rng));
  EXPECT_EQ(rng.requests().front(), std::make_pair(1, static_cast<int>(lines.size())));
  const std::string puzzle = holder.GetPuzzle();
  return static_cast<int>(puzzle.find_first_not_of('0'));
}

TEST(PuzzleBank, EveryLineCanBeDrawnIncludingTheLast) {
  EXPECT_EQ(DrawnWith(Lines(1), 1), 1);
  const auto five = Lines(5);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(DrawnWith(five, k), k);
}

TEST(PuzzleBank, EmptyListOrUnknownLevelLeavesTheHolderAlone) {
  TQJ holder;
  RandomEngine rng(1);
  EXPECT_FALSE(DrawFromList(holder, {}, rng));
  EXPECT_FALSE(DrawBankPuzzle(holder, 5));
  EXPECT_FALSE(DrawBankPuzzle(holder, -1));
  EXPECT_EQ(holder.GetPuzzle(), std::string(81, '0'));
}

TEST(PuzzleBank, DrawingALevelLoadsOneOfItsLines) {
  TQJ holder;
  RandomEngine rng(7);
  holder.SetRandomSource(&rng);
  ASSERT_TRUE(DrawBankPuzzle(holder, 3));
  EXPECT_TRUE(IsValidSolution(holder.GetSolution()));
}

}  // namespace
}  // namespace vexlo
