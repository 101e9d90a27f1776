// Mouse input on the board: clicks on cells and on their candidate panels, and the
// completion of the puzzle.
#include <algorithm>

#include "game/game.h"

namespace vexlo {

namespace {

bool IsBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char ch) { return static_cast<unsigned char>(ch) <= ' '; });
}

}  // namespace

void Game::CellMouseDown(int row, int col, MouseButton button) {
  if (!boardEnabled) return;
  if (chkcolor.checked) {
    MarkColor(row, col, 0, button);
    return;
  }
  if (tile.tileOpen) {
    // The click only closes the tile.
    tile.tileOpen = false;
    CloseTile();
    return;
  }
  TPicNode& cell = sd991.cell(row, col);
  if (mode != OperationMode::PencilAndPaper && cell.state == CellState::BigNumber) {
    // In the candidate modes any button takes a big number back.
    const std::string digit = cell.digits;
    cell.digits = sd991.FreeDigits(row, col);
    cell.state = CellState::Open;
    sd991.RestoreToPeers(row, col, digit);
  } else if (button == MouseButton::Left && cell.state != CellState::Fixed &&
             mode == OperationMode::PencilAndPaper && SelectedDigit() != 0) {
    cell.digits = std::string(1, static_cast<char>('0' + SelectedDigit()));
    cell.state = CellState::BigNumber;
    cell.Hide();
  } else if (button == MouseButton::Right && cell.state == CellState::Open) {
    OpenTile(row, col);
  } else if (button == MouseButton::Right && cell.state == CellState::BigNumber) {
    if (!IsBlank(cell.digits)) {
      cell.state = CellState::Open;
      cell.digits.clear();
    }
  }
  RefreshAfterCellInput(true);
}

void Game::CandidateMouseDown(int row, int col, int digit, MouseButton button) {
  if (!boardEnabled || digit < 1 || digit > 9) return;
  if (chkcolor.checked) {
    MarkColor(row, col, digit, button);
    return;
  }
  TPicNode& cell = sd991.cell(row, col);
  // Only an open cell shows its panels.
  if (cell.state != CellState::Open) return;
  const char ch = static_cast<char>('0' + digit);
  if (button == MouseButton::Left) {
    cell.digits = std::string(1, ch);
    cell.state = CellState::BigNumber;
    if (AutoUpdateOn()) sd991.RemoveFromPeers(row, col);
  } else if (button == MouseButton::Right) {
    if (const auto at = cell.digits.find(ch); at != std::string::npos) cell.digits.erase(at, 1);
  }
  sd991.Touch();
  RefreshAfterCellInput(false);
}

void Game::RefreshAfterCellInput(bool fromCell) {
  sd991.FindConflict();
  const bool solved = sd991.IsSolved();
  RefreshBoard();
  if (fromCell) {
    RedrawByMode();
  } else {
    sd991.PaintFiltered(DisplayDigitSet());
  }
  Highlight();
  ColorRepaint();
  if (!solved) return;
  if (fromCell) {
    Completion("msg_Puzzlesolved");
    buttons.btStartBranch = buttons.btAccept = buttons.btRejectBranch = false;
  } else {
    // The branch buttons stay as they are after an entry from a candidate panel.
    Completion("msg_puzzle_solved");
  }
}

void Game::Completion(std::string_view key) {
  completionVisible = true;
  // The clock stops before the message, so the time shown while it is open is final.
  TimeLabel1.timerenabled = false;
  prompt_.Tell(LangText(key));
}

}  // namespace vexlo
