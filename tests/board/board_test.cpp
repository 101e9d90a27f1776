#include <gtest/gtest.h>

#include "board/board.h"
#include "board_fixture.h"

namespace vexlo {
namespace {

using test::ClearAll;
using test::FillSolved;
using test::Put;
using test::VisiblePanels;

TEST(BoardLayoutTest, CellsSitInBoxesWithTwoPixelLines) {
  const int expected[] = {2, 48, 94, 142, 188, 234, 282, 328, 374};
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(TPICSD33::CellLeft(i), expected[i - 1]);
    EXPECT_EQ(TPICSD33::CellTop(i), expected[i - 1]);
  }
  EXPECT_EQ(TPICSD33::CellLeft(9) + TPICSD33::kCellSize + 2, TPICSD33::kBoardSize);
}

TEST(BoardLayoutTest, BoxesAndPeers) {
  EXPECT_EQ(TPICSD33::BoxOf(1, 1), 1);
  EXPECT_EQ(TPICSD33::BoxOf(5, 5), 5);
  EXPECT_EQ(TPICSD33::BoxOf(9, 1), 7);
  EXPECT_EQ(TPICSD33::BoxOf(3, 7), 3);
  EXPECT_EQ(TPICSD33::BoxOf(10, 1), 0);
  EXPECT_EQ(TPICSD33::BoxOf(1, 0), 0);
  const auto& peers = TPICSD33::PeersOf(5, 5);
  EXPECT_EQ(peers.front(), std::make_pair(1, 5));
  EXPECT_EQ(peers.back(), std::make_pair(9, 5));
  for (const auto& [r, c] : peers) {
    EXPECT_TRUE(r == 5 || c == 5 || TPICSD33::BoxOf(r, c) == 5);
    EXPECT_FALSE(r == 5 && c == 5);
  }
}

TEST(BoardConstructionTest, PresetsCarryTheirDisplaySettings) {
  struct Expect {
    BoardPreset preset;
    Color back1, back2;
    int size1, size2, size3;
    Color color3, error, high;
    const char* font;
  };
  const Expect cases[] = {
      {BoardPreset::Default, 16777215, 16759739, 25, 25, 12, 128, 732916, 11654065, "Tahoma"},
      {BoardPreset::MainWindow, 14284791, 14284791, 20, 20, 10, 0, 239, 9813909, "Arial"},
      {BoardPreset::ImportCreate, 16777215, 16759739, 25, 18, 10, 111666, 254, 9813909, "Tahoma"},
      {BoardPreset::Solution, 14284791, 14284791, 20, 20, 10, 0, 239, 9813909, "Tahoma"},
  };
  for (const Expect& e : cases) {
    const TPICSD33 b(e.preset);
    SCOPED_TRACE(static_cast<int>(e.preset));
    EXPECT_EQ(b.UNFoucsColor1, e.back1);
    EXPECT_EQ(b.UNFoucsColor2, e.back2);
    EXPECT_EQ(b.FONTSize1, e.size1);
    EXPECT_EQ(b.FONTSize2, e.size2);
    EXPECT_EQ(b.FONTSize3, e.size3);
    EXPECT_EQ(b.FONTColor1, 0u);
    EXPECT_EQ(b.FONTColor2, 16711680u);
    EXPECT_EQ(b.FONTColor3, e.color3);
    EXPECT_EQ(b.errorcolor, e.error);
    EXPECT_EQ(b.highcolor, e.high);
    EXPECT_EQ(b.FontName, e.font);
    EXPECT_EQ(b.nd, 0);
  }
}

TEST(BoardConstructionTest, NewBoardHoldsEmptyBigNumbersInBoxColours) {
  const TPICSD33 b;
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      const TPicNode& cell = b.cell(r, c);
      EXPECT_EQ(cell.row, r);
      EXPECT_EQ(cell.col, c);
      EXPECT_EQ(cell.state, CellState::BigNumber);
      EXPECT_EQ(cell.digits, "");
      EXPECT_FALSE(cell.isError);
      EXPECT_EQ(cell.caption, "");
      EXPECT_EQ(VisiblePanels(cell), "");
      const Color box = TPICSD33::BoxOf(r, c) % 2 == 0 ? 16759739u : 16777215u;
      EXPECT_EQ(cell.background, box);
      EXPECT_EQ(cell.panel(5).background, box);
    }
  }
}

