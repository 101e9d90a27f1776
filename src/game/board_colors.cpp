// The colours laid over the board after every change: box shading, error and highlight
// colours, and the player's colour marks on top.
#include "game/board_walk.h"
#include "game/game.h"

namespace vexlo {

namespace {

std::string DigitText(int digit) { return std::string(1, static_cast<char>('0' + digit)); }

}  // namespace

Color Game::BaseColor(int row, int col) const {
  const TPicNode& cell = sd991.cell(row, col);
  Color color = sd991.BoxColor(row, col);
  const int digit = SelectedDigit();
  if (digit != 0 && cell.state != CellState::Open && cell.digits == DigitText(digit)) {
    color = sd991.highcolor;
  }
  if (cell.isError) color = sd991.errorcolor;
  return color;
}

void Game::LayBaseColors() {
  ForEachCell(sd991, [this](int r, int c, TPicNode& cell) {
    cell.background = BaseColor(r, c);
    cell.setcolor(cell.background);
  });
  sd991.Touch();
}

void Game::ColorRepaint() {
  LayBaseColors();
  ForEachCell(sd991, [this](int r, int c, TPicNode& cell) {
    if (const Color mark = colorMarks.at(r, c, 0); mark != ColorMarks::kNoMark) {
      cell.background = mark;
    }
    for (int d = 1; d <= 9; ++d) {
      if (const Color mark = colorMarks.at(r, c, d); mark != ColorMarks::kNoMark) {
        cell.panel(d).background = mark;
      }
    }
  });
}

void Game::Highlight() {
  const int digit = SelectedDigit();
  if (digit == 0) return;
  ForEachCell(sd991, [this, digit](int, int, TPicNode& cell) {
    if (cell.state != CellState::Open && !cell.isError && cell.digits == DigitText(digit)) {
      cell.background = sd991.highcolor;
    }
  });
  sd991.Touch();
}

void Game::ClearMarking() {
  LayBaseColors();
  colorMarks.Clear();
}

}  // namespace vexlo
