#include <gtest/gtest.h>

#include "board/board.h"
#include "board_fixture.h"

namespace vexlo {
namespace {

using test::ClearAll;
using test::Put;
using test::VisiblePanels;

constexpr Color kMarker = Rgb(1, 2, 3);

// Row 1 holds one cell of each kind; every cell starts with a stale caption, a marker
// background and all panels showing, so each view must set what it is responsible for.
class BoardPaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearAll(b);
    Put(b, 1, 1, CellState::Fixed, "5");
    Put(b, 1, 2, CellState::BigNumber, "7");
    Put(b, 1, 3, CellState::Open, "123");
    b.cell(1, 3).isAuto = 1;
    Put(b, 1, 4, CellState::Open, "4");
    Put(b, 1, 5, CellState::Open, "");
    Put(b, 1, 6, CellState::BigNumber, "6");
    b.cell(1, 6).isError = true;
    Put(b, 1, 7, CellState::Open, "89");
    Put(b, 2, 2, CellState::BigNumber, "8");
    b.cell(2, 2).isAuto = 1;
    for (int c = 1; c <= 9; ++c) {
      for (int r = 1; r <= 2; ++r) {
        TPicNode& cell = b.cell(r, c);
        cell.caption = "?";
        cell.background = kMarker;
        cell.setcolor(kMarker);
        cell.Show();
      }
    }
  }
  const TPicNode& at(int col) const { return b.cell(1, col); }

  TPICSD33 b;  // default preset: white boxes 1, 3, 5, 7, 9; lilac 2, 4, 6, 8
  const Color box1 = 16777215;
  const Color box2 = 16759739;
};

TEST_F(BoardPaintTest, PaintAllDecidesByTextLengthAndColoursOnlyThePanels) {
  const auto rev = b.revision();
  b.PaintAll();
  EXPECT_EQ(b.revision(), rev + 1);
  EXPECT_EQ(at(1).caption, "5");
  EXPECT_EQ(at(1).fontSize, b.FONTSize1);
  EXPECT_EQ(at(1).fontColor, b.FONTColor1);
  EXPECT_EQ(VisiblePanels(at(1)), "");
  EXPECT_EQ(at(2).caption, "7");
  EXPECT_EQ(at(2).fontColor, b.FONTColor2);
  EXPECT_EQ(at(3).caption, "");
  EXPECT_EQ(VisiblePanels(at(3)), "123");
  EXPECT_EQ(at(3).panel(1).fontSize, b.FONTSize3);
  EXPECT_EQ(at(3).panel(1).fontColor, b.FONTColor3);
  // An open cell with one digit shows it as a big number.
  EXPECT_EQ(at(4).caption, "4");
  EXPECT_EQ(at(4).fontColor, b.FONTColor2);
  EXPECT_EQ(VisiblePanels(at(4)), "");
  // The cell background is left alone except for the error colour.
  EXPECT_EQ(at(2).background, kMarker);
  EXPECT_EQ(at(2).panel(3).background, box1);
  EXPECT_EQ(at(4).panel(3).background, box2);
  EXPECT_EQ(at(6).background, b.errorcolor);
  EXPECT_EQ(at(6).panel(3).background, kMarker);
}

TEST_F(BoardPaintTest, PaintPencilShowsMarksAndLaysDownBoxColours) {
  b.PaintPencil();
  EXPECT_EQ(at(1).caption, "5");
  EXPECT_EQ(at(1).background, box1);
  EXPECT_EQ(at(4).background, box2);
  EXPECT_EQ(at(2).caption, "7");
  EXPECT_EQ(at(2).fontSize, b.FONTSize2);
  EXPECT_EQ(VisiblePanels(b.cell(2, 2)), "");  // generated candidates of a placed cell go
  EXPECT_EQ(VisiblePanels(at(3)), "123");      // an open cell shows its marks
  EXPECT_EQ(at(3).caption, "");
  EXPECT_EQ(VisiblePanels(at(4)), "4");
  EXPECT_EQ(VisiblePanels(at(5)), "");
  EXPECT_EQ(at(6).background, b.errorcolor);
  EXPECT_EQ(at(6).caption, "6");
}

TEST_F(BoardPaintTest, FilteredViewsShowCandidatesOnlyWhereTheFilterMatches) {
  const struct {
    const char* name;
    void (*paint)(TPICSD33&);
    const char* cell3;  // "123"
    const char* cell4;  // "4"
    const char* cell7;  // "89"
  } cases[] = {
      {"filter 2", [](TPICSD33& t) { t.PaintFiltered("2"); }, "123", "4", ""},
      {"filter 98", [](TPICSD33& t) { t.PaintFiltered("98"); }, "", "4", "89"},
      {"all", [](TPICSD33& t) { t.PaintAllCands(); }, "123", "4", "89"},
      {"digit 9", [](TPICSD33& t) { t.PaintDigitCands(9); }, "", "4", "89"},
  };
  for (const auto& tc : cases) {
    SetUp();
    tc.paint(b);
    SCOPED_TRACE(tc.name);
    EXPECT_EQ(VisiblePanels(at(3)), tc.cell3);
    EXPECT_EQ(VisiblePanels(at(4)), tc.cell4);
    EXPECT_EQ(VisiblePanels(at(7)), tc.cell7);
    EXPECT_EQ(VisiblePanels(at(5)), "");
    EXPECT_EQ(VisiblePanels(at(1)), "");
    EXPECT_EQ(VisiblePanels(at(2)), "");
    EXPECT_EQ(at(1).caption, "5");
    EXPECT_EQ(at(2).caption, "7");
    EXPECT_EQ(at(4).caption, "");  // in these views a lone candidate stays a candidate
    EXPECT_EQ(at(4).panel(4).fontSize, b.FONTSize3);
    EXPECT_EQ(at(7).background, box1);
    EXPECT_EQ(at(6).background, b.errorcolor);
  }
}

TEST_F(BoardPaintTest, HideOpenCandsKeepsSingleDigitCells) {
  b.HideOpenCands();
  EXPECT_EQ(VisiblePanels(at(3)), "");
  EXPECT_EQ(VisiblePanels(at(5)), "");
  EXPECT_EQ(VisiblePanels(at(4)), "123456789");
  EXPECT_EQ(VisiblePanels(at(1)), "123456789");
}

}  // namespace
}  // namespace vexlo
