// Colour marking: while "Marking" is checked a click paints a cell or one candidate panel
// instead of playing. The colours on the board are then read back into colorMarks, which the
// colour repaint lays over the board after every later change.
#include "game/board_walk.h"
#include "game/game.h"

namespace vexlo {

namespace {

// A colour the board lays down itself cannot be told apart from no mark at all.
bool IsBoardColor(const TPICSD33& board, Color color) {
  return color == board.errorcolor || color == board.highcolor || color == board.UNFoucsColor1 ||
         color == board.UNFoucsColor2;
}

Color MarkOf(const TPICSD33& board, Color color) {
  return IsBoardColor(board, color) ? ColorMarks::kNoMark : color;
}

void CaptureColorMarks(const TPICSD33& board, ColorMarks& marks) {
  ForEachCell(board, [&](int r, int c, const TPicNode& cell) {
    marks.at(r, c, 0) = MarkOf(board, cell.background);
    for (int d = 1; d <= 9; ++d) marks.at(r, c, d) = MarkOf(board, cell.panel(d).background);
  });
}

}  // namespace

void Game::MarkColor(int row, int col, int digit, MouseButton button) {
  if (digit < 0 || digit > 9) return;
  TPicNode& cell = sd991.cell(row, col);
  const Color chosen = markingColorIndex >= 0 &&
                               markingColorIndex < static_cast<int>(kColorGridColors.size())
                           ? kColorGridColors[markingColorIndex]
                           : kColorGridColors[kDefaultMarkingColorIndex];
  if (button == MouseButton::Left || button == MouseButton::Right) {
    if (digit == 0) {
      // The cell's panels take its colour too, replacing their own marks.
      cell.background = button == MouseButton::Left ? chosen : BaseColor(row, col);
      cell.setcolor(cell.background);
    } else {
      cell.panel(digit).background = button == MouseButton::Left ? chosen : cell.background;
    }
    sd991.Touch();
  }
  CaptureColorMarks(sd991, colorMarks);
}

}  // namespace vexlo
