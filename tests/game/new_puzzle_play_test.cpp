// "Check Puzzle" and "Play Puzzle" of "Import or Create Sudoku": the three answers of the
// check, and the player's own puzzle becoming the game at level "Unknown".
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/board_walk.h"
#include "game/new_puzzle_board.h"
#include "game/new_puzzle_play.h"
#include "game_fixture.h"
#include "played_puzzle_fixture.h"
#include "settings/language_active.h"
#include "storage/board_state.h"
#include "storage/import_formats.h"

namespace vexlo::testing {
namespace {

struct NewPuzzleFixture : GameFixture {
  TPICSD33 sdnew{BoardPreset::ImportCreate};

  // Digits become entered digits, other cells open with their free digits.
  void Enter(std::string_view puzzle) { LoadGridFromText(sdnew, puzzle); }
};

struct CheckCase {
  const char* name;
  std::string puzzle;
  Uniqueness result;
  const char* message;
};

std::string WithClash(std::string text) {
  std::swap(text[0], text[1]);  // the solution with two cells swapped: clashes in two columns
  return text;
}

class CheckPuzzle : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckPuzzle, TellsTheResult) {
  NewPuzzleFixture f;
  f.Enter(GetParam().puzzle);
  EXPECT_EQ(CheckPuzzleCommand(f.game, f.sdnew), GetParam().result);
  EXPECT_EQ(f.prompt.messages, std::vector<std::string>{GetParam().message});
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CheckPuzzle,
    ::testing::Values(CheckCase{"unique", std::string(kPuzzle), Uniqueness::Unique, "Check OK"},
                      CheckCase{"several", std::string(kTwoSolutionPuzzle), Uniqueness::Several,
                                "This puzzle has multiple solution"},
                      CheckCase{"empty", std::string(81, '0'), Uniqueness::Several,
                                "This puzzle has multiple solution"},
                      CheckCase{"clash", "55" + std::string(kPuzzle.substr(2)),
                                Uniqueness::NoSolution, "Puzzle is not solvable"},
                      CheckCase{"filled", std::string(kSolution), Uniqueness::Unique, "Check OK"},
                      // A full board is its own solution only when no digit repeats.
                      CheckCase{"filled with a clash", WithClash(std::string(kSolution)),
                                Uniqueness::NoSolution, "Puzzle is not solvable"}),
    [](const auto& info) {
      std::string name = info.param.name;
      std::replace(name.begin(), name.end(), ' ', '_');
      return name;
    });

TEST(NewPuzzleCheck, AnOpenCellWithOneCandidateCountsAsAGiven) {
  NewPuzzleFixture f;
  f.Enter(kTwoSolutionPuzzle);
  ASSERT_EQ(CheckNewPuzzle(f.sdnew).result, Uniqueness::Several);
  f.sdnew.cell(3, 3).digits = "8";  // the missing given, left as the only candidate
  EXPECT_EQ(f.sdnew.cell(3, 3).state, CellState::Open);
  EXPECT_EQ(NewPuzzleGivens(f.sdnew)[2 * 9 + 2], '8');
  EXPECT_EQ(CheckNewPuzzle(f.sdnew).result, Uniqueness::Unique);
}

TEST(NewPuzzlePlay, AUniquePuzzleBecomesTheGameAtLevelUnknown) {
  NewPuzzleFixture f;
  f.game.NewGame(2);
  f.game.chkcolor.checked = true;
  f.Enter(kPuzzle);

  ASSERT_TRUE(PlayNewPuzzle(f.game, f.sdnew));
  Game& g = f.game;
  EXPECT_EQ(g.QJ1.GetPuzzle(), kPuzzle);
  EXPECT_EQ(g.QJ1.GetSolution(), kSolution);
  EXPECT_EQ(g.sd991.GetPuzzleString(), kPuzzle);
  EXPECT_EQ(g.sd991.cell(1, 1).state, CellState::Fixed);
  // Computed candidates are no marks of the player: a clean "Pencil and Paper" board.
  EXPECT_EQ(g.mode, OperationMode::PencilAndPaper);
  EXPECT_EQ(g.sd991.cell(1, 3).state, CellState::Open);
  EXPECT_EQ(g.sd991.cell(1, 3).digits, "");
  EXPECT_EQ(g.sd991.nd, kUnknownLevel);
  EXPECT_EQ(g.ndtxt(), "  Level:Unknown");
  EXPECT_TRUE(g.boardEnabled);
  EXPECT_TRUE(g.TimeLabel1.timerenabled);
  EXPECT_EQ(g.TimeLabel1.MS(), 0);
  EXPECT_EQ(g.SelectedDigit(), 1);
  EXPECT_FALSE(g.chkcolor.checked);
  EXPECT_TRUE(g.buttons.btStartBranch);
  EXPECT_FALSE(g.buttons.btback);
  EXPECT_FALSE(g.buttons.btnext);
  // The history starts with the board as it is shown.
  ASSERT_EQ(g.memostep.size(), 1U);
  EXPECT_EQ(g.stepIndex, 0);
  EXPECT_EQ(g.memostep[0], WriteBoardState(g.sd991));
  EXPECT_TRUE(f.prompt.messages.empty());
  EXPECT_TRUE(f.prompt.questions.empty());
}

TEST(NewPuzzlePlay, EditedCandidatesStartInAllCandidatesAndAreKept) {
  NewPuzzleFixture f;
  f.Enter(kPuzzle);
  NewPuzzlePanelMouseDown(f.sdnew, 1, 3, 2, MouseButton::Right);  // A3 "124" -> "14"
  ASSERT_EQ(f.sdnew.cell(1, 3).digits, "14");

  ASSERT_TRUE(PlayNewPuzzle(f.game, f.sdnew));
  EXPECT_EQ(f.game.mode, OperationMode::AllCandidates);
  EXPECT_EQ(f.game.sd991.cell(1, 3).digits, "14");
  EXPECT_EQ(f.game.sd991.cell(1, 4).digits, f.sdnew.cell(1, 4).digits);
  ASSERT_EQ(f.game.memostep.size(), 1U);
  EXPECT_EQ(f.game.memostep[0], WriteBoardState(f.game.sd991));
}

TEST(NewPuzzlePlay, AnUnsolvablePuzzleIsNeverPlayed) {
  NewPuzzleFixture f;
  f.game.NewGame(0);
  const std::string before = WriteBoardState(f.game.sd991);
  const std::string level = f.game.ndtxt();
  for (const std::string& puzzle :
       {"55" + std::string(kPuzzle.substr(2)), WithClash(std::string(kSolution))}) {
    f.Enter(puzzle);
    EXPECT_FALSE(PlayNewPuzzle(f.game, f.sdnew));
  }
  EXPECT_EQ(f.prompt.messages,
            (std::vector<std::string>{"Puzzle is not solvable", "Puzzle is not solvable"}));
  EXPECT_TRUE(f.prompt.questions.empty());
  EXPECT_EQ(WriteBoardState(f.game.sd991), before);
  EXPECT_EQ(f.game.ndtxt(), level);
  EXPECT_EQ(f.game.sd991.nd, 0);
}

TEST(NewPuzzlePlay, SeveralSolutionsAskFirstAndStoreNoSolution) {
  NewPuzzleFixture f;
  f.game.NewGame(1);
  const std::string before = WriteBoardState(f.game.sd991);
  f.Enter(kTwoSolutionPuzzle);

  f.prompt.answers = {false};
  EXPECT_FALSE(PlayNewPuzzle(f.game, f.sdnew));
  EXPECT_EQ(WriteBoardState(f.game.sd991), before);

  f.prompt.answers = {true};
  EXPECT_TRUE(PlayNewPuzzle(f.game, f.sdnew));
  EXPECT_EQ(f.prompt.questions,
            std::vector<std::string>(
                2, "This Puzzle has multiple solutions,Do you want to solve it anyway?"));
  EXPECT_EQ(f.game.QJ1.GetPuzzle(), kTwoSolutionPuzzle);
  EXPECT_EQ(f.game.QJ1.GetSolution(), "");
  EXPECT_EQ(f.game.sd991.nd, kUnknownLevel);
}

TEST(NewPuzzlePlay, AFullBoardIsSolvedAtOnce) {
  NewPuzzleFixture f;
  f.Enter(kSolution);
  ASSERT_TRUE(PlayNewPuzzle(f.game, f.sdnew));
  EXPECT_EQ(f.prompt.messages, std::vector<std::string>{"Puzzle solved"});
  EXPECT_FALSE(f.game.TimeLabel1.timerenabled);
  EXPECT_TRUE(f.game.completionVisible);
}

TEST(NewPuzzlePlay, LoadPuzzleThenPlayMakesThePlayersDigitsGivens) {
  NewPuzzleFixture f;
  PlayPuzzle(f.game, kPuzzle, kSolution, OperationMode::PencilAndPaper);
  f.game.sd991.cell(1, 3).state = CellState::BigNumber;
  f.game.sd991.cell(1, 3).digits = "4";
  LoadPuzzleFromBoard(f.sdnew, f.game.sd991);

  ASSERT_TRUE(PlayNewPuzzle(f.game, f.sdnew));
  EXPECT_EQ(f.game.sd991.cell(1, 3).state, CellState::Fixed);
  EXPECT_TRUE(f.game.QJ1.node(1, 3).given);
  EXPECT_EQ(f.game.QJ1.node(1, 3).value, 4);
  EXPECT_EQ(f.game.QJ1.GetSolution(), kSolution);
}

TEST(NewPuzzleLevel, UnknownLevelLineMatchesTheDialogsTextInEveryLanguage) {
  for (Language language : {Language::English, Language::Chinese, Language::Japanese}) {
    const LanguageTable table = BuiltInTable(language);
    EXPECT_EQ(table.LangText("msg_ndtxt_unkown"), "  " + table.LangText("msg_frm_new_unknow"))
        << LanguageCode(language);
  }
}

}  // namespace
}  // namespace vexlo::testing
