// Colour marking: while "Marking" is checked a click paints a cell or one candidate panel
// instead of playing, and the mark goes into colorMarks, which the colour repaint lays over
// the board after every later change.
//
// Marks are recorded from the click itself rather than read back from the board's colours:
// read back, a mark in the highlight colour could not be told from a highlighted cell, and
// the highlight colour is yellow by default, the same as the default marking colour.
#include "game/game.h"

namespace vexlo {

namespace {

// Painting in one of the board's two box shades gives the board's own look: no mark.
Color MarkFor(const TPICSD33& board, Color color) {
  return color == board.UNFoucsColor1 || color == board.UNFoucsColor2 ? ColorMarks::kNoMark : color;
}

}  // namespace

void Game::MarkColor(int row, int col, int digit, MouseButton button) {
  if (button == MouseButton::Middle || digit < 0 || digit > 9) return;
  const bool paint = button == MouseButton::Left;
  const int index =
      markingColorIndex >= 0 && markingColorIndex < static_cast<int>(kColorGridColors.size())
          ? markingColorIndex
          : kDefaultMarkingColorIndex;
  const Color chosen = kColorGridColors[index];
  TPicNode& cell = sd991.cell(row, col);
  if (digit == 0) {
    // The cell's panels take its colour too, replacing their own marks.
    cell.background = paint ? chosen : BaseColor(row, col);
    cell.setcolor(cell.background);
    const Color mark = paint ? MarkFor(sd991, chosen) : ColorMarks::kNoMark;
    for (int part = 0; part <= 9; ++part) colorMarks.at(row, col, part) = mark;
  } else {
    // Taking a panel's mark away gives it the cell's colour, which may be a mark itself.
    cell.panel(digit).background = paint ? chosen : cell.background;
    colorMarks.at(row, col, digit) = paint ? MarkFor(sd991, chosen) : colorMarks.at(row, col, 0);
  }
  sd991.Touch();
}

}  // namespace vexlo
