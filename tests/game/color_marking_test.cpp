// Colour marking: painting cells and candidate panels while "Marking" is checked, the table
// of marks that every later repaint lays over the board, and who clears it.
#include <gtest/gtest.h>

#include "game/board_walk.h"
#include "game/replay_commands.h"
#include "game/saved_game_commands.h"
#include "game_fixture.h"
#include "played_puzzle_fixture.h"
#include "storage/board_state.h"

namespace vexlo::testing {
namespace {

using enum MouseButton;

constexpr Color kYellow = kColorGridColors[kDefaultMarkingColorIndex];
constexpr Color kRed = kColorGridColors[9];

// kPuzzle in "All Candidates" with "Marking" checked. A1 holds the given 5; A3 is open.
struct MarkingFixture : GameFixture {
  MarkingFixture() {
    PlayPuzzle(game, kPuzzle, kSolution, OperationMode::AllCandidates);
    game.disnote11Click(1);
    game.chkcolor.checked = true;
  }
  TPicNode& cell(int row, int col) { return game.sd991.cell(row, col); }
  Color mark(int row, int col, int part) const { return game.colorMarks.at(row, col, part); }
  // An entry elsewhere on the board, which repaints every colour.
  void EnterElsewhere() {
    const bool marking = game.chkcolor.checked;
    game.chkcolor.checked = false;
    game.CandidateMouseDown(9, 1, SolutionDigit(9, 1)[0] - '0', Left);
    game.chkcolor.checked = marking;
  }
  int MarkCount() const {
    int count = 0;
    for (int r = 1; r <= 9; ++r) {
      for (int c = 1; c <= 9; ++c) {
        for (int part = 0; part <= 9; ++part) count += mark(r, c, part) != ColorMarks::kNoMark;
      }
    }
    return count;
  }
};

TEST(MarkCell, PaintsAGivenYellowWithoutAnEntryOrAHistoryStep) {
  MarkingFixture f;
  const std::vector<std::string> history = f.game.memostep;
  const std::string board = WriteBoardState(f.game.sd991);
  f.game.CellMouseDown(1, 1, Left);
  EXPECT_EQ(f.cell(1, 1).background, kYellow);
  EXPECT_EQ(f.mark(1, 1, 0), kYellow);
  for (int d = 1; d <= 9; ++d) EXPECT_EQ(f.mark(1, 1, d), kYellow) << d;
  EXPECT_EQ(WriteBoardState(f.game.sd991), board);
  EXPECT_EQ(f.game.memostep, history);
  EXPECT_EQ(f.MarkCount(), 10);

  f.EnterElsewhere();
  EXPECT_EQ(f.cell(1, 1).background, kYellow);
}

TEST(MarkCell, ARightClickOnTheCellRemovesItsOwnAndItsPanelsMarks) {
  MarkingFixture f;
  f.game.markingColorIndex = 9;
  f.game.CandidateMouseDown(1, 3, 2, Left);
  EXPECT_EQ(f.mark(1, 3, 2), kRed);
  EXPECT_EQ(f.mark(1, 3, 0), ColorMarks::kNoMark);

  f.game.markingColorIndex = kDefaultMarkingColorIndex;
  f.game.CellMouseDown(1, 3, Left);  // overwrites the panel's red
  EXPECT_EQ(f.mark(1, 3, 2), kYellow);

  f.game.CellMouseDown(1, 3, Right);
  EXPECT_EQ(f.cell(1, 3).background, f.game.BaseColor(1, 3));
  EXPECT_EQ(f.MarkCount(), 0);
  f.EnterElsewhere();
  EXPECT_EQ(f.cell(1, 3).background, f.game.BaseColor(1, 3));
  EXPECT_EQ(f.cell(1, 3).panel(2).background, f.game.BaseColor(1, 3));
}

TEST(MarkPanel, RightClickGivesThePanelItsCellsCurrentColour) {
  MarkingFixture f;
  f.game.CellMouseDown(1, 3, Left);
  f.game.markingColorIndex = 9;
  f.game.CandidateMouseDown(1, 3, 4, Left);
  EXPECT_EQ(f.cell(1, 3).panel(4).background, kRed);
  EXPECT_EQ(f.cell(1, 3).background, kYellow);

  f.game.CandidateMouseDown(1, 3, 4, Right);
  EXPECT_EQ(f.cell(1, 3).panel(4).background, kYellow);
  EXPECT_EQ(f.mark(1, 3, 4), kYellow);
  const std::string digits = f.cell(1, 3).digits;

  f.game.CandidateMouseDown(1, 3, 4, Middle);
  f.game.CellMouseDown(1, 3, Middle);
  EXPECT_EQ(f.MarkCount(), 10);
  EXPECT_EQ(f.cell(1, 3).digits, digits);  // marking clicks never play
}

// The board's own colours set to the default marking colour, as the Appearance dialog can.
// A mark in a box shade looks like the board itself and is no mark; a mark in the highlight
// or error colour stays, since the default highlight is yellow too.
struct BoardColorCase {
  const char* name;
  Color TPICSD33::*field;
  bool remembered;
};

class BoardColorMark : public ::testing::TestWithParam<BoardColorCase> {};

TEST_P(BoardColorMark, IsRememberedUnlessABoxShade) {
  MarkingFixture f;
  f.game.sd991.*GetParam().field = kYellow;
  f.game.ColorRepaint();
  f.game.CellMouseDown(2, 2, Left);             // a cell of box 1: neither selected nor wrong
  EXPECT_EQ(f.cell(2, 2).background, kYellow);  // painted for the moment in any case
  EXPECT_EQ(f.mark(2, 2, 0), GetParam().remembered ? kYellow : ColorMarks::kNoMark);
  f.EnterElsewhere();
  EXPECT_EQ(f.cell(2, 2).background, GetParam().remembered ? kYellow : f.game.BaseColor(2, 2));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoardColorMark,
    ::testing::Values(BoardColorCase{"BoxShade1", &TPICSD33::UNFoucsColor1, false},
                      BoardColorCase{"BoxShade2", &TPICSD33::UNFoucsColor2, false},
                      BoardColorCase{"Highlight", &TPICSD33::highcolor, true},
                      BoardColorCase{"Error", &TPICSD33::errorcolor, true}),
    [](const ::testing::TestParamInfo<BoardColorCase>& info) { return info.param.name; });

TEST(Marks, AHighlightInTheMarkingColourIsNotTakenForAMark) {
  MarkingFixture f;
  f.game.sd991.highcolor = kYellow;
  f.game.ColorRepaint();
  ASSERT_EQ(f.cell(2, 4).background, kYellow);  // the given 1 of B4, highlighted
  f.game.CellMouseDown(5, 2, Left);
  EXPECT_EQ(f.MarkCount(), 10);
  f.game.chkcolor.checked = false;
  f.game.disnote11Click(8);
  EXPECT_EQ(f.cell(2, 4).background, f.game.BaseColor(2, 4));
  EXPECT_EQ(f.cell(5, 2).background, kYellow);
}

TEST(Marks, StayThroughHistoryWalksAndModeSwitches) {
  MarkingFixture f;
  f.game.CellMouseDown(1, 3, Left);
  f.game.chkcolor.checked = false;
  f.game.CandidateMouseDown(1, 4, 6, Left);
  f.game.CandidateMouseDown(2, 2, 7, Left);
  f.game.btfirstClick();
  EXPECT_EQ(f.cell(1, 3).background, kYellow);
  f.game.btnextClick();
  f.game.btlastClick();
  f.game.SetMode(OperationMode::PencilAndPaper);
  EXPECT_EQ(f.cell(1, 3).background, kYellow);
  EXPECT_EQ(f.cell(1, 3).panel(5).background, kYellow);
  EXPECT_EQ(f.MarkCount(), 10);
}

TEST(Marks, ClearMarkingRemovesEveryMarkAndKeepsMarkingChecked) {
  MarkingFixture f;
  f.game.CellMouseDown(1, 1, Left);
  f.game.CandidateMouseDown(5, 5, 1, Left);
  f.game.ClearMarking();
  EXPECT_EQ(f.MarkCount(), 0);
  EXPECT_TRUE(f.game.chkcolor.checked);
  EXPECT_EQ(f.cell(1, 1).background, f.game.BaseColor(1, 1));
}

// Loading a replay unchecks "Marking"; opening a saved game leaves it as it was.
struct LoadCase {
  const char* name;
  void (*load)(Game& game);
  bool markingAfter;
};

class LoadingAGame : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadingAGame, RemovesTheMarks) {
  MarkingFixture f;
  f.game.CellMouseDown(1, 3, Left);
  GetParam().load(f.game);
  EXPECT_EQ(f.MarkCount(), 0);
  EXPECT_EQ(f.game.chkcolor.checked, GetParam().markingAfter);
  EXPECT_EQ(f.cell(1, 3).background, f.game.BaseColor(1, 3));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadingAGame,
    ::testing::Values(LoadCase{"Replay", [](Game& game) { ApplyReplay(game, CurrentReplay(game)); },
                               false},
                      LoadCase{"SavedGame",
                               [](Game& game) {
                                 SaveCurrentBoard(game, "marked", 2);
                                 ASSERT_TRUE(OpenSavedGame(game, "marked"));
                               },
                               true}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vexlo::testing
