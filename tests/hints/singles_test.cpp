// Hidden and naked singles: the unit order, the digit order and the texts.

#include <gtest/gtest.h>

#include "hints_fixture.h"

namespace vexlo::hints {
namespace {

using testing::Cell;
using testing::LimitDigit;
using testing::LoadFullGrid;

// Digit d stays in row `row` only at board column `col`.
void OnlyInRow(HintEngine& engine, int d, char row, int col) {
  for (int c = 1; c <= 9; ++c) {
    if (c != col) engine.Cand[IndexOfBoardCell(row - 'A' + 1, c)] &= ~DigitBit(d);
  }
}

TEST(Singles, HiddenSingleInRow) {
  HintEngine engine;
  LoadFullGrid(engine);
  OnlyInRow(engine, 4, 'C', 7);
  const auto before = engine.Cand;
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在行C, C7 一定是 4");
  EXPECT_TRUE(engine.HintPending);
  EXPECT_TRUE(engine.PendingPlacement);
  EXPECT_EQ(engine.PendingDigit, 4);
  EXPECT_EQ(engine.PendingCell, Cell("C7"));
  EXPECT_EQ(engine.Score, 1);
  EXPECT_EQ(engine.FindingCount[0], 1);
  EXPECT_EQ(engine.Cand, before) << "a single changes nothing until it is carried out";
}

TEST(Singles, UnitsAreScannedFromRowIUpwards) {
  HintEngine engine;
  LoadFullGrid(engine);
  OnlyInRow(engine, 4, 'A', 3);
  OnlyInRow(engine, 2, 'I', 5);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在行I, I5 一定是 2");
}

TEST(Singles, LowerDigitOfOneUnitFirst) {
  HintEngine engine;
  LoadFullGrid(engine);
  OnlyInRow(engine, 6, 'C', 2);
  OnlyInRow(engine, 4, 'C', 7);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在行C, C7 一定是 4");
}

TEST(Singles, ColumnAndBoxUnitNames) {
  HintEngine engine;
  LoadFullGrid(engine);
  LimitDigit(engine, 9,
             {"xxxx.xxxx", "xxxx.xxxx", "xxxx.xxxx", "xxxx.xxxx", "xxxxxxxxx", "xxxx.xxxx",
              "xxxx.xxxx", "xxxx.xxxx", "xxxx.xxxx"});
  engine.NextStep();  // column 5 holds 9 only in E5
  EXPECT_EQ(engine.HintText(), "在列5, E5 一定是 9");

  LoadFullGrid(engine);
  LimitDigit(engine, 1,
             {"xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx",
              "xxxxxx...", "xxxxxx..x", "xxxxxx..."});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在右下九宫格, H9 一定是 1");
}

TEST(Singles, NakedSingle) {
  HintEngine engine;
  LoadFullGrid(engine);
  engine.Cand[Cell("A4")] = DigitBit(3);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "A4只能是 3");
  EXPECT_EQ(engine.PendingCell, Cell("A4"));
  EXPECT_EQ(engine.PendingDigit, 3);
  EXPECT_EQ(engine.Score, 10);
  EXPECT_EQ(engine.FindingCount[1], 1);
}

TEST(Singles, CellThatIsBothIsAHiddenSingle) {
  HintEngine engine;
  LoadFullGrid(engine);
  OnlyInRow(engine, 3, 'A', 4);
  engine.Cand[Cell("A4")] = DigitBit(3);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在行A, A4 一定是 3");
  EXPECT_EQ(engine.Score, 1);
}

}  // namespace
}  // namespace vexlo::hints