TEST(BoardCandidatesTest, FreeDigitsIgnoresOpenPeers) {
  TPICSD33 b;
  ClearAll(b);
  Put(b, 1, 9, CellState::Fixed, "9");
  Put(b, 9, 1, CellState::BigNumber, "7");
  Put(b, 2, 2, CellState::BigNumber, "3");
  Put(b, 1, 5, CellState::Open, "12456");   // candidates of an open peer count for nothing
  Put(b, 5, 5, CellState::BigNumber, "4");  // not a peer of (1, 1)
  EXPECT_EQ(b.FreeDigits(1, 1), "124568");
}

TEST(BoardCandidatesTest, ReduceCandsDropsPlacedPeerDigitsAndSorts) {
  TPICSD33 b;
  ClearAll(b);
  Put(b, 1, 1, CellState::Open, "9731");
  Put(b, 1, 2, CellState::BigNumber, "3");
  Put(b, 3, 3, CellState::Fixed, "9");
  Put(b, 1, 3, CellState::Open, "1");  // open: ignored
  EXPECT_EQ(b.ReduceCands(1, 1), "17");
}

TEST(BoardCandidatesTest, RemoveCharsDeletesOneOccurrencePerCharacter) {
  EXPECT_EQ(TPICSD33::RemoveChars("1231", "1"), "231");
  EXPECT_EQ(TPICSD33::RemoveChars("1121", "11"), "21");
  EXPECT_EQ(TPICSD33::RemoveChars("123", "94"), "123");
  EXPECT_EQ(TPICSD33::RemoveChars("", "1"), "");
}

TEST(BoardCandidatesTest, RemoveFromPeersSparesFixedCellsAndEmptiesEqualBigNumbers) {
  TPICSD33 b;
  ClearAll(b);
  Put(b, 5, 5, CellState::BigNumber, "6");
  Put(b, 5, 1, CellState::Open, "1678");
  Put(b, 4, 4, CellState::BigNumber, "6");
  Put(b, 1, 5, CellState::Fixed, "6");
  Put(b, 1, 1, CellState::Open, "6");  // not a peer
  b.RemoveFromPeers(5, 5);
  EXPECT_EQ(b.cell(5, 1).digits, "178");
  EXPECT_EQ(b.cell(4, 4).digits, "");
  EXPECT_EQ(b.cell(1, 5).digits, "6");
  EXPECT_EQ(b.cell(1, 1).digits, "6");
  EXPECT_EQ(b.cell(5, 5).digits, "6");

  Put(b, 5, 5, CellState::Open, "16");  // not a single digit: nothing happens
  Put(b, 5, 1, CellState::Open, "16");
  b.RemoveFromPeers(5, 5);
  EXPECT_EQ(b.cell(5, 1).digits, "16");
}

TEST(BoardCandidatesTest, RestoreToPeersAppendsWhereTheDigitIsFreeAgain) {
  TPICSD33 b;
  ClearAll(b);
  Put(b, 1, 1, CellState::Open, "");  // the cell whose 2 was taken back
  Put(b, 1, 2, CellState::Open, "13");
  Put(b, 1, 3, CellState::Open, "2");   // already there: unchanged
  Put(b, 1, 4, CellState::Open, "45");  // 2 still placed in its column
  Put(b, 9, 4, CellState::BigNumber, "2");
  Put(b, 1, 5, CellState::BigNumber, "8");  // not open: unchanged
  Put(b, 5, 5, CellState::Open, "1");       // not a peer
  b.RestoreToPeers(1, 1, "2");
  EXPECT_EQ(b.cell(1, 2).digits, "132");
  EXPECT_EQ(b.cell(1, 3).digits, "2");
  EXPECT_EQ(b.cell(1, 4).digits, "45");
  EXPECT_EQ(b.cell(1, 5).digits, "8");
  EXPECT_EQ(b.cell(5, 5).digits, "1");

  b.RestoreToPeers(1, 1, "");  // nothing to give back
  EXPECT_EQ(b.cell(1, 2).digits, "132");
}

