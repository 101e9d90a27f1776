// Playing with the mouse and keyboard: cell and candidate clicks in the three operation
// modes, the mode switch with its candidate fill and question, the digit buttons, keys and
// counters, the status-bar help texts and the completion of the puzzle.
#include <gtest/gtest.h>

#include "game/board_walk.h"
#include "game_fixture.h"
#include "played_puzzle_fixture.h"
#include "storage/board_state.h"

namespace vexlo::testing {
namespace {

using enum MouseButton;

// kPuzzle in "Pencil and Paper" with digit 1 selected, as after a new game.
struct PlayFixture : GameFixture {
  PlayFixture() {
    PlayPuzzle(game, kPuzzle, kSolution, OperationMode::PencilAndPaper);
    game.disnote11Click(1);
  }
  TPicNode& cell(int row, int col) { return game.sd991.cell(row, col); }
  void Select(int digit) { game.disnote11Click(digit); }
  // Every open cell but (row, col) takes its solution digit as a big number.
  void FillAllBut(int row, int col) {
    ForEachCell(game.sd991, [&](int r, int c, TPicNode& node) {
      if (node.state != CellState::Open || (r == row && c == col)) return;
      node.state = CellState::BigNumber;
      node.digits = SolutionDigit(r, c);
    });
  }
};

std::string Downs(const Game& game) {
  std::string downs;
  for (int d = 1; d <= 9; ++d) {
    if (game.digitDown[d - 1]) downs += static_cast<char>('0' + d);
  }
  return downs;
}

TEST(PencilAndPaper, LeftClickWritesTheSelectedDigitAndRightClickClearsIt) {
  PlayFixture f;
  f.cell(1, 3).digits = "137";
  f.Select(5);
  f.game.CellMouseDown(1, 3, Left);
  EXPECT_EQ(f.cell(1, 3).state, CellState::BigNumber);
  EXPECT_EQ(f.cell(1, 3).digits, "5");
  EXPECT_EQ(f.game.counters[4].position, 4);  // three given fives and this one

  f.game.CellMouseDown(1, 3, Right);
  EXPECT_EQ(f.cell(1, 3).state, CellState::Open);
  EXPECT_EQ(f.cell(1, 3).digits, "");
  EXPECT_FALSE(f.game.tile.tileOpen);
}

struct NoEffectCase {
  const char* name;
  OperationMode mode;
  int row, col;
  MouseButton button;
  bool digitSelected;
};

TEST(CellClicks, ThatCannotApplyChangeNothingAndAddNoStep) {
  const NoEffectCase cases[] = {
      {"left on a given", OperationMode::PencilAndPaper, 1, 1, Left, true},
      {"right on a given", OperationMode::AllCandidates, 1, 1, Right, true},
      {"left without a digit", OperationMode::PencilAndPaper, 1, 3, Left, false},
      {"middle on an open cell", OperationMode::PencilAndPaper, 1, 3, Middle, true},
      {"left on an open cell with candidates", OperationMode::AllCandidates, 1, 3, Left, true},
  };
  for (const NoEffectCase& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFixture f;
    f.game.SetMode(c.mode);
    if (!c.digitSelected) f.game.digitDown.fill(false);
    const std::string before = WriteBoardState(f.game.sd991);
    const std::size_t steps = f.game.memostep.size();
    f.game.CellMouseDown(c.row, c.col, c.button);
    EXPECT_EQ(WriteBoardState(f.game.sd991), before);
    EXPECT_EQ(f.game.memostep.size(), steps);
  }
}

TEST(CandidateModes, AnyButtonTakesABigNumberBackToItsPeers) {
  for (MouseButton button : {Left, Right, Middle}) {
    PlayFixture f;
    f.game.SetMode(OperationMode::AllCandidates);
    // A3 takes its solution 4 from its candidate panel: 4 leaves its open peers.
    f.game.CandidateMouseDown(1, 3, 4, Left);
    ASSERT_EQ(f.cell(1, 3).digits, "4");
    ASSERT_EQ(f.cell(2, 2).digits.find('4'), std::string::npos);
    const std::size_t steps = f.game.memostep.size();

    f.game.CellMouseDown(1, 3, button);
    EXPECT_EQ(f.cell(1, 3).state, CellState::Open);
    EXPECT_EQ(f.cell(1, 3).digits, f.game.sd991.FreeDigits(1, 3));
    for (const auto& [r, c] : TPICSD33::PeersOf(1, 3)) {
      const TPicNode& peer = f.cell(r, c);
      if (peer.state != CellState::Open) continue;
      const bool possible = f.game.sd991.FreeDigits(r, c).find('4') != std::string::npos;
      EXPECT_EQ(peer.digits.find('4') != std::string::npos, possible) << r << c;
    }
    EXPECT_EQ(f.game.memostep.size(), steps + 1);
  }
}

TEST(CandidatePanels, LeftClickPlacesTheDigitAndAutoUpdateClearsThePeers) {
  for (bool autoUpdate : {true, false}) {
    SCOPED_TRACE(autoUpdate);
    PlayFixture f;
    f.game.cbautoupdate.checked = autoUpdate;
    f.game.SetMode(OperationMode::AllCandidates);
    ASSERT_NE(f.cell(2, 2).digits.find('4'), std::string::npos);
    f.game.CandidateMouseDown(1, 3, 4, Left);
    EXPECT_EQ(f.cell(1, 3).state, CellState::BigNumber);
    EXPECT_EQ(f.cell(1, 3).digits, "4");
    EXPECT_EQ(f.cell(2, 2).digits.find('4') != std::string::npos, !autoUpdate);
  }
}

TEST(CandidatePanels, RightClickRemovesOnlyThatDigitKeepingTheOrder) {
  PlayFixture f;
  f.game.SetMode(OperationMode::AllCandidates);
  f.cell(1, 3).digits = "7352";
  f.game.CandidateMouseDown(1, 3, 3, Right);
  EXPECT_EQ(f.cell(1, 3).digits, "752");
  f.game.CandidateMouseDown(1, 3, 3, Middle);
  EXPECT_EQ(f.cell(1, 3).digits, "752");
}

TEST(ModeSwitch, ToPencilDropsComputedCandidatesWithoutAQuestion) {
  PlayFixture f;
  f.game.SetMode(OperationMode::AllCandidates);
  ASSERT_EQ(f.cell(1, 3).digits, f.game.sd991.FreeDigits(1, 3));
  ASSERT_TRUE(f.game.rb_noneMouseDown());
  f.game.SetMode(OperationMode::PencilAndPaper);
  EXPECT_TRUE(f.prompt.questions.empty());
  EXPECT_FALSE(AnyCell(f.game.sd991, [](const TPicNode& c) {
    return c.state == CellState::Open && !c.digits.empty();
  }));
  EXPECT_FALSE(f.game.cbautoupdate.enabled);
}

TEST(ModeSwitch, EditedCandidatesAskFirstAndNoKeepsThem) {
  for (bool yes : {false, true}) {
    SCOPED_TRACE(yes);
    PlayFixture f;
    f.game.SetMode(OperationMode::AllCandidates);
    f.game.CandidateMouseDown(1, 3, f.cell(1, 3).digits.back() - '0', Right);
    const std::string edited = WriteBoardState(f.game.sd991);
    f.prompt.answers = {yes};

    const bool goOn = f.game.rb_noneMouseDown();
    if (goOn) f.game.SetMode(OperationMode::PencilAndPaper);
    ASSERT_EQ(f.prompt.questions.size(), 1u);
    EXPECT_EQ(f.prompt.questions[0], "将删除所有标记，是否继续？");
    EXPECT_EQ(f.prompt.captions, std::vector<std::string>{"提示"});
    EXPECT_EQ(goOn, yes);
    if (yes) {
      EXPECT_EQ(f.game.mode, OperationMode::PencilAndPaper);
      EXPECT_EQ(f.cell(1, 3).digits, "");
    } else {
      EXPECT_EQ(f.game.mode, OperationMode::AllCandidates);
      EXPECT_EQ(WriteBoardState(f.game.sd991), edited);
    }
  }
}

TEST(ModeSwitch, CandidateFillRecomputesOnlyWhenACellIsEmpty) {
  // Hand-made marks in every open cell survive (reduced by the peers with auto update);
  // one empty cell makes every open cell take its computed candidates.
  for (bool oneEmpty : {false, true}) {
    SCOPED_TRACE(oneEmpty);
    PlayFixture f;
    ForEachCell(f.game.sd991, [](int, int, TPicNode& c) {
      if (c.state == CellState::Open) c.digits = "59";
    });
    if (oneEmpty) f.cell(9, 9).digits.clear();
    f.game.SetMode(OperationMode::AllCandidates);
    ForEachCell(f.game.sd991, [&](int r, int c, const TPicNode& node) {
      if (node.state != CellState::Open) return;
      const std::string free = f.game.sd991.FreeDigits(r, c);
      std::string reduced;
      for (char d : std::string("59")) {
        if (free.find(d) != std::string::npos) reduced += d;
      }
      EXPECT_EQ(node.digits, oneEmpty ? free : reduced) << r << c;
    });
  }
}

TEST(Completion, ACellClickSolvesStopsTheClockAndClosesTheBranchButtons) {
  PlayFixture f;
  f.game.TimeLabel1.timerenabled = true;
  f.game.btStartBranchClick();
  f.FillAllBut(1, 3);
  f.Select(4);
  f.game.CellMouseDown(1, 3, Left);
  EXPECT_EQ(f.prompt.messages, std::vector<std::string>{"Puzzle solved"});
  EXPECT_TRUE(f.game.completionVisible);
  EXPECT_FALSE(f.game.TimeLabel1.timerenabled);
  EXPECT_FALSE(f.game.buttons.btStartBranch || f.game.buttons.btAccept ||
               f.game.buttons.btRejectBranch);
}

TEST(Completion, ACandidatePanelSolvesAndLeavesTheBranchButtons) {
  PlayFixture f;
  f.game.SetMode(OperationMode::AllCandidates);
  f.game.btStartBranchClick();
  f.FillAllBut(1, 3);
  f.cell(1, 3).digits = "4";
  f.game.CandidateMouseDown(1, 3, 4, Left);
  EXPECT_EQ(f.prompt.messages, std::vector<std::string>{"Puzzle solved"});
  EXPECT_TRUE(f.game.buttons.btAccept && f.game.buttons.btRejectBranch);
}

TEST(Completion, AFullBoardWithAClashIsNotSolved) {
  PlayFixture f;
  f.FillAllBut(1, 3);
  f.Select(7);  // row 1 holds a given 7
  f.game.CellMouseDown(1, 3, Left);
  EXPECT_TRUE(f.prompt.messages.empty());
  EXPECT_TRUE(f.cell(1, 3).isError || f.cell(1, 5).isError);
  int errors = 0;
  ForEachCell(f.game.sd991, [&](int r, int c, const TPicNode& node) {
    if (!node.isError) return;
    ++errors;
    EXPECT_EQ(node.background, f.game.sd991.errorcolor) << r << c;
  });
  EXPECT_EQ(errors, 2);
}

TEST(CandidateTile, OpensOnARightClickAndTheNextCellClickOnlyClosesIt) {
  PlayFixture f;
  f.game.CellMouseDown(1, 3, Right);
  EXPECT_TRUE(f.game.tile.tileOpen);
  EXPECT_EQ(f.game.statusText, f.game.LangText("howtoclosetile"));
  const std::string before = WriteBoardState(f.game.sd991);
  f.game.CellMouseDown(1, 4, Left);
  EXPECT_FALSE(f.game.tile.tileOpen);
  EXPECT_EQ(WriteBoardState(f.game.sd991), before);
  f.game.CellMouseDown(1, 4, Left);
  EXPECT_EQ(f.cell(1, 4).digits, "1");
}

TEST(Highlight, MarksPlacedCellsOfTheSelectedDigit) {
  PlayFixture f;
  f.Select(5);
  EXPECT_EQ(f.cell(1, 1).background, f.game.sd991.highcolor);
  EXPECT_EQ(f.cell(1, 2).background, f.game.sd991.BoxColor(1, 2));
  f.Select(3);
  EXPECT_EQ(f.cell(1, 1).background, f.game.sd991.BoxColor(1, 1));
}

TEST(DigitButtons, RightClicksInPartCandidatesSelectSeveralDigits) {
  PlayFixture f;
  f.Select(3);
  f.game.SetMode(OperationMode::PartCandidates);
  f.game.disnote1RightClick(5);
  f.game.disnote1RightClick(7);
  EXPECT_EQ(Downs(f.game), "357");
  EXPECT_EQ(f.game.SelectedDigit(), 0);
  EXPECT_EQ(f.game.DisplayDigitSet(), "357");
  f.game.disnote1RightClick(3);
  f.game.disnote1RightClick(5);
  f.game.disnote1RightClick(7);  // the last one down stays down
  EXPECT_EQ(Downs(f.game), "7");

  f.game.disnote1RightClick(3);
  f.game.SetMode(OperationMode::PencilAndPaper);
  EXPECT_EQ(Downs(f.game), "7");
}

TEST(DigitButtons, RightClicksOutsidePartCandidatesChangeNothing) {
  PlayFixture f;
  f.game.ProgressBarMouseDown(6, Right);
  EXPECT_EQ(Downs(f.game), "1");
  f.game.ProgressBarMouseDown(6, Left);
  EXPECT_EQ(Downs(f.game), "6");
}

TEST(DigitButtons, TabMovesToTheNextDigit) {
  struct Case {
    std::string downs;
    std::string after;
  };
  for (const Case& c :
       {Case{"", "1"}, Case{"4", "5"}, Case{"9", "1"}, Case{"35", "4"}, Case{"39", "1"}}) {
    SCOPED_TRACE(c.downs);
    PlayFixture f;
    f.game.SetMode(OperationMode::PartCandidates);
    f.game.digitDown.fill(false);
    for (char d : c.downs) f.game.PressDigit(d - '0');
    f.game.TabKey();
    EXPECT_EQ(Downs(f.game), c.after);
  }
}

TEST(DigitButtons, DigitKeysSelectInEveryMode) {
  for (OperationMode mode : {OperationMode::PencilAndPaper, OperationMode::AllCandidates,
                             OperationMode::PartCandidates}) {
    PlayFixture f;
    f.game.SetMode(mode);
    f.game.DigitKey(7);
    EXPECT_EQ(f.game.SelectedDigit(), 7);
  }
}

TEST(StatusHints, FollowTheModeTheCellAndMarking) {
  struct Case {
    OperationMode mode;
    int row, col;  // A1 given, A3 open, A3 as big number when bigNumber
    bool bigNumber;
    const char* key;  // nullptr: unchanged
  };
  const Case cases[] = {
      {OperationMode::PencilAndPaper, 1, 1, false, ""},
      {OperationMode::PencilAndPaper, 1, 3, false, "msg_rb_one"},
      {OperationMode::PencilAndPaper, 1, 3, true, "msg_rb_one"},
      {OperationMode::AllCandidates, 1, 3, false, "msg_right_pop"},
      {OperationMode::AllCandidates, 1, 3, true, "msg_tb_all"},
      {OperationMode::PartCandidates, 1, 3, false, "msg_right_pop"},
      {OperationMode::PartCandidates, 1, 3, true, nullptr},
  };
  for (const Case& c : cases) {
    PlayFixture f;
    f.game.SetMode(c.mode);
    if (c.bigNumber) {
      f.cell(1, 3).state = CellState::BigNumber;
      f.cell(1, 3).digits = "4";
    }
    f.game.ShowHint("before");
    f.game.SetCellHover(c.row, c.col, true);
    EXPECT_TRUE(f.cell(c.row, c.col).isEnter);
    EXPECT_EQ(f.game.statusText, c.key == nullptr ? "before" : f.game.LangText(c.key))
        << static_cast<int>(c.mode) << c.col << c.bigNumber;
  }
  PlayFixture f;
  f.game.chkcolor.checked = true;
  f.game.SetCellHover(1, 1, true);
  EXPECT_EQ(f.game.statusText, f.game.LangText("msg_color"));
  f.game.chkcolor.checked = false;
  f.game.SetPanelHover(1, 3, 2, true);
  EXPECT_EQ(f.game.statusText, f.game.LangText("msg_notcolor"));
  f.game.SetPanelHover(1, 3, 2, false);
  EXPECT_FALSE(f.cell(1, 3).panel(2).isEnter);
}

}  // namespace
}  // namespace vexlo::testing
