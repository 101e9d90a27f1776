// The move history, its step buttons, branches, and reading board states into the game.
#include <gtest/gtest.h>

#include <random>

#include "game/board_walk.h"
#include "game_fixture.h"
#include "played_puzzle_fixture.h"
#include "storage/board_state.h"

namespace vexlo::testing {
namespace {

using enum MouseButton;

struct HistoryFixture : GameFixture {
  HistoryFixture() {
    PlayPuzzle(game, kPuzzle, kSolution, OperationMode::PencilAndPaper);
    game.disnote11Click(1);
  }
  // Writes the solution digit into the open cell as a big number, by mouse.
  void Enter(int row, int col) {
    game.disnote11Click(SolutionDigit(row, col)[0] - '0');
    game.CellMouseDown(row, col, Left);
  }
  std::string Board() const { return WriteBoardState(game.sd991); }
};

TEST(History, ANewEntryAfterGoingBackDropsTheLaterSteps) {
  HistoryFixture f;
  const std::string start = f.Board();
  f.Enter(1, 3);
  const std::string first = f.Board();
  f.Enter(1, 4);
  f.Enter(1, 6);
  f.game.btbackClick();
  f.game.btbackClick();
  EXPECT_EQ(f.Board(), first);
  f.Enter(2, 2);

  ASSERT_EQ(f.game.memostep.size(), 3u);
  EXPECT_EQ(f.game.memostep[0], start);
  EXPECT_EQ(f.game.memostep[1], first);
  EXPECT_EQ(f.game.memostep[2], f.Board());
  EXPECT_EQ(f.game.stepIndex, 2);
  EXPECT_FALSE(f.game.buttons.btnext || f.game.buttons.btlast);
  EXPECT_TRUE(f.game.buttons.btback && f.game.buttons.btfirst);
}

TEST(History, FirstAndLastWalkTheEndsAndSetTheButtons) {
  HistoryFixture f;
  f.Enter(1, 3);
  f.Enter(1, 4);
  const std::string last = f.Board();

  f.game.btfirstClick();
  EXPECT_EQ(f.game.stepIndex, 0);
  EXPECT_EQ(f.Board(), f.game.memostep[0]);
  EXPECT_FALSE(f.game.buttons.btback || f.game.buttons.btfirst);
  EXPECT_TRUE(f.game.buttons.btnext && f.game.buttons.btlast);
  EXPECT_EQ(f.game.memostep.size(), 3u);  // walking adds nothing

  f.game.btlastClick();
  EXPECT_EQ(f.game.stepIndex, 2);
  EXPECT_EQ(f.Board(), last);
  f.game.btnextClick();  // past the end: nothing
  EXPECT_EQ(f.game.stepIndex, 2);
}

TEST(History, ACorruptStepIsReportedAndNothingIsLost) {
  HistoryFixture f;
  f.Enter(1, 3);
  const std::vector<std::string> steps = f.game.memostep;
  f.game.memostep[0] = "15,x";
  const std::string board = f.Board();
  f.game.btfirstClick();
  ASSERT_EQ(f.prompt.messages.size(), 1u);
  EXPECT_NE(f.prompt.messages[0].find("\"x\""), std::string::npos);
  EXPECT_EQ(f.Board(), board);
  EXPECT_EQ(f.game.stepIndex, 1);
  EXPECT_EQ(f.game.memostep[1], steps[1]);
}

TEST(Branch, RejectRestoresTheBoardAfterTheBranchSteps) {
  HistoryFixture f;
  f.Enter(1, 3);
  const std::string atStart = f.Board();
  f.game.btStartBranchClick();
  EXPECT_FALSE(f.game.buttons.btStartBranch);
  EXPECT_TRUE(f.game.buttons.btAccept && f.game.buttons.btRejectBranch);
  const std::size_t before = f.game.memostep.size();
  for (int col : {4, 6, 7, 8, 9}) f.Enter(1, col);

  f.game.btRejectBranchClick();
  EXPECT_EQ(f.Board(), atStart);
  ASSERT_EQ(f.game.memostep.size(), before + 6);
  EXPECT_EQ(f.game.memostep.back(), atStart);
  EXPECT_NE(f.game.memostep[before + 4], atStart);  // the branch's last step
  EXPECT_TRUE(f.game.buttons.btStartBranch);
  EXPECT_FALSE(f.game.buttons.btAccept || f.game.buttons.btRejectBranch);
  EXPECT_TRUE(f.game.branchState.empty());
}

TEST(Branch, AcceptKeepsTheBoardAndClosesTheBranch) {
  HistoryFixture f;
  f.game.btStartBranchClick();
  f.Enter(1, 3);
  const std::string board = f.Board();
  const std::size_t steps = f.game.memostep.size();
  f.game.btAcceptClick();
  EXPECT_EQ(f.Board(), board);
  EXPECT_EQ(f.game.memostep.size(), steps);
  EXPECT_TRUE(f.game.buttons.btStartBranch);
  EXPECT_FALSE(f.game.buttons.btAccept || f.game.buttons.btRejectBranch);
}

TEST(ReadBoardIntoGame, SelectsTheModeTheCandidatesCallFor) {
  HistoryFixture f;
  // Computed candidates read in "Part Candidates": "All Candidates".
  f.game.SetMode(OperationMode::PartCandidates);
  const std::string computed = f.Board();
  f.game.SetMode(OperationMode::AllCandidates);
  f.game.SetMode(OperationMode::PartCandidates);
  ASSERT_TRUE(f.game.ReadBoardIntoGame(computed));
  EXPECT_EQ(f.game.mode, OperationMode::AllCandidates);

  // Empty open cells read in "All Candidates": "Pencil and Paper", without a question.
  ASSERT_TRUE(f.game.ReadBoardIntoGame(f.game.memostep[0]));
  EXPECT_EQ(f.game.mode, OperationMode::PencilAndPaper);
  EXPECT_TRUE(f.prompt.questions.empty());
}

TEST(ReadBoardIntoGame, RandomAndTruncatedTextsEitherReadOrLeaveTheBoard) {
  HistoryFixture f;
  f.game.SetMode(OperationMode::AllCandidates);
  const std::string good = f.Board();
  std::mt19937 random(7);
  const std::string alphabet = "0123456789,, 3\n";
  for (int i = 0; i < 300; ++i) {
    std::string text;
    if (i % 2 == 0) {
      text = good.substr(0, random() % (good.size() + 1));
    } else {
      const std::size_t length = random() % 200;
      for (std::size_t k = 0; k < length; ++k) text += alphabet[random() % alphabet.size()];
    }
    const std::string before = f.Board();
    const BoardStateReadResult read = f.game.ReadBoardIntoGame(text);
    if (!read) {
      EXPECT_EQ(f.Board(), before) << text;
      EXPECT_FALSE(read.Message().empty());
    }
    ASSERT_TRUE(f.game.ReadBoardIntoGame(good));
  }
}

TEST(Branch, SolvingByACellClickClosesAnOpenBranchForGood) {
  HistoryFixture f;
  f.game.btStartBranchClick();
  ForEachCell(f.game.sd991, [](int r, int c, TPicNode& node) {
    if (node.state == CellState::Open && !(r == 9 && c == 9)) {
      node.state = CellState::BigNumber;
      node.digits = SolutionDigit(r, c);
    }
  });
  f.Enter(9, 9);
  EXPECT_FALSE(f.game.buttons.btStartBranch || f.game.buttons.btAccept ||
               f.game.buttons.btRejectBranch);
}

}  // namespace
}  // namespace vexlo::testing
