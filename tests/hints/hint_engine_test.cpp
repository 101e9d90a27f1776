// The engine on a board: loading in both kinds of mode, end states, carrying findings out,
// highlights, and the two-click cycle of every finding.

#include <gtest/gtest.h>

#include "hints_fixture.h"

namespace vexlo::hints {
namespace {

using testing::Cell;
using testing::SetUpBoard;

constexpr const char* kEmpty81 =
    "000000000000000000000000000000000000000000000000000000000000000000000000000000000";
constexpr const char* kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

struct EngineOnBoard : ::testing::Test {
  TPICSD33 board{BoardPreset::MainWindow};
  HintEngine engine;
  int recorded = 0;

  void SetUp() override {
    engine.SetBoard(&board);
    engine.SetRecordStep([this] { ++recorded; });
    engine.SetTextLookup([](std::string_view key) {
      return key == "frmsolover.thinking" ? std::string("思考中...") : std::string();
    });
  }
  TPicNode& At(std::string_view name) { return board.cell(name[0] - 'A' + 1, name[1] - '0'); }
  // Open texts of row `row` without digit d except at board column `keep`.
  void OnlyInRow(char row, int d, int keep) {
    for (int col = 1; col <= 9; ++col) {
      if (col == keep) continue;
      std::string& text = board.cell(row - 'A' + 1, col).digits;
      text.erase(text.find(static_cast<char>('0' + d)), 1);
    }
  }
  void Open() {
    engine.Reset();
    engine.NextStep();
  }
};

TEST_F(EngineOnBoard, CandidateModeReadsOpenTextsInEngineOrder) {
  SetUpBoard(board, kEmpty81, "123456789");
  At("A1").digits = "56";
  At("A2").digits = "56";
  At("A4").state = CellState::BigNumber;
  At("A4").digits = "5";
  engine.Reset();
  engine.LoadFromBoard();
  EXPECT_FALSE(engine.NeedLoad);
  EXPECT_EQ(engine.SolvedCount, 1);
  EXPECT_EQ(engine.Cand[Cell("A4")], 0);
  // A1 comes before A4 and loses the 5; A2 comes after it and keeps what its text lists.
  EXPECT_EQ(testing::CandText(engine, "A1"), "6");
  EXPECT_EQ(testing::CandText(engine, "A2"), "56");
  EXPECT_EQ(testing::CandText(engine, "B4"), "123456789");
}

TEST_F(EngineOnBoard, PencilModeTakesALonePencilMarkAsPlaced) {
  SetUpBoard(board, kEmpty81, "");
  At("A1").digits = "7";
  At("B1").digits = "123";
  engine.SetPencilAndPaper(true);
  engine.Reset();
  engine.LoadFromBoard();
  EXPECT_EQ(engine.SolvedCount, 1);
  EXPECT_EQ(engine.Cand[Cell("A1")], 0);
  EXPECT_EQ(testing::CandText(engine, "B1"), "12345689");
  EXPECT_EQ(testing::CandText(engine, "I9"), "123456789");
}

TEST_F(EngineOnBoard, EndStatesRepeatOnEveryStep) {
  SetUpBoard(board, kSolution, "");
  Open();
  EXPECT_EQ(engine.HintText(), kSolvedText);
  EXPECT_EQ(engine.EndState, EngineEnd::Solved);
  EXPECT_FALSE(engine.HintPending);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), kSolvedText);

  SetUpBoard(board, kEmpty81, "123456789");
  At("E5").digits = "";
  Open();
  EXPECT_EQ(engine.HintText(), kNoSolutionText);
  EXPECT_EQ(engine.EndState, EngineEnd::NoSolution);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), kNoSolutionText);
  EXPECT_EQ(engine.Score, 0);
}

