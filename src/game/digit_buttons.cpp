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

namespace vexlo {

void Game::disnote1RightClick(int digit) {
  if (mode != OperationMode::PartCandidates || digit < 1 || digit > 9) return;
  bool& down = digitDown[digit - 1];
  down = !down;
  // The last button down stays down.
  if (!AnyDigitDown()) down = true;
  sd991.PaintFiltered(DisplayDigitSet());
}

void Game::DigitKey(int digit) {
  if (digit < 1 || digit > 9) return;
  PressDigit(digit);
  disnote11Click(digit);
  sd991.PaintFiltered(DisplayDigitSet());
  ColorRepaint();
}

void Game::TabKey() {
  int next = 1;
  if (!digitDown[8]) {
    for (int d = 1; d <= 8; ++d) {
      if (digitDown[d - 1]) {
        next = d + 1;
        break;
      }
    }
  }
  PressDigit(next);
  disnote11Click(next);
}

void Game::ProgressBarMouseDown(int digit, MouseButton button) {
  if (button == MouseButton::Right) {
    disnote1RightClick(digit);
  } else {
    disnote11Click(digit);
  }
}

void Game::DigitButtonHint() {
  ShowHint(LangText(mode == OperationMode::PartCandidates ? "rb_one_number_hint"
                                                          : "rb_all_number_hint"));
}

}  // namespace vexlo