TEST(BoardConflictTest, OnlyTheFirstPairIsMarked) {
  TPICSD33 b;
  ClearAll(b);
  // Row 2: three equal 5s; box 9 holds another clash of 3s.
  Put(b, 2, 3, CellState::BigNumber, "5");
  Put(b, 2, 6, CellState::Fixed, "5");
  Put(b, 2, 8, CellState::BigNumber, "5");
  Put(b, 8, 8, CellState::BigNumber, "3");
  Put(b, 9, 9, CellState::BigNumber, "3");
  Put(b, 1, 1, CellState::Open, "5");  // open cells never clash
  b.cell(8, 8).isError = true;         // stale mark is cleared
  b.FindConflict();
  // The first clashing cell is (2, 3); its partner is the last equal peer in its walk.
  EXPECT_TRUE(b.cell(2, 3).isError);
  EXPECT_TRUE(b.cell(2, 8).isError);
  EXPECT_FALSE(b.cell(2, 6).isError);
  EXPECT_FALSE(b.cell(8, 8).isError);
  EXPECT_FALSE(b.cell(9, 9).isError);
  EXPECT_TRUE(b.HasError());

  Put(b, 2, 3, CellState::Open, "");
  Put(b, 2, 8, CellState::Open, "");
  b.FindConflict();
  EXPECT_FALSE(b.cell(2, 6).isError);
  EXPECT_TRUE(b.cell(8, 8).isError);
  EXPECT_TRUE(b.cell(9, 9).isError);
}

TEST(BoardConflictTest, EmptiedBigNumbersDoNotClash) {
  TPICSD33 b;
  ClearAll(b);
  Put(b, 1, 1, CellState::BigNumber, "");
  Put(b, 1, 2, CellState::BigNumber, "");
  b.FindConflict();
  EXPECT_FALSE(b.HasError());
}

TEST(BoardSolvedTest, SolvedNeedsAFullConflictFreeBoard) {
  TPICSD33 b;
  FillSolved(b);
  EXPECT_TRUE(b.IsSolved());

  Put(b, 5, 5, CellState::Open, b.cell(5, 5).digits);  // one open cell, even with one digit
  EXPECT_FALSE(b.IsSolved());

  FillSolved(b);
  Put(b, 5, 5, CellState::BigNumber, "");  // an emptied big number is a blank cell
  EXPECT_FALSE(b.IsSolved());

  FillSolved(b);
  Put(b, 1, 2, CellState::BigNumber, b.cell(1, 1).digits);
  EXPECT_FALSE(b.IsSolved());
  b.PaintAll();
  EXPECT_EQ(b.cell(1, 1).background, b.errorcolor);
  EXPECT_EQ(b.cell(1, 2).background, b.errorcolor);
  EXPECT_NE(b.cell(1, 3).background, b.errorcolor);
  EXPECT_EQ(b.cell(1, 1).caption, b.cell(1, 1).digits);
}

TEST(BoardPuzzleStringTest, OnlyFixedDigitsCount) {
  TPICSD33 b;
  ClearAll(b);
  Put(b, 1, 1, CellState::Fixed, "4");
  Put(b, 1, 2, CellState::BigNumber, "5");
  Put(b, 9, 9, CellState::Fixed, "8");
  Put(b, 5, 5, CellState::Fixed, "");  // damaged cell: the string stays 81 long
  const std::string s = b.GetPuzzleString();
  ASSERT_EQ(s.size(), 81u);
  EXPECT_EQ(s, "4" + std::string(79, '0') + "8");
}

TEST(BoardHoverTest, SetEnterReportsOnlyChangesAndBumpsTheRevision) {
  TPICSD33 b;
  const auto before = b.revision();
  EXPECT_TRUE(b.SetEnter(3, 4, 0, true));
  EXPECT_FALSE(b.SetEnter(3, 4, 0, true));
  EXPECT_EQ(b.revision(), before + 1);
  EXPECT_TRUE(b.SetEnter(3, 4, 7, true));
  EXPECT_TRUE(b.cell(3, 4).panel(7).isEnter);
  EXPECT_TRUE(b.SetEnter(3, 4, 0, false));
  EXPECT_FALSE(b.cell(3, 4).isEnter);
}

}  // namespace
}  // namespace vexlo
