#include <gtest/gtest.h>

#include "board/cell.h"
#include "board_fixture.h"

namespace vexlo {
namespace {

using test::VisiblePanels;

TEST(CellTest, ShowhxsShowsExactlyTheDigitsOfTheText) {
  const struct {
    const char* digits;
    const char* shown;
  } cases[] = {{"123456789", "123456789"}, {"", ""}, {"9", "9"}, {"31", "13"}, {"x5 5", "5"}};
  for (const auto& tc : cases) {
    TPicNode cell;
    cell.digits = tc.digits;
    cell.Hide();
    cell.panel(2).visible = true;  // a stale panel must go
    cell.showhxs();
    EXPECT_EQ(VisiblePanels(cell), tc.shown) << "digits \"" << tc.digits << "\"";
  }
}

TEST(CellTest, PanelSettersTouchAllNinePanelsButNotTheCell) {
  TPicNode cell;
  cell.background = colors::kWhite;
  cell.setcolor(colors::kAqua);
  cell.setFontSize(17);
  cell.setFontColor(colors::kBlue);
  cell.Hide();
  for (const CandidatePanel& p : cell.panels) {
    EXPECT_EQ(p.background, colors::kAqua);
    EXPECT_EQ(p.fontSize, 17);
    EXPECT_EQ(p.fontColor, colors::kBlue);
  }
  EXPECT_EQ(VisiblePanels(cell), "");
  EXPECT_EQ(cell.background, colors::kWhite);
  EXPECT_EQ(cell.fontSize, 25);
  cell.Show();
  EXPECT_EQ(VisiblePanels(cell), "123456789");
}

}  // namespace
}  // namespace vexlo
