// The candidate tile: nine toggle buttons and "Automatic" that edit the digits of one open
// cell. Every toggle is written into the cell at once; the history hears of the edits only
// when the tile closes, so that one visit of the tile is one step.
#include "game/candidate_tile.h"

#include "game/game.h"

namespace vexlo {

namespace {

// Button d is down exactly when d occurs in the digit text.
void SetButtons(TileState& tile, const std::string& digits) {
  for (int d = 1; d <= 9; ++d) {
    tile.down[d - 1] = digits.find(static_cast<char>('0' + d)) != std::string::npos;
  }
}

}  // namespace

void Game::OpenTile(int row, int col) {
  tile.tileRow = row;
  tile.tileCol = col;
  SetButtons(tile, sd991.cell(row, col).digits);
  tile.tileOpen = true;
  tile.visible = true;
  ShowHint(LangText("howtoclosetile"));
}

void Game::CloseTile() {
  if (!tile.visible) return;
  tile.visible = false;
  // The help on closing the tile goes with it; any other text stays.
  if (statusText == LangText("howtoclosetile")) ClearHint();
  RefreshBoard();
}

void Game::TileApply() {
  if (!tile.visible) return;
  TPicNode& cell = sd991.cell(tile.tileRow, tile.tileCol);
  // Only an open cell is the tile's to edit; a board that changed under the tile stays as
  // it is.
  if (cell.state != CellState::Open) return;
  cell.digits.clear();
  for (int d = 1; d <= 9; ++d) {
    if (tile.down[d - 1]) cell.digits += static_cast<char>('0' + d);
  }
  cell.showhxs();
  if (mode == OperationMode::PencilAndPaper) cell.isAuto = 0;
  sd991.Touch();
}

void Game::TileDigitClick(int digit) {
  if (!tile.visible || digit < 1 || digit > 9) return;
  tile.down[digit - 1] = !tile.down[digit - 1];
  TileApply();
}

void Game::TileKeyDown(int key) {
  if (!tile.visible) return;
  // Every key writes the buttons into the cell, a digit key after flipping its button.
  if (key >= kTileKey1 && key < kTileKey1 + 9) {
    TileDigitClick(key - kTileKey1 + 1);
  } else {
    TileApply();
  }
  if (key == kTileKeyEscape) {
    tile.tileOpen = false;
    CloseTile();
  }
}

void Game::TileAutomaticClick() {
  if (!tile.visible) return;
  SetButtons(tile, sd991.FreeDigits(tile.tileRow, tile.tileCol));
  TileApply();
  tile.tileOpen = false;
  CloseTile();
}

}  // namespace vexlo
