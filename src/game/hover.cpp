// Which cell or candidate panel the mouse is over. The board draws a frame there, and
// activating the window asks whether the mouse is over a cell.
#include "game/game.h"

namespace vexlo {

void Game::SetCellHover(int row, int col, bool entered) {
  sd991.cell(row, col).isEnter = entered;
  sd991.Touch();
}

void Game::SetPanelHover(int row, int col, int digit, bool entered) {
  sd991.cell(row, col).panel(digit).isEnter = entered;
  sd991.Touch();
}

}  // namespace vexlo
