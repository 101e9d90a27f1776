// "Show Solution": the stored solution without the solver, a typed-in puzzle through the
// solver, two solutions as text, no solution as a message; the game itself is not changed.
#include <gtest/gtest.h>

#include "game/board_walk.h"
#include "game/solution_lookup.h"
#include "game_fixture.h"
#include "played_puzzle_fixture.h"
#include "storage/board_state.h"

namespace vexlo::testing {
namespace {

TEST(ShowSolution, AsksFirstAndStopsOnNo) {
  GameFixture f;
  PlayPuzzle(f.game, kPuzzle, kSolution, OperationMode::PencilAndPaper);
  f.prompt.answers = {false};
  EXPECT_EQ(btsolveClick(f.game).show, SolutionShow::Nothing);
  EXPECT_EQ(f.prompt.questions,
            std::vector<std::string>{"Are you sure you want to see the solution?"});
  EXPECT_TRUE(f.prompt.messages.empty());
}

TEST(ShowSolution, StoredSolutionIsShownWithoutTheSolver) {
  GameFixture f;
  // The board's givens alone would have two solutions: only the stored one can be the answer.
  PlayPuzzle(f.game, kTwoSolutionPuzzle, kSolution, OperationMode::PencilAndPaper);
  const std::string board = WriteBoardState(f.game.sd991);
  const std::size_t steps = f.game.memostep.size();
  f.prompt.answers = {true};
  const SolutionAnswer answer = btsolveClick(f.game);
  EXPECT_EQ(answer.show, SolutionShow::Board);
  EXPECT_EQ(answer.solution, kSolution);
  EXPECT_FALSE(answer.computed);
  EXPECT_TRUE(f.prompt.messages.empty());
  EXPECT_EQ(WriteBoardState(f.game.sd991), board);
  EXPECT_EQ(f.game.memostep.size(), steps);
}

TEST(ShowSolution, TypedInPuzzleIsSolvedEveryTime) {
  GameFixture f;
  PlayPuzzle(f.game, kPuzzle, {}, OperationMode::AllCandidates);
  for (int run = 0; run < 2; ++run) {
    f.prompt.answers = {true};
    const SolutionAnswer answer = btsolveClick(f.game);
    EXPECT_EQ(answer.show, SolutionShow::Board);
    EXPECT_EQ(answer.solution, kSolution);
    EXPECT_TRUE(answer.computed);
    EXPECT_TRUE(f.game.QJ1.GetSolution().empty());  // never kept
  }
  EXPECT_TRUE(f.prompt.messages.empty());
}

TEST(ShowSolution, TwoSolutionsAreToldThenListedAsTwoBlocks) {
  GameFixture f;
  PlayPuzzle(f.game, kTwoSolutionPuzzle, {}, OperationMode::PencilAndPaper);
  f.prompt.answers = {true};
  const SolutionAnswer answer = btsolveClick(f.game);
  ASSERT_EQ(answer.show, SolutionShow::TwoSolutions);
  EXPECT_EQ(f.prompt.messages, std::vector<std::string>{
                                   "This Puzzle has at least two solutions,Press OK to view it."});

  const auto lines = TwoSolutionsLines(answer.solution, answer.second, EnglishText());
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[0], "Solution 1:");
  EXPECT_EQ(lines[10], "");
  EXPECT_EQ(lines[11], "");
  EXPECT_EQ(lines[12], "Solution 2:");
  std::string first, second;
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(lines[1 + i].size(), 9u);
    first += lines[1 + i];
    second += lines[13 + i];
  }
  EXPECT_EQ(first, answer.solution);
  EXPECT_EQ(second, answer.second);
  EXPECT_NE(first, second);
  // Both fit the givens.
  for (std::size_t i = 0; i < 81; ++i) {
    if (kTwoSolutionPuzzle[i] == '0') continue;
    EXPECT_EQ(first[i], kTwoSolutionPuzzle[i]);
    EXPECT_EQ(second[i], kTwoSolutionPuzzle[i]);
  }
}

TEST(ShowSolution, UnsolvablePuzzleIsToldAndNothingShown) {
  std::string clash(kPuzzle);
  clash[2] = '5';  // a second 5 in row A
  GameFixture f;
  PlayPuzzle(f.game, clash, {}, OperationMode::PencilAndPaper);
  f.prompt.answers = {true};
  EXPECT_EQ(btsolveClick(f.game).show, SolutionShow::Nothing);
  EXPECT_EQ(f.prompt.messages, std::vector<std::string>{"Puzzle is not solvable"});
}

TEST(ShowSolution, SolutionBoardKeepsGivensAndShowsTheRestAsBigNumbers) {
  GameFixture f;
  PlayPuzzle(f.game, kPuzzle, kSolution, OperationMode::AllCandidates);
  TPICSD33 shown(BoardPreset::Solution);
  FillSolutionBoard(shown, f.game.sd991, kSolution);
  ForEachCell(shown, [&](int r, int c, const TPicNode& cell) {
    const bool given = kPuzzle[static_cast<std::size_t>(9 * (r - 1) + c - 1)] != '0';
    EXPECT_EQ(cell.state, given ? CellState::Fixed : CellState::BigNumber);
    EXPECT_EQ(cell.digits, SolutionDigit(r, c));
    EXPECT_EQ(cell.caption, cell.digits);
    EXPECT_EQ(cell.fontSize, given ? shown.FONTSize1 : shown.FONTSize2);
    EXPECT_FALSE(cell.isError);
  });
}

}  // namespace
}  // namespace vexlo::testing
