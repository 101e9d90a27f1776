// Cell, unit and digit names as the hint texts write them.

#include <gtest/gtest.h>

#include "hints/hint_engine.h"
#include "hints/hint_text.h"

namespace vexlo::hints {
namespace {

TEST(HintText, EngineIndexInterleavesColumns) {
  const struct {
    int k;
    const char* name;
  } cases[] = {{0, "A1"}, {1, "A4"},  {2, "A7"},  {3, "A2"}, {8, "A9"},
               {9, "B1"}, {40, "E5"}, {44, "E9"}, {80, "I9"}};
  for (const auto& c : cases) EXPECT_EQ(CellName(c.k), c.name) << c.k;
  for (int col = 1; col <= 9; ++col) {
    EXPECT_EQ(BoardColOfPos(PosOfBoardCol(col)), col);
    EXPECT_EQ(CellName(IndexOfBoardCell(3, col)), std::string("C") + char('0' + col));
  }
}

TEST(HintText, UnitNames) {
  EXPECT_EQ(UnitName(18, 1), "在行C");
  EXPECT_EQ(UnitName(4, 9), "在列5");
  EXPECT_EQ(UnitName(1, 9), "在列4");
  EXPECT_EQ(UnitName(0, 3), "在左上九宫格");
  EXPECT_EQ(UnitName(28, 3), "在中间九宫格");
  EXPECT_EQ(UnitName(BoxFirst(2), 3), "在右上九宫格");
  EXPECT_EQ(UnitName(BoxFirst(7), 3), "在中下九宫格");
}

TEST(HintText, DigitLists) {
  const Mask m = static_cast<Mask>(DigitBit(8) | DigitBit(3));
  EXPECT_EQ(DigitsPlain(m), "38");
  EXPECT_EQ(DigitsComma(m), "3,8");
  EXPECT_EQ(DigitsPlain(kAllDigits), "123456789");
  EXPECT_EQ(DigitsPlain(0), "");

  HintEngine engine;
  engine.AddCell("3");
  engine.AddCell("8");
  EXPECT_EQ(engine.TakeCellList(), "3, 8");
  EXPECT_EQ(engine.TakeCellList(), "");
}

TEST(HintText, PeersAreTwentyAscending) {
  for (int k = 0; k < kCells; ++k) {
    const auto& peers = kPeers.list[k];
    for (int i = 1; i < 20; ++i) ASSERT_LT(peers[i - 1], peers[i]) << k;
    for (int q : peers) ASSERT_TRUE(ArePeers(k, q));
  }
}

TEST(HintText, FindingPoints) {
  const int points[kFindingKinds] = {1, 10, 5, 20, 40, 30, 50, 50, 250, 50, 100, 800};
  for (int i = 0; i < kFindingKinds; ++i) {
    EXPECT_EQ(FindingPoints(static_cast<FindingKind>(i)), points[i]) << i;
  }
  EXPECT_EQ(StuckText(), "难住我了，到Vexlo 玩家论坛求助吧!!!");
}

}  // namespace
}  // namespace vexlo::hints
