// The candidate tile: its buttons follow the cell, every toggle is written at once, "Automatic"
// fills in the free digits, closing records one history step only after a change, and the
// click that closes the tile does nothing else.
#include <gtest/gtest.h>

#include "game/candidate_tile.h"
#include "game_fixture.h"
#include "played_puzzle_fixture.h"
#include "storage/board_state.h"

namespace vexlo::testing {
namespace {

using enum MouseButton;

// kPuzzle in "Pencil and Paper" with digit 1 selected; C1 (row 3, column 1) is open.
struct TileFixture : GameFixture {
  explicit TileFixture(OperationMode mode = OperationMode::PencilAndPaper) {
    PlayPuzzle(game, kPuzzle, kSolution, mode);
    game.disnote11Click(1);
  }
  TPicNode& cell(int row, int col) { return game.sd991.cell(row, col); }
  // The right click that opens the tile on an open cell holding `digits`.
  void OpenOn(int row, int col, const std::string& digits) {
    cell(row, col).digits = digits;
    game.RefreshBoard();
    game.CellMouseDown(row, col, Right);
  }
  std::string Downs() const {
    std::string downs;
    for (int d = 1; d <= 9; ++d) {
      if (game.tile.down[d - 1]) downs += static_cast<char>('0' + d);
    }
    return downs;
  }
};

TEST(CandidateTile, ButtonsShowTheCellsDigitsAndEveryToggleIsWrittenAtOnce) {
  TileFixture f;
  f.OpenOn(3, 1, "358");
  ASSERT_TRUE(f.game.tile.visible);
  EXPECT_EQ(f.game.tile.tileRow, 3);
  EXPECT_EQ(f.game.tile.tileCol, 1);
  EXPECT_EQ(f.Downs(), "358");

  f.game.TileDigitClick(5);
  EXPECT_EQ(f.cell(3, 1).digits, "38");
  f.game.TileKeyDown(kTileKey1 + 1);  // the key 2
  EXPECT_EQ(f.cell(3, 1).digits, "238");
  EXPECT_EQ(f.cell(3, 1).state, CellState::Open);
  for (int d = 1; d <= 9; ++d) {
    EXPECT_EQ(f.cell(3, 1).panel(d).visible, d == 2 || d == 3 || d == 8) << d;
  }
  EXPECT_TRUE(f.game.tile.visible);  // toggles leave the tile open
}

TEST(CandidateTile, ReleasingEveryButtonEmptiesTheCellWhichStaysOpen) {
  TileFixture f;
  f.OpenOn(3, 1, "47");
  f.game.TileDigitClick(4);
  f.game.TileKeyDown(kTileKey1 + 6);
  EXPECT_EQ(f.cell(3, 1).digits, "");
  EXPECT_EQ(f.cell(3, 1).state, CellState::Open);
}

TEST(CandidateTile, OtherKeysOnlyWriteTheButtonsAndPencilMarksAreNotAutomatic) {
  TileFixture f;
  f.OpenOn(3, 1, "7");
  f.cell(3, 1).digits = "97";  // written behind the tile's back
  f.cell(3, 1).isAuto = 1;
  f.game.TileKeyDown('A');
  EXPECT_EQ(f.cell(3, 1).digits, "7");
  EXPECT_EQ(f.cell(3, 1).isAuto, 0);
  EXPECT_TRUE(f.game.tile.visible);
}

TEST(CandidateTile, KeepsTheAutomaticFlagInTheCandidateModes) {
  TileFixture f(OperationMode::AllCandidates);
  f.cell(3, 1).isAuto = 1;
  f.game.CellMouseDown(3, 1, Right);
  f.game.TileDigitClick(1);
  EXPECT_EQ(f.cell(3, 1).isAuto, 1);
}

TEST(CandidateTile, AutomaticWritesTheFreeDigitsAndCloses) {
  GameFixture f;
  // Placed peers of A9 hold 1 and 2 (its row) and 9 (its column).
  const std::string puzzle = "120000000" + std::string(63, '0') + "000000009";
  PlayPuzzle(f.game, puzzle, "", OperationMode::PencilAndPaper);
  f.game.CellMouseDown(1, 9, Right);
  const std::size_t steps = f.game.memostep.size();
  f.game.TileAutomaticClick();
  EXPECT_EQ(f.game.sd991.cell(1, 9).digits, "345678");
  EXPECT_FALSE(f.game.tile.visible);
  EXPECT_FALSE(f.game.tile.tileOpen);
  EXPECT_EQ(f.game.memostep.size(), steps + 1);
  EXPECT_EQ(f.game.memostep.back(), WriteBoardState(f.game.sd991));
}

struct EscapeCase {
  const char* name;
  std::vector<int> toggles;  // digits clicked before Esc
  int newSteps;
};

class EscapeKey : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeKey, ClosesTheTileWithOneStepOnlyWhenTheCellChanged) {
  TileFixture f;
  f.OpenOn(3, 1, "12");
  const std::size_t steps = f.game.memostep.size();
  for (int digit : GetParam().toggles) f.game.TileDigitClick(digit);
  f.game.TileKeyDown(kTileKeyEscape);
  EXPECT_FALSE(f.game.tile.visible);
  EXPECT_FALSE(f.game.tile.tileOpen);
  EXPECT_EQ(f.game.statusText, "");
  EXPECT_EQ(f.game.memostep.size(), steps + GetParam().newSteps);
  EXPECT_EQ(f.game.memostep[f.game.stepIndex], WriteBoardState(f.game.sd991));
}

INSTANTIATE_TEST_SUITE_P(Cases, EscapeKey,
                         ::testing::Values(EscapeCase{"Unchanged", {}, 0},
                                           EscapeCase{"OneToggle", {5}, 1},
                                           EscapeCase{"ManyTogglesAreOneStep", {5, 6, 1, 9}, 1},
                                           EscapeCase{"ToggledBackIsNoChange", {5, 5}, 0}),
                         [](const ::testing::TestParamInfo<EscapeCase>& info) {
                           return info.param.name;
                         });

// The main window becomes active again, the mouse over a cell or elsewhere; then the player's
// click on a cell arrives.
struct ActivationCase {
  const char* name;
  bool overCell;
  bool clickEnters;
};

class ActivatedMainWindow : public ::testing::TestWithParam<ActivationCase> {};

TEST_P(ActivatedMainWindow, ClosesTheTileAndSwallowsOnlyAClickOnACell) {
  TileFixture f;
  f.OpenOn(3, 1, "12");
  f.game.TileDigitClick(4);
  const std::size_t steps = f.game.memostep.size();
  f.game.SetCellHover(1, 3, GetParam().overCell);
  f.game.FormActivate();
  EXPECT_FALSE(f.game.tile.visible);
  EXPECT_EQ(f.game.memostep.size(), steps + 1);  // the tile's edit

  f.game.CellMouseDown(1, 3, Left);  // digit 1 is selected
  EXPECT_EQ(f.cell(1, 3).digits, GetParam().clickEnters ? "1" : "");
  EXPECT_FALSE(f.game.tile.tileOpen);
  f.game.CellMouseDown(1, 4, Left);
  EXPECT_EQ(f.cell(1, 4).digits, "1");  // the next click always works
}

INSTANTIATE_TEST_SUITE_P(Cases, ActivatedMainWindow,
                         ::testing::Values(ActivationCase{"MouseOverACell", true, false},
                                           ActivationCase{"MouseElsewhere", false, true}),
                         [](const ::testing::TestParamInfo<ActivationCase>& info) {
                           return info.param.name;
                         });

TEST(CandidateTile, ABoardChangedUnderTheTileIsLeftAlone) {
  TileFixture f;
  f.OpenOn(3, 1, "12");
  f.cell(3, 1).state = CellState::BigNumber;
  f.cell(3, 1).digits = "7";
  f.game.TileDigitClick(5);
  f.game.TileKeyDown(kTileKeyEscape);
  EXPECT_EQ(f.cell(3, 1).state, CellState::BigNumber);
  EXPECT_EQ(f.cell(3, 1).digits, "7");
}

TEST(CandidateTile, ClosingTheWindowKeepsTheTilesEditInTheLastGame) {
  TileFixture f;
  f.OpenOn(3, 1, "12");
  f.game.TileDigitClick(6);
  f.game.FormClose();
  EXPECT_FALSE(f.game.tile.visible);
  EXPECT_EQ(f.game.memostep.back(), WriteBoardState(f.game.sd991));
  EXPECT_EQ(f.cell(3, 1).digits, "126");
}

}  // namespace
}  // namespace vexlo::testing
