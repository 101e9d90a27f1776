// Chains: the three kinds with their texts and eliminations, and the order of starts.

#include <gtest/gtest.h>

#include "hints_fixture.h"

namespace vexlo::hints {
namespace {

using testing::CandText;
using testing::Cell;
using testing::LimitDigit;
using testing::LoadFullGrid;

constexpr Mask Pair(int a, int b) { return static_cast<Mask>(DigitBit(a) | DigitBit(b)); }

// Digit 5 with strong links A1-A7 (row A), A7-C9 (box) and C9-E9 (column 9) only.
void LoadFiveChain(HintEngine& engine) {
  LoadFullGrid(engine);
  LimitDigit(engine, 5,
             {"x.....x..", "xxxxxx...", ".xx.x...x", "xxxxxxxx.", "xxxxxxxxx", "xxxxxxxx.",
              "xxxxxxxx.", "xxxxxxxx.", "xxxxxxxx."});
}

TEST(Chains, SingleDigitChain) {
  HintEngine engine;
  LoadFiveChain(engine);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在数字 5 的链 (A1, A7, C9, E9) 中,\r\n在 E9, A1 中必有一个是 5");
  EXPECT_EQ(CandText(engine, "E1"), "12346789");
  EXPECT_EQ(engine.Score, 50);
  EXPECT_EQ(engine.FindingCount[9], 1);
  EXPECT_TRUE(engine.HintPending);
}

TEST(Chains, BivalueChain) {
  HintEngine engine;
  LoadFullGrid(engine);
  engine.Cand[Cell("A1")] = Pair(1, 2);
  engine.Cand[Cell("A5")] = Pair(2, 3);
  engine.Cand[Cell("E5")] = Pair(1, 3);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在双数链 (A1, A5, E5) 中,\r\n在 E5, A1 中必有一个是 1");
  EXPECT_EQ(CandText(engine, "E1"), "23456789");
  EXPECT_EQ(engine.Score, 100);
  EXPECT_EQ(engine.FindingCount[10], 1);
}

TEST(Chains, GeneralChainMixesStrongLinksAndTwoCandidateCells) {
  HintEngine engine;
  LoadFullGrid(engine);
  engine.Cand[Cell("A1")] = Pair(1, 2);
  engine.Cand[Cell("E9")] = Pair(1, 2);
  LimitDigit(engine, 2,
             {"xxxxxxxxx", "xxxx.xxxx", "xxxx.xxxx", "xxxx.xxxx", "xxxxxxxxx", "xxxx.xxxx",
              "xxxx.xxxx", "xxxx.xxxx", "xxxx.xxxx"});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在链 (A1, A5, E5, E9) 中,\r\n在 E9, A1 中必有一个是 1");
  EXPECT_EQ(CandText(engine, "A9"), "23456789");
  EXPECT_EQ(CandText(engine, "E1"), "23456789");
  EXPECT_EQ(engine.Score, 250);
  EXPECT_EQ(engine.FindingCount[8], 1);
}

TEST(Chains, EndCellThatSeesTheStartKeepsTheDigitAndChainIsColoured) {
  TPICSD33 board;
  HintEngine engine;
  engine.SetBoard(&board);
  LoadFullGrid(engine);
  engine.Cand[Cell("A1")] = Pair(1, 2);
  engine.Cand[Cell("A5")] = Pair(2, 3);
  engine.Cand[Cell("C5")] = Pair(3, 4);
  engine.Cand[Cell("C2")] = Pair(1, 4);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在双数链 (A1, A5, C5, C2) 中,\r\n在 C2, A1 中必有一个是 1");
  EXPECT_EQ(CandText(engine, "C2"), "14");
  for (const char* cell : {"A2", "A3", "B1", "B2", "B3", "C1", "C3"}) {
    EXPECT_EQ(CandText(engine, cell), "23456789") << cell;
  }
  const auto colour = [&](const char* name) {
    return board.cell(name[0] - 'A' + 1, name[1] - '0').background;
  };
  EXPECT_EQ(colour("A1"), colors::kFuchsia);
  EXPECT_EQ(colour("C2"), colors::kFuchsia);
  EXPECT_EQ(colour("A5"), colors::kAqua);
  EXPECT_EQ(colour("C5"), colors::kAqua);
  EXPECT_EQ(colour("B2"), colors::kWhite) << "cells that lose the digit are not coloured";
}

TEST(Chains, LowerEngineIndexStartsFirst) {
  // Chain P starts at A4 (engine index 1), chain Q at A2 (engine index 3).
  const auto loadP = [](HintEngine& engine) {
    engine.Cand[Cell("A4")] = Pair(1, 2);
    engine.Cand[Cell("A8")] = Pair(2, 3);
    engine.Cand[Cell("E8")] = Pair(1, 3);
  };
  const auto loadQ = [](HintEngine& engine) {
    engine.Cand[Cell("A2")] = Pair(4, 5);
    engine.Cand[Cell("E2")] = Pair(5, 6);
    engine.Cand[Cell("E6")] = Pair(4, 6);
  };
  HintEngine engine;
  LoadFullGrid(engine);
  loadQ(engine);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在双数链 (A2, E2, E6) 中,\r\n在 E6, A2 中必有一个是 4");

  LoadFullGrid(engine);
  loadQ(engine);
  loadP(engine);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在双数链 (A4, A8, E8) 中,\r\n在 E8, A4 中必有一个是 1");
  EXPECT_EQ(CandText(engine, "E4"), "23456789");
  EXPECT_EQ(CandText(engine, "A6"), "123456789") << "chain Q is left for a later step";
}

TEST(Chains, SingleDigitChainComesBeforeGeneralChain) {
  // A general chain D9 -> G9 -> G3 -> F3 away from every link of the digit-5 chain.
  const auto loadGeneral = [](HintEngine& engine) {
    engine.Cand[Cell("D9")] = Pair(1, 2);
    engine.Cand[Cell("F3")] = Pair(1, 2);
    LimitDigit(engine, 2,
               {"xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx",
                "..x.....x", "xxxxxxxxx", "xxxxxxxxx"});
  };
  HintEngine engine;
  LoadFullGrid(engine);
  loadGeneral(engine);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在链 (D9, G9, G3, F3) 中,\r\n在 F3, D9 中必有一个是 1");

  LoadFiveChain(engine);
  loadGeneral(engine);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "在数字 5 的链 (A1, A7, C9, E9) 中,\r\n在 E9, A1 中必有一个是 5");
}

TEST(Chains, NothingToRemoveEndsStuckAndScoresEachStuckStep) {
  HintEngine engine;
  LoadFullGrid(engine);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), StuckText());
  EXPECT_EQ(engine.EndState, EngineEnd::Stuck);
  EXPECT_FALSE(engine.HintPending);
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), StuckText());
  EXPECT_EQ(engine.Score, 1600);
  EXPECT_EQ(engine.FindingCount[11], 2);
}

}  // namespace
}  // namespace vexlo::hints
