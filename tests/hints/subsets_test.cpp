// Naked and hidden subsets: texts, reductions, and the order of sizes and units.

#include <gtest/gtest.h>

#include "hints_fixture.h"

namespace vexlo::hints {
namespace {

using testing::CandText;
using testing::Cell;
using testing::LimitDigit;
using testing::LoadFullGrid;
using testing::LoadSketch;

constexpr Mask Digits(std::initializer_list<int> digits) {
  Mask m = 0;
  for (int d : digits) m |= DigitBit(d);
  return m;
}

const char* const kNakedPairInRowA =
    "2 个格子内只能包含 2 个数字。\r\n在行A, 单元格 A4, A2\r\n一定包含且只包含 3, 7.";

void PutNakedPairInRowA(HintEngine& engine) {
  engine.Cand[Cell("A4")] = Digits({3, 7});
  engine.Cand[Cell("A2")] = Digits({3, 7});
}

TEST(Subsets, NakedPairListsCellsInUnitOrder) {
  HintEngine engine;
  LoadFullGrid(engine);
  PutNakedPairInRowA(engine);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), kNakedPairInRowA);
  EXPECT_EQ(engine.Score, 20);
  EXPECT_EQ(engine.FindingCount[3], 1);
  for (const char* cell : {"A1", "A3", "A5", "A6", "A7", "A8", "A9"}) {
    EXPECT_EQ(CandText(engine, cell), "1245689") << cell;
  }
  EXPECT_EQ(CandText(engine, "B2"), "123456789");
}

TEST(Subsets, HiddenPairInRowIComesBeforeNakedPairInRowA) {
  HintEngine engine;
  LoadFullGrid(engine);
  PutNakedPairInRowA(engine);
  for (int d : {1, 2}) {
    LimitDigit(engine, d,
               {"xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx",
                "xxxxxxxxx", "xxxxxxxxx", "x..x....."});
  }
  engine.NextStep();
  EXPECT_EQ(engine.HintText(),
            "2 个数字只能存在于 2 个格子内。\r\n在行I, 单元格 I1, I4\r\n一定包含且只包含 1, 2.");
  EXPECT_EQ(engine.Score, 40);
  EXPECT_EQ(engine.FindingCount[4], 1);
  EXPECT_EQ(CandText(engine, "I1"), "12");
  EXPECT_EQ(CandText(engine, "I4"), "12");
  EXPECT_EQ(CandText(engine, "A1"), "123456789") << "row A is left for a later step";
}

TEST(Subsets, EveryPairComesBeforeAnyTriple) {
  HintEngine engine;
  LoadFullGrid(engine);
  engine.Cand[Cell("I1")] = Digits({1, 2});
  engine.Cand[Cell("I2")] = Digits({2, 3});
  engine.Cand[Cell("I3")] = Digits({1, 3});
  PutNakedPairInRowA(engine);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), kNakedPairInRowA);
}

TEST(Subsets, PairThatRemovesNothingGivesNoText) {
  HintEngine engine;
  LoadFullGrid(engine);
  for (int d : {1, 2}) {
    LimitDigit(engine, d,
               {"xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx",
                "xxxxxxxxx", "xxxxxxxxx", "x..x....."});
  }
  engine.Cand[Cell("I1")] = Digits({1, 2});
  engine.Cand[Cell("I4")] = Digits({1, 2});
  PutNakedPairInRowA(engine);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), kNakedPairInRowA);
}

TEST(Subsets, ComplementaryHiddenPairOfTheSameUnitIsNotReported) {
  HintEngine engine;
  LoadSketch(engine, {"12 1234 * 12 1234 * * * *", ". . . . . . . . .", ". . . . . . . . .",
                      ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
                      ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(),
            "2 个格子内只能包含 2 个数字。\r\n在行A, 单元格 A1, A4\r\n一定包含且只包含 1, 2.");
  EXPECT_EQ(engine.FindingCount[4], 0);
  EXPECT_EQ(CandText(engine, "A2"), "34");
  EXPECT_EQ(CandText(engine, "A5"), "34");
}

TEST(Subsets, ExtraCellInsideTheSubsetKeepsItsDigits) {
  HintEngine engine;
  LoadFullGrid(engine);
  PutNakedPairInRowA(engine);
  engine.Cand[Cell("A7")] = Digits({3, 7});  // three cells, two digits: a contradiction
  engine.NextStep();
  EXPECT_EQ(engine.HintText(),
            "2 个格子内只能包含 2 个数字。\r\n在行A, 单元格 A4, A7, A2\r\n一定包含且只包含 3, 7.");
  EXPECT_EQ(CandText(engine, "A7"), "37");
  EXPECT_EQ(CandText(engine, "A1"), "1245689");
}

}  // namespace
}  // namespace vexlo::hints
