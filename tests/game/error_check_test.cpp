// "Check Error": wrong entries are painted in place, a clean board is told so, nothing else
// on the board changes.
#include <gtest/gtest.h>

#include <array>

#include "game/error_check.h"
#include "game_fixture.h"
#include "played_puzzle_fixture.h"
#include "storage/board_state.h"

namespace vexlo::testing {
namespace {

constexpr std::array<OperationMode, 3> kModes = {
    OperationMode::PencilAndPaper, OperationMode::PartCandidates, OperationMode::AllCandidates};

bool PanelsAre(const TPicNode& cell, Color color) {
  for (const CandidatePanel& panel : cell.panels) {
    if (panel.background != color) return false;
  }
  return true;
}

TEST(ErrorCheck, CleanBoardIsToldInEveryMode) {
  for (OperationMode mode : kModes) {
    SCOPED_TRACE(static_cast<int>(mode));
    GameFixture f;
    PlayPuzzle(f.game, kPuzzle, kSolution, mode);
    TPicNode& placed = f.game.sd991.cell(1, 3);
    placed.state = CellState::BigNumber;
    placed.digits = SolutionDigit(1, 3);
    const ErrorCheckResult result = btcheckClick(f.game);
    EXPECT_EQ(result.wrongCells, 0);
    EXPECT_EQ(f.prompt.messages, std::vector<std::string>{"No error found."});
  }
}

TEST(ErrorCheck, WrongBigNumberTurnsRedWithoutAMessage) {
  GameFixture f;
  PlayPuzzle(f.game, kPuzzle, kSolution, OperationMode::AllCandidates);
  TPicNode& wrong = f.game.sd991.cell(1, 3);
  wrong.state = CellState::BigNumber;
  wrong.digits = "1";  // the solution has 4
  const std::string before = WriteBoardState(f.game.sd991);

  EXPECT_EQ(btcheckClick(f.game).wrongCells, 1);
  EXPECT_TRUE(f.prompt.messages.empty());
  EXPECT_EQ(wrong.background, kCheckErrorColor);
  EXPECT_EQ(WriteBoardState(f.game.sd991), before);  // states and texts untouched
  EXPECT_NE(f.game.sd991.cell(1, 4).background, kCheckErrorColor);
}

TEST(ErrorCheck, CandidatesLackingTheSolutionDigitAreCheckedOnlyInCandidateModes) {
  struct Case {
    OperationMode mode;
    bool red;
  };
  for (const Case& c : {Case{OperationMode::AllCandidates, true},
                        Case{OperationMode::PartCandidates, true},
                        Case{OperationMode::PencilAndPaper, false}}) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    GameFixture f;
    PlayPuzzle(f.game, kPuzzle, kSolution, c.mode);
    TPicNode& cell = f.game.sd991.cell(1, 3);  // solution 4
    cell.state = CellState::Open;
    cell.digits = "12";
    const Color background = cell.background;
    const ErrorCheckResult result = btcheckClick(f.game);
    EXPECT_EQ(result.wrongCells, c.red ? 1 : 0);
    EXPECT_EQ(cell.background, c.red ? kCheckErrorColor : background);
    EXPECT_EQ(PanelsAre(cell, kCheckErrorColor), c.red);
  }
}

TEST(ErrorCheck, OpenCellWithOneDigitCountsAsPlaced) {
  for (OperationMode mode : kModes) {
    SCOPED_TRACE(static_cast<int>(mode));
    GameFixture f;
    PlayPuzzle(f.game, kPuzzle, kSolution, mode);
    TPicNode& right = f.game.sd991.cell(1, 3);
    right.state = CellState::Open;
    right.digits = SolutionDigit(1, 3);
    TPicNode& wrong = f.game.sd991.cell(1, 4);  // solution 6
    wrong.state = CellState::Open;
    wrong.digits = "2";
    EXPECT_EQ(btcheckClick(f.game).wrongCells, 1);
    EXPECT_EQ(wrong.background, kCheckErrorColor);
    EXPECT_FALSE(PanelsAre(wrong, kCheckErrorColor));  // only the cell, as a placed digit
    EXPECT_NE(right.background, kCheckErrorColor);
  }
}

TEST(ErrorCheck, CellsWithoutAKnownSolutionAreNeverCalledWrong) {
  GameFixture f;
  PlayPuzzle(f.game, kPuzzle, {}, OperationMode::AllCandidates);  // typed in
  f.game.sd991.cell(1, 3).state = CellState::BigNumber;
  f.game.sd991.cell(1, 3).digits = "1";
  EXPECT_EQ(btcheckClick(f.game).wrongCells, 0);
  EXPECT_EQ(f.prompt.messages, std::vector<std::string>{"No error found."});
}

}  // namespace
}  // namespace vexlo::testing
