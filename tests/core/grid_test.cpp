#include "core/grid.h"

#include <gtest/gtest.h>

#include <set>

namespace vexlo {
namespace {

TEST(Grid, BoxOfNumbersBoxesRowMajor) {
  struct Case {
    int row, col, box;
  };
  for (const Case& c : {Case{1, 1, 1}, Case{5, 5, 5}, Case{9, 1, 7}, Case{3, 7, 3}, Case{9, 9, 9},
                        Case{4, 3, 4}, Case{10, 1, 0}, Case{0, 5, 0}, Case{5, 10, 0}}) {
    EXPECT_EQ(BoxOf(c.row, c.col), c.box) << c.row << "," << c.col;
  }
}

TEST(Grid, EveryCellHasTwentyDistinctPeersSharingAUnit) {
  for (int i = 0; i < kCellCount; ++i) {
    const std::set<int> peers(PeersOf(i).begin(), PeersOf(i).end());
    EXPECT_EQ(peers.size(), 20u);
    EXPECT_EQ(peers.count(i), 0u);
    for (int p : peers) {
      const int r = RowOfIndex(i), c = ColOfIndex(i), pr = RowOfIndex(p), pc = ColOfIndex(p);
      EXPECT_TRUE(r == pr || c == pc || BoxOf(r, c) == BoxOf(pr, pc));
      // Peer is symmetric.
      const auto& back = PeersOf(p);
      EXPECT_NE(std::find(back.begin(), back.end(), i), back.end());
    }
  }
}

TEST(Grid, BankLineCarriesPuzzleAndSolution) {
  const std::string solution =
      "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
  std::string line = solution;
  const std::string firstRow = "1B3DEFGH9";
  line.replace(0, 9, firstRow);
  ASSERT_TRUE(IsBankLineText(line));
  EXPECT_EQ(BankLinePuzzle(line).substr(0, 9), "103000009");
  EXPECT_EQ(BankLineSolution(line), solution);
  EXPECT_EQ(MakeBankLine(BankLinePuzzle(line), solution), line);
  EXPECT_TRUE(IsValidSolution(solution));
  EXPECT_FALSE(IsBankLineText(line.substr(1)));
  EXPECT_FALSE(IsBankLineText("J" + line.substr(1)));
  EXPECT_FALSE(IsBankLineText("0" + line.substr(1)));
  std::string twice = solution;
  std::swap(twice[0], twice[9]);  // columns stay, rows 1 and 2 now repeat
  EXPECT_FALSE(IsValidSolution(twice));
}

}  // namespace
}  // namespace vexlo
