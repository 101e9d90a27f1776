// Start-up, new game, restart and the digit counters of the main window's game state.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>

#include "game/board_walk.h"
#include "game_fixture.h"
#include "storage/board_state.h"

namespace vexlo::testing {
namespace {

namespace fs = std::filesystem;

int CountCells(const TPICSD33& board, CellState state) {
  int count = 0;
  ForEachCell(board, [&](int, int, const TPicNode& cell) { count += cell.state == state; });
  return count;
}

int CounterSum(const Game& game) {
  return std::accumulate(game.counters.begin(), game.counters.end(), 0,
                         [](int sum, const DigitCounter& c) { return sum + c.position; });
}

bool AnyHistoryButton(const HistoryButtons& b) {
  return b.btStartBranch || b.btAccept || b.btRejectBranch || b.btfirst || b.btback || b.btnext ||
         b.btlast;
}

TEST(StartUp, LeavesAnEmptyDisabledBoardOfFixedCells) {
  GameFixture f;
  const Game& game = f.game;
  EXPECT_FALSE(game.boardEnabled);
  EXPECT_EQ(CountCells(game.sd991, CellState::Fixed), 81);
  EXPECT_FALSE(AnyCell(game.sd991, [](const TPicNode& c) { return !c.digits.empty(); }));
  EXPECT_EQ(CounterSum(game), 0);
  EXPECT_EQ(game.memostep, std::vector<std::string>{"memostep"});
  EXPECT_EQ(game.stepIndex, 0);
  EXPECT_TRUE(game.branchState.empty());
  EXPECT_FALSE(AnyHistoryButton(game.buttons));
  EXPECT_EQ(game.mode, OperationMode::PencilAndPaper);
  EXPECT_FALSE(game.AnyDigitDown());
  EXPECT_TRUE(game.cbautoupdate.checked);
  EXPECT_FALSE(game.chkcolor.checked);
  EXPECT_EQ(game.markingColorIndex, 11);
  EXPECT_EQ(kColorGridColors[game.markingColorIndex], Rgb(255, 255, 0));
  EXPECT_EQ(game.colorMarks.at(5, 5, 0), ColorMarks::kNoMark);
  EXPECT_FALSE(game.TimeLabel1.timerenabled);
  EXPECT_TRUE(game.ndtxt().empty());
}

TEST(StartUp, CreatesAndEntersTheDataFolder) {
  ScriptedPrompt prompt;
  TempFolder root;
  Game game(prompt, EnglishText());
  const fs::path appData = root.path() / "not" / "there" / "yet";
  game.FormCreate(appData.string());

  EXPECT_EQ(game.DataFolder, (appData / "vexlo").string() + '/');
  EXPECT_TRUE(fs::is_directory(appData / "vexlo" / "replay"));
  EXPECT_TRUE(fs::equivalent(fs::current_path(), appData / "vexlo"));
  EXPECT_TRUE(prompt.messages.empty());
}

TEST(StartUp, ReportsADataFolderThatCannotBeEntered) {
  ScriptedPrompt prompt;
  TempFolder root;
  std::ofstream(root.path() / "blocked") << "a file where the folder should be";
  Game game(prompt, EnglishText());
  game.FormCreate((root.path() / "blocked").string());

  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_NE(prompt.messages[0].find("vexlo"), std::string::npos);
  EXPECT_FALSE(game.boardEnabled);
}

struct LevelCase {
  int level;
  const char* caption;
};

class NewGameOfLevel : public ::testing::TestWithParam<LevelCase> {};

TEST_P(NewGameOfLevel, PutsTheGivensOnAnOpenBoardWithTheClockRunning) {
  GameFixture f;
  Game& game = f.game;
  game.TimeLabel1.SetMS(42000);
  game.NewGame(GetParam().level);

  const std::string puzzle = game.QJ1.GetPuzzle();
  ASSERT_EQ(puzzle.size(), 81u);
  int givens = 0;
  ForEachCell(game.sd991, [&](int r, int c, const TPicNode& cell) {
    const char given = puzzle[(r - 1) * 9 + (c - 1)];
    if (given != '0') {
      ++givens;
      EXPECT_EQ(cell.state, CellState::Fixed);
      EXPECT_EQ(cell.digits, std::string(1, given));
    } else {
      EXPECT_EQ(cell.state, CellState::Open);
      EXPECT_EQ(cell.digits, "");
    }
    EXPECT_FALSE(cell.isError);
    EXPECT_EQ(cell.isAuto, 0);
  });
  EXPECT_GE(givens, 17);
  EXPECT_EQ(CounterSum(game), givens);
  EXPECT_EQ(game.QJ1.GetSolution().size(), 81u);

  EXPECT_TRUE(game.boardEnabled);
  EXPECT_EQ(game.sd991.nd, GetParam().level);
  EXPECT_EQ(game.ndtxt(), GetParam().caption);
  EXPECT_TRUE(game.TimeLabel1.timerenabled);
  EXPECT_EQ(game.TimeLabel1.MS(), 0);

  EXPECT_EQ(game.mode, OperationMode::PencilAndPaper);
  EXPECT_EQ(game.SelectedDigit(), 1);
  EXPECT_TRUE(game.digitsExclusive);
  EXPECT_FALSE(game.cbautoupdate.enabled);
  EXPECT_FALSE(game.chkcolor.checked);
  EXPECT_TRUE(game.buttons.btStartBranch);
  EXPECT_FALSE(game.buttons.btAccept || game.buttons.btRejectBranch);
  EXPECT_FALSE(game.buttons.btfirst || game.buttons.btback || game.buttons.btnext ||
               game.buttons.btlast);
  EXPECT_FALSE(game.tile.tileOpen);
  EXPECT_TRUE(f.prompt.questions.empty());
  EXPECT_EQ(game.memostep, std::vector<std::string>{WriteBoardState(game.sd991)});
  EXPECT_EQ(game.stepIndex, 0);
}

INSTANTIATE_TEST_SUITE_P(AllLevels, NewGameOfLevel,
                         ::testing::Values(LevelCase{0, "  Level:Very Easy"},
                                           LevelCase{1, "  Level:Gentle"},
                                           LevelCase{2, "  Level:Moderate"},
                                           LevelCase{3, "  Level:Tough"},
                                           LevelCase{4, "  Level:Diabolical"}));

TEST(NewGame, IgnoresALevelOutsideTheBank) {
  GameFixture f;
  for (int level : {-1, 5, 99}) f.game.NewGame(level);
  EXPECT_FALSE(f.game.boardEnabled);
  EXPECT_EQ(f.game.QJ1.GetPuzzle(), std::string(81, '0'));
}

TEST(NewGame, ClearsTheMarksAndTheMarkingBox) {
  GameFixture f;
  f.game.NewGame(0);
  f.game.chkcolor.checked = true;
  f.game.colorMarks.at(3, 4, 0) = Rgb(255, 255, 0);
  f.game.NewGame(2);
  EXPECT_FALSE(f.game.chkcolor.checked);
  EXPECT_EQ(f.game.colorMarks.at(3, 4, 0), ColorMarks::kNoMark);
}

TEST(LoadBoardFromHolder, WithCandidatesGivesEveryOpenCellItsFreeDigits) {
  GameFixture f;
  Game& game = f.game;
  // Row 1 holds 1..8 as givens: its last cell can only be 9.
  ASSERT_EQ(game.QJ1.LoadPuzzle("123456780" + std::string(72, '0')), LoadError::None);
  game.sd991.cell(1, 9).isError = true;
  game.LoadBoardFromHolder(true);

  EXPECT_EQ(game.sd991.cell(1, 1).state, CellState::Fixed);
  EXPECT_EQ(game.sd991.cell(1, 1).digits, "1");
  EXPECT_EQ(game.sd991.cell(1, 9).state, CellState::Open);
  EXPECT_EQ(game.sd991.cell(1, 9).digits, "9");
  EXPECT_FALSE(game.sd991.cell(1, 9).isError);
  EXPECT_EQ(game.sd991.cell(2, 1).digits, "456789");
  EXPECT_EQ(game.sd991.cell(9, 1).digits, "23456789");
  EXPECT_TRUE(game.boardEnabled);
  EXPECT_TRUE(game.buttons.btStartBranch);
}

TEST(Restart, BeforeTheFirstGameDoesNothingAndAsksNothing) {
  GameFixture f;
  f.game.btRestartClick();
  EXPECT_TRUE(f.prompt.questions.empty());
  EXPECT_FALSE(f.game.boardEnabled);
  EXPECT_FALSE(f.game.TimeLabel1.timerenabled);
  EXPECT_EQ(CountCells(f.game.sd991, CellState::Fixed), 81);
}

// A game after some play: two big numbers, pencil marks, a marked cell, time gone by.
struct PlayedGame : GameFixture {
  std::string puzzle, solution, level;
  std::vector<std::pair<int, int>> open;

