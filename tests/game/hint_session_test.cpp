// The hint window's steps on the game's board: "Do It For Me" for a single and for an
// elimination, in both kinds of mode, the pending finding that closing drops, a solved board,
// and what the game does after the window closed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/board_walk.h"
#include "game/hint_session.h"
#include "game_fixture.h"
#include "played_puzzle_fixture.h"
#include "storage/board_state.h"

namespace vexlo::testing {
namespace {

// Its first steps are eliminations; each step of a walk builds on the ones before.
constexpr std::string_view kLockedFirst =
    "000040001030600000800000000109005000000000870000200000070000260500094000000000300";
const std::vector<std::string> kLockedWalk = {
    "在左中九宫格, 单元格 F1, F3 中一定包含 7",
    "在行H, 单元格 H2, H3 中一定包含 2",
    "在行H, 单元格 H2, H3 中一定包含 6",
    "在行E, 单元格 E4, E5, E6 中一定包含 1",
};

bool AnyColoured(const TPICSD33& board) {
  return AnyCell(board, [](const TPicNode& c) { return c.background != colors::kWhite; });
}

TEST(HintSession, SingleCarriedOutInAllCandidatesUpdatesPeersAndAddsOneStep) {
  GameFixture f;
  hints::HintEngine engine;
  PlayPuzzle(f.game, kPuzzle, kSolution, OperationMode::AllCandidates);
  HintSession session(engine, HintWiringOf(f.game));
  session.Open();
  ASSERT_TRUE(engine.PendingPlacement);
  EXPECT_EQ(session.ButtonCaption(), "Do It For Me");
  EXPECT_NE(session.HintText().find("一定是"), std::string::npos);
  EXPECT_TRUE(AnyColoured(f.game.sd991));

  const int row = hints::RowOf(engine.PendingCell) + 1;
  const int col = hints::BoardColOfPos(hints::PosOf(engine.PendingCell));
  const char digit = static_cast<char>('0' + engine.PendingDigit);
  const std::size_t steps = f.game.memostep.size();
  session.bthintClick();

  const TPicNode& placed = f.game.sd991.cell(row, col);
  EXPECT_EQ(placed.state, CellState::BigNumber);
  EXPECT_EQ(placed.digits, std::string(1, digit));
  EXPECT_EQ(placed.caption, placed.digits);
  for (const auto& [r, c] : TPICSD33::PeersOf(row, col)) {
    const TPicNode& peer = f.game.sd991.cell(r, c);
    if (peer.state == CellState::Open) {
      EXPECT_EQ(peer.digits.find(digit), std::string::npos);
    }
  }
  EXPECT_EQ(f.game.memostep.size(), steps + 1);
  EXPECT_EQ(f.game.memostep.back(), WriteBoardState(f.game.sd991));
  EXPECT_EQ(session.ButtonCaption(), "Next Hint");
  EXPECT_TRUE(session.HintText().empty());
  EXPECT_FALSE(AnyColoured(f.game.sd991));

  session.Close();
  AfterHintWindow(f.game);  // nothing new to record, and the game goes on
  EXPECT_EQ(f.game.memostep.size(), steps + 1);
  EXPECT_FALSE(f.game.completionVisible);
}

TEST(HintSession, EliminationsInPencilModeChangeNothingVisibleButTheNextHintBuildsOnThem) {
  GameFixture f;
  hints::HintEngine engine;
  PlayPuzzle(f.game, kLockedFirst, {}, OperationMode::PencilAndPaper);
  const std::string board = WriteBoardState(f.game.sd991);
  const std::size_t steps = f.game.memostep.size();
  HintSession session(engine, HintWiringOf(f.game));
  session.Open();
  for (const std::string& expected : kLockedWalk) {
    EXPECT_EQ(session.HintText(), expected);
    EXPECT_EQ(session.ButtonCaption(), "Do It For Me");
    session.bthintClick();  // carry it out
    EXPECT_TRUE(session.HintText().empty());
    EXPECT_EQ(session.ButtonCaption(), "Next Hint");
    session.bthintClick();  // the next finding
  }
  EXPECT_EQ(WriteBoardState(f.game.sd991), board);
  EXPECT_EQ(f.game.memostep.size(), steps);
}

TEST(HintSession, ClosingDropsAShownFindingAndReopeningFindsItAgain) {
  GameFixture f;
  hints::HintEngine engine;
  PlayPuzzle(f.game, kLockedFirst, {}, OperationMode::AllCandidates);
  const std::string board = WriteBoardState(f.game.sd991);
  std::string first;
  for (int opening = 0; opening < 2; ++opening) {
    HintSession session(engine, HintWiringOf(f.game));
    session.Open();
    if (opening == 0) first = session.HintText();
    EXPECT_EQ(session.HintText(), first);
    EXPECT_EQ(session.ButtonCaption(), "Do It For Me");
    session.Close();
    EXPECT_FALSE(engine.HintPending);
    AfterHintWindow(f.game);
    EXPECT_EQ(WriteBoardState(f.game.sd991), board);
  }
  EXPECT_EQ(first, kLockedWalk.front());
}

TEST(HintSession, SolvedBoardIsSaidSoAndTheGameEnds) {
  GameFixture f;
  hints::HintEngine engine;
  PlayPuzzle(f.game, kPuzzle, kSolution, OperationMode::PencilAndPaper);
  ForEachCell(f.game.sd991, [](int r, int c, TPicNode& cell) {
    if (cell.state == CellState::Fixed) return;
    cell.state = CellState::BigNumber;
    cell.digits = SolutionDigit(r, c);
  });
  f.game.TimeLabel1.timerenabled = true;
  HintSession session(engine, HintWiringOf(f.game));
  session.Open();
  EXPECT_EQ(session.HintText(), "已全部解答完成!");
  EXPECT_EQ(session.ButtonCaption(), "Next Hint");
  session.bthintClick();
  EXPECT_EQ(session.HintText(), "已全部解答完成!");
  session.Close();
  AfterHintWindow(f.game);
  EXPECT_TRUE(f.game.completionVisible);
  EXPECT_FALSE(f.game.TimeLabel1.timerenabled);
  EXPECT_FALSE(f.game.buttons.btStartBranch);
  EXPECT_FALSE(f.game.buttons.btAccept);
  EXPECT_FALSE(f.game.buttons.btRejectBranch);
}

TEST(HintSession, ThinkingIsAnnouncedBeforeEverySearchOnly) {
  GameFixture f;
  hints::HintEngine engine;
  PlayPuzzle(f.game, kLockedFirst, {}, OperationMode::AllCandidates);
  std::vector<std::string> notices;
  HintSession session(engine, HintWiringOf(f.game),
                      [&notices](const std::string& text) { notices.push_back(text); });
  session.Open();        // a search
  session.bthintClick();  // carries the elimination out: no search
  session.bthintClick();  // a search
  EXPECT_EQ(notices, (std::vector<std::string>{"Thinking...", "Thinking..."}));
}

}  // namespace
}  // namespace vexlo::testing