TEST_F(EngineOnBoard, SingleIsShownColouredAndPlacedOnRequest) {
  SetUpBoard(board, kEmpty81, "123456789");
  OnlyInRow('C', 4, 7);
  Open();
  EXPECT_EQ(engine.HintText(), "在行C, C7 一定是 4");
  ASSERT_TRUE(engine.PendingPlacement);
  EXPECT_EQ(At("C7").background, colors::kFuchsia);
  EXPECT_EQ(At("C7").panel(1).background, colors::kFuchsia);
  EXPECT_EQ(At("C1").background, colors::kAqua);
  EXPECT_EQ(At("D7").background, colors::kWhite);

  // "Do It For Me": the window places the digit and clears the colours.
  engine.PlaceOnBoard(engine.PendingDigit, engine.PendingCell);
  engine.ClearHighlight();
  EXPECT_EQ(At("C7").state, CellState::BigNumber);
  EXPECT_EQ(At("C7").digits, "4");
  EXPECT_EQ(At("C7").caption, "4");
  EXPECT_EQ(At("C7").fontSize, board.FONTSize2);
  EXPECT_EQ(At("C7").fontColor, board.FONTColor2);
  EXPECT_FALSE(At("C7").panel(4).visible);
  EXPECT_EQ(At("A7").digits, "12356789");  // column
  EXPECT_EQ(At("B9").digits, "12356789");  // box
  EXPECT_EQ(At("D1").digits, "123456789");
  EXPECT_EQ(At("C1").background, colors::kWhite);
  EXPECT_TRUE(engine.HintText().empty());
  EXPECT_FALSE(engine.HintPending);
  EXPECT_EQ(recorded, 0) << "the window records the step of a placement";
}

TEST_F(EngineOnBoard, EliminationReachesTheBoardOnTheSecondClick) {
  SetUpBoard(board, kEmpty81, "123456789");
  for (const char* cell : {"A3", "B1", "B2", "B3", "C1", "C2", "C3"}) At(cell).digits = "12346789";
  Open();
  EXPECT_EQ(engine.HintText(), "在左上九宫格, 单元格 A1, A2 中一定包含 5");
  EXPECT_EQ(At("A4").digits, "123456789");
  EXPECT_EQ(At("A4").background, colors::kWhite);
  EXPECT_EQ(At("A1").background, colors::kFuchsia);
  EXPECT_EQ(At("B3").background, colors::kAqua);

  engine.NextStep();
  EXPECT_EQ(At("A4").digits, "12346789");
  EXPECT_EQ(At("A1").background, colors::kWhite);
  EXPECT_TRUE(engine.HintText().empty());
  EXPECT_FALSE(engine.HintPending);
  EXPECT_EQ(recorded, 1);
}

TEST_F(EngineOnBoard, ReopeningAfterClosingFindsTheSameFindingAgain) {
  SetUpBoard(board, kEmpty81, "123456789");
  for (const char* cell : {"A3", "B1", "B2", "B3", "C1", "C2", "C3"}) At(cell).digits = "12346789";
  Open();
  const std::string first = engine.HintText();
  Open();  // closed without "Do It For Me" and opened again
  EXPECT_EQ(engine.HintText(), first);
  EXPECT_EQ(recorded, 0);
}

TEST_F(EngineOnBoard, PencilModeKeepsEliminationsInTheGridOnly) {
  // The first puzzle of the hard set whose first finding in "Pencil and Paper" removes
  // candidates rather than placing a digit.
  engine.SetPencilAndPaper(true);
  for (const std::string& puzzle : testing::ReadPuzzles("magictour_top1465.txt", 200)) {
    SetUpBoard(board, puzzle, "");
    Open();
    if (!engine.PendingPlacement && engine.HintPending) break;
  }
  ASSERT_TRUE(engine.HintPending && !engine.PendingPlacement);
  const auto grid = engine.Cand;
  engine.NextStep();
  EXPECT_EQ(recorded, 1);
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const TPicNode& cell = board.cell(row, col);
      if (cell.state == CellState::Open) {
        EXPECT_EQ(cell.digits, "");
      }
    }
  }
  EXPECT_EQ(engine.Cand, grid) << "the next step builds on the eliminations";
  engine.NextStep();
  EXPECT_FALSE(engine.HintText().empty());
}

TEST_F(EngineOnBoard, ThinkingTextComesFromTheLanguageLookup) {
  SetUpBoard(board, kEmpty81, "123456789");
  std::string seen;
  engine.SetTextLookup([&](std::string_view key) {
    seen = key;
    return std::string("Thinking...");
  });
  Open();
  EXPECT_EQ(seen, "frmsolover.thinking");
  EXPECT_EQ(engine.HintText(), StuckText());
}

}  // namespace
}  // namespace vexlo::hints