  PlayedGame() {
    game.NewGame(3);
    puzzle = game.QJ1.GetPuzzle();
    solution = game.QJ1.GetSolution();
    level = game.ndtxt();
    ForEachCell(game.sd991, [&](int r, int c, const TPicNode& cell) {
      if (cell.state == CellState::Open) open.emplace_back(r, c);
    });
    game.sd991.cell(open[0].first, open[0].second).state = CellState::BigNumber;
    game.sd991.cell(open[0].first, open[0].second).digits = "5";
    game.sd991.cell(open[1].first, open[1].second).state = CellState::BigNumber;
    game.sd991.cell(open[1].first, open[1].second).digits = "5";
    game.sd991.cell(open[2].first, open[2].second).digits = "137";
    game.colorMarks.at(open[3].first, open[3].second, 0) = Rgb(255, 0, 0);
    game.chkcolor.checked = true;
    game.PressDigit(7);
    game.TimeLabel1.SetMS(65000);
  }
};

TEST(Restart, AnsweredNoChangesNothing) {
  PlayedGame f;
  f.prompt.answers = {false};
  f.game.btRestartClick();
  ASSERT_EQ(
      f.prompt.questions,
      std::vector<std::string>{"Are you sure you want to reset this game to the initial state?"});
  EXPECT_EQ(f.game.sd991.cell(f.open[0].first, f.open[0].second).digits, "5");
  EXPECT_EQ(f.game.sd991.cell(f.open[2].first, f.open[2].second).digits, "137");
  EXPECT_EQ(f.game.TimeLabel1.MS(), 65000);
  EXPECT_TRUE(f.game.chkcolor.checked);
}

TEST(Restart, AnsweredYesReturnsToTheGivensWithTheClockAtZero) {
  PlayedGame f;
  f.prompt.answers = {true};
  f.game.btRestartClick();

  EXPECT_EQ(f.game.QJ1.GetPuzzle(), f.puzzle);
  EXPECT_EQ(f.game.QJ1.GetSolution(), f.solution);
  EXPECT_EQ(f.game.ndtxt(), f.level);
  EXPECT_EQ(f.game.sd991.nd, 3);
  EXPECT_EQ(f.game.sd991.GetPuzzleString(), f.puzzle);
  for (auto [r, c] : f.open) {
    EXPECT_EQ(f.game.sd991.cell(r, c).state, CellState::Open);
    EXPECT_EQ(f.game.sd991.cell(r, c).digits, "");
  }
  EXPECT_FALSE(AnyCell(f.game.sd991, [](const TPicNode& c) { return c.isError; }));
  EXPECT_TRUE(f.game.TimeLabel1.timerenabled);
  EXPECT_EQ(f.game.TimeLabel1.MS(), 0);
  EXPECT_EQ(f.game.SelectedDigit(), 1);
  EXPECT_FALSE(f.game.chkcolor.checked);
  EXPECT_EQ(f.game.colorMarks.at(f.open[3].first, f.open[3].second, 0), ColorMarks::kNoMark);
  EXPECT_EQ(CounterSum(f.game), 81 - static_cast<int>(f.open.size()));
  EXPECT_FALSE(f.game.buttons.btback || f.game.buttons.btnext);
  EXPECT_EQ(f.game.memostep, std::vector<std::string>{WriteBoardState(f.game.sd991)});
}

// Counters count placed digits only; a bar cannot pass 9 and turns red there.
struct CounterCase {
  const char* name;
  std::vector<std::tuple<CellState, std::string>> cells;  // laid on row 1.., column 1..
  int digit;
  int expected;
  Color color;
};

class DigitCounters : public ::testing::TestWithParam<CounterCase> {};

TEST_P(DigitCounters, CountPlacedDigits) {
  GameFixture f;
  ForEachCell(f.game.sd991, [](int, int, TPicNode& cell) {
    cell.state = CellState::Open;
    cell.digits.clear();
  });
  int index = 0;
  for (const auto& [state, digits] : GetParam().cells) {
    TPicNode& cell = f.game.sd991.cell(index / 9 + 1, index % 9 + 1);
    cell.state = state;
    cell.digits = digits;
    ++index;
  }
  f.game.RefreshBoard();
  const DigitCounter& counter = f.game.counters[GetParam().digit - 1];
  EXPECT_EQ(counter.position, GetParam().expected);
  EXPECT_EQ(counter.color, GetParam().color);
}

std::vector<std::tuple<CellState, std::string>> Repeat(CellState state, const char* digits,
                                                       int times) {
  return std::vector<std::tuple<CellState, std::string>>(times, {state, digits});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DigitCounters,
    ::testing::Values(
        CounterCase{"NineFivesTurnRed", Repeat(CellState::BigNumber, "5", 9), 5, 9, colors::kRed},
        CounterCase{"ATenthFiveStaysAtNine", Repeat(CellState::Fixed, "5", 10), 5, 9, colors::kRed},
        CounterCase{"EightIsBlue", Repeat(CellState::Fixed, "5", 8), 5, 8, colors::kBlue},
        CounterCase{"SingleCandidateDoesNotCount", Repeat(CellState::Open, "4", 9), 4, 0,
                    colors::kBlue},
        CounterCase{"GivensAndBigNumbersBothCount",
                    {{CellState::Fixed, "2"}, {CellState::BigNumber, "2"}, {CellState::Open, "2"}},
                    2,
                    2,
                    colors::kBlue},
        CounterCase{
            "TextsThatAreNotOneDigitDoNotCount",
            {{CellState::BigNumber, "23"}, {CellState::BigNumber, "0"}, {CellState::BigNumber, ""}},
            2,
            0,
            colors::kBlue}),
    [](const ::testing::TestParamInfo<CounterCase>& info) { return info.param.name; });

TEST(FormActivate, ClosesTheTileAndForgetsItUnlessTheMouseIsOverACell) {
  GameFixture f;
  f.game.NewGame(1);
  f.game.tile = TileState{true, true, 2, 3};
  f.game.sd991.cell(4, 4).isEnter = true;
  f.game.FormActivate();
  EXPECT_FALSE(f.game.tile.visible);
  EXPECT_TRUE(f.game.tile.tileOpen);  // the next cell click only clears it

  f.game.tile = TileState{true, true, 2, 3};
  f.game.sd991.cell(4, 4).isEnter = false;
  f.game.FormActivate();
  EXPECT_FALSE(f.game.tile.visible);
  EXPECT_FALSE(f.game.tile.tileOpen);
}

}  // namespace
}  // namespace vexlo::testing
