// Switching between the three operation modes.
#include "game/game.h"

namespace vexlo {

bool Game::rb_noneMouseDown() {
  // The question before hand-edited candidates are dropped comes with cell input; without
  // it nothing is lost by the switch.
  return true;
}

void Game::SetMode(OperationMode newMode) {
  if (newMode == mode) return;
  mode = newMode;
  rb_noneClick();
}

void Game::rb_noneClick() {
  if (mode == OperationMode::PencilAndPaper) {
    cbautoupdate.enabled = false;
    sd991.PaintPencil();
    if (!AnyDigitDown()) PressDigit(1);
  } else {
    // The candidate fill of the candidate modes comes with cell input.
    cbautoupdate.enabled = true;
  }
  // Only one digit stays down outside "Part Candidates": the highest.
  if (mode != OperationMode::PartCandidates) {
    for (int d = 9, kept = 0; d >= 1; --d) {
      if (!digitDown[d - 1]) continue;
      if (kept != 0) digitDown[d - 1] = false;
      kept = d;
    }
  }
  digitsExclusive = mode != OperationMode::PartCandidates;
  ColorRepaint();
  RefreshBoard();
}

void Game::RepaintForMode() {
  switch (mode) {
    case OperationMode::PencilAndPaper:
      sd991.PaintPencil();
      break;
    case OperationMode::PartCandidates:
      sd991.PaintFiltered(DisplayDigitSet());
      break;
    case OperationMode::AllCandidates:
      sd991.PaintAllCands();
      break;
  }
  Highlight();
  ColorRepaint();
}

}  // namespace vexlo
