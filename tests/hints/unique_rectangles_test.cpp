// Unique rectangles: the three reductions, both bracket styles, and the order of roofs.

#include <gtest/gtest.h>

#include "hints_fixture.h"

namespace vexlo::hints {
namespace {

using testing::CandText;
using testing::LoadSketch;

// Floor A7, A8 holding exactly 3 and 8; the pair has already left row A, box "右上" and
// column 8, so only the rectangle is left to find. Row E is given by the caller.
void LoadFloorA7A8(HintEngine& engine, std::string_view rowE) {
  LoadSketch(engine, {"-38 -38 -38 -38 -38 -38 38 38 -38", ". . . . . . -38 -38 -38",
                      ". . . . . . -38 -38 -38", ". . . . . . . -38 .", rowE, ". . . . . . . -38 .",
                      ". . . . . . . -38 .", ". . . . . . . -38 .", ". . . . . . . -38 ."});
}

TEST(UniqueRectangles, OneCornerLosesThePair) {
  const struct {
    const char* rowE;
    const char* e7After;
  } cases[] = {
      {". . . . . . . 38 .", "1245679"},
      {". . . . . . 1238 38 .", "12"},  // the roof cell keeps its two other digits
  };
  for (const auto& c : cases) {
    HintEngine engine;
    LoadFloorA7A8(engine, c.rowE);
    engine.NextStep();
    EXPECT_EQ(engine.HintText(), "找到唯一矩阵,E7不能包含候选数 3,8") << c.rowE;
    EXPECT_EQ(CandText(engine, "E7"), c.e7After);
    EXPECT_EQ(CandText(engine, "E8"), "38");
    EXPECT_EQ(engine.Score, 30);
    EXPECT_EQ(engine.FindingCount[5], 1);
  }
}

TEST(UniqueRectangles, FourCornersOfThePairEmptyTheSecondRoofCell) {
  HintEngine engine;
  // 3 and 8 only in the four corners A7, A8, E7, E8 of their rows, columns and boxes.
  LoadSketch(engine, {"-38 -38 -38 -38 -38 -38 38 38 -38", ". . . . . . -38 -38 -38",
                      ". . . . . . -38 -38 -38", ". . . . . . -38 -38 -38",
                      "-38 -38 -38 -38 -38 -38 38 38 -38", ". . . . . . -38 -38 -38",
                      ". . . . . . -38 -38 .", ". . . . . . -38 -38 .", ". . . . . . -38 -38 ."});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "找到唯一矩阵,E8不能包含候选数 3,8");
  EXPECT_EQ(engine.Cand[testing::Cell("E8")], 0);
  EXPECT_EQ(CandText(engine, "E7"), "38");
}

TEST(UniqueRectangles, ExtraDigitOnARoofInOneBox) {
  HintEngine engine;
  LoadSketch(engine,
             {"38 38 -38 -38 -38 -38 -38 -38 -38", "-38 -38 -38 . . . . . .",
              "-38 -38 -38 . . . . . .", ". . . . . . . . .", "378 378 . . . . . . .",
              ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "找到唯一矩阵,(E1,E2) 一定能包含候选数 7");
  EXPECT_EQ(engine.Score, 50);
  EXPECT_EQ(engine.FindingCount[6], 1);
  for (const char* cell : {"E3", "E9", "D1", "F3"}) {
    EXPECT_EQ(CandText(engine, cell), "12345689") << cell;
  }
  EXPECT_EQ(CandText(engine, "E1"), "378");
  EXPECT_EQ(CandText(engine, "G1"), "123456789");
}

TEST(UniqueRectangles, RoofThatRemovesNothingLeavesTheSearchGoing) {
  HintEngine engine;
  // Roof E1, E2 sees no other 7; the roof H1, H2 sees 9 in row H and its box.
  LoadSketch(engine, {"38 38 -38 -38 -38 -38 -38 -38 -38", "-38 -38 -38 . . . . . .",
                      "-38 -38 -38 . . . . . .", "-7 -7 -7 . . . . . .",
                      "378 378 -7 -7 -7 -7 -7 -7 -7", "-7 -7 -7 . . . . . .", ". . . . . . . . .",
                      "389 389 . . . . . . .", ". . . . . . . . ."});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "找到唯一矩阵,(H1,H2) 一定能包含候选数 9");
  EXPECT_EQ(CandText(engine, "H9"), "12345678");
  EXPECT_EQ(CandText(engine, "I3"), "12345678");
}

TEST(UniqueRectangles, ExtraDigitOnARoofInTwoBoxes) {
  HintEngine engine;
  LoadSketch(engine,
             {"38 -38 -38 -38 -38 -38 38 -38 -38", "378 . . . . . 378 . .", ". . . . . . . . .",
              ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
              ". . . . . . . . .", ". . . . . . . . ."});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "找到唯一矩阵,（B1,B7）一定有一个是数字7");
  EXPECT_EQ(engine.Score, 50);
  EXPECT_EQ(engine.FindingCount[7], 1);
  EXPECT_EQ(CandText(engine, "B2"), "12345689");
  EXPECT_EQ(CandText(engine, "C1"), "123456789") << "only the roof's row loses the digit";
}

TEST(UniqueRectangles, SpanningFloorTakesTheUpperRoof) {
  HintEngine engine;
  LoadSketch(engine,
             {"378 . . . . . 378 . .", "389 . . . . . 389 . .", "38 -38 -38 -38 -38 -38 38 -38 -38",
              ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
              ". . . . . . . . .", ". . . . . . . . ."});
  engine.NextStep();
  EXPECT_EQ(engine.HintText(), "找到唯一矩阵,（A1,A7）一定有一个是数字7");
  EXPECT_EQ(CandText(engine, "B2"), "123456789") << "the lower roof waits for a later step";
}

}  // namespace
}  // namespace vexlo::hints
