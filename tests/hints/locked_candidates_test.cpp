// Locked candidates: pointing and claiming, row and column segments, the once-per-box rule.

#include <gtest/gtest.h>

#include "hints_fixture.h"

namespace vexlo::hints {
namespace {

using testing::CandText;
using testing::LimitDigit;
using testing::LoadFullGrid;

TEST(LockedCandidates, PointingRowSegmentClearsTheRestOfTheRow) {
  HintEngine engine;
  LoadFullGrid(engine);
  LimitDigit(engine, 5,
             {"xx.xxxxxx", "...xxxxxx", "...xxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx",
              "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx"});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在左上九宫格, 单元格 A1, A2 中一定包含 5");
  EXPECT_TRUE(engine.HintPending);
  EXPECT_FALSE(engine.PendingPlacement);
  EXPECT_EQ(engine.Score, 5);
  EXPECT_EQ(engine.FindingCount[2], 1);
  for (const char* cell : {"A4", "A5", "A6", "A7", "A8", "A9"}) {
    EXPECT_EQ(CandText(engine, cell), "12346789") << cell;
  }
  EXPECT_EQ(CandText(engine, "B4"), "123456789");
}

TEST(LockedCandidates, ClaimingRowClearsTheRestOfTheBox) {
  HintEngine engine;
  LoadFullGrid(engine);
  LimitDigit(engine, 5,
             {"xx.......", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx",
              "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx"});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在行A, 单元格 A1, A2 中一定包含 5");
  for (const char* cell : {"B1", "B2", "B3", "C1", "C2", "C3"}) {
    EXPECT_EQ(CandText(engine, cell), "12346789") << cell;
  }
  EXPECT_EQ(CandText(engine, "D1"), "123456789");
}

TEST(LockedCandidates, ColumnSegmentListsItsCellsBottomUp) {
  HintEngine engine;
  LoadFullGrid(engine);
  LimitDigit(engine, 7,
             {"xxxxxxxxx", "xxxx.xxxx", "xxxxxxxxx", "xxxx.xxxx", "xxxx.xxxx", "xxxx.xxxx",
              "xxxx.xxxx", "xxxx.xxxx", "xxxx.xxxx"});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在列5, 单元格 C5, A5 中一定包含 7");
  for (const char* cell : {"A4", "B4", "C4", "A6", "B6", "C6"}) {
    EXPECT_EQ(CandText(engine, cell), "12345689") << cell;
  }
}

TEST(LockedCandidates, LockedDigitWithNothingToRemoveIsNotExaminedAgain) {
  HintEngine engine;
  LoadFullGrid(engine);
  // 7 of the top left box lies in A1 and A2, and row A has it nowhere else.
  LimitDigit(engine, 7,
             {"xx.......", "...xxxxxx", "...xxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx",
              "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx"});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), StuckText());
  EXPECT_EQ(engine.FindingCount[2], 0);
  EXPECT_FALSE(Holds(engine.BoxLockMask[0], 7));
  EXPECT_TRUE(Holds(engine.BoxLockMask[0], 5));
}

}  // namespace
}  // namespace vexlo::hints
