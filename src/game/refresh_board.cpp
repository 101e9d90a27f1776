// The digit counters under the board.
#include "game/board_walk.h"
#include "game/game.h"

namespace vexlo {

void Game::RefreshBoard() {
  for (DigitCounter& counter : counters) counter.position = 0;
  ForEachCell(sd991, [this](int, int, const TPicNode& cell) {
    if (cell.state == CellState::Open || cell.digits.size() != 1) return;
    const char ch = cell.digits[0];
    if (ch < '1' || ch > '9') return;
    // A bar cannot go past its maximum: a tenth copy of a digit still shows 9.
    int& position = counters[ch - '1'].position;
    if (position < 9) ++position;
  });
  for (DigitCounter& counter : counters) {
    counter.color = counter.position == 9 ? colors::kRed : colors::kBlue;
  }
  RecordStep();
}

}  // namespace vexlo
