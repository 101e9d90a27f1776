// The nine digit buttons: the selected digit and the digits whose candidates are shown.
#include "game/board_walk.h"
#include "game/game.h"

namespace vexlo {

int Game::SelectedDigit() const {
  int selected = 0;
  for (int d = 1; d <= 9; ++d) {
    if (!digitDown[d - 1]) continue;
    if (selected != 0) return 0;
    selected = d;
  }
  return selected;
}

bool Game::AnyDigitDown() const {
  for (bool down : digitDown) {
    if (down) return true;
  }
  return false;
}

std::string Game::DisplayDigitSet() const {
  if (mode != OperationMode::PartCandidates) return "123456789";
  std::string set;
  for (int d = 1; d <= 9; ++d) {
    if (digitDown[d - 1]) set += static_cast<char>('0' + d);
  }
  return set;
}

void Game::disnote11Click(int digit) {
  if (digit < 1 || digit > 9) return;
  digitDown.fill(false);
  PressDigit(digit);
  switch (mode) {
    case OperationMode::PencilAndPaper:
      sd991.PaintPencil();
      break;
    case OperationMode::PartCandidates: {
      if (AnyCell(sd991, [](const TPicNode& cell) { return cell.digits.empty(); })) {
        ForEachCell(sd991, [this](int r, int c, TPicNode& cell) {
          if (cell.state != CellState::Fixed && cell.digits.empty()) {
            cell.digits = sd991.FreeDigits(r, c);
          }
        });
      }
      sd991.PaintDigitCands(digit);
      break;
    }
    case OperationMode::AllCandidates:
      sd991.PaintAllCands();
      break;
  }
  ColorRepaint();
}

}  // namespace vexlo
