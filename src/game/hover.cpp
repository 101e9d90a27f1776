// Which cell or candidate panel the mouse is over. The board draws a frame there, the status
// bar explains what a click would do, and activating the window asks whether the mouse is
// over a cell.
#include "game/game.h"

namespace vexlo {

namespace {

// The status text key on entering a cell outside marking; empty clears the bar, null
// leaves it as it is.
const char* CellHintKey(OperationMode mode, CellState state) {
  if (state == CellState::Fixed) return "";
  if (state == CellState::Open) {
    return mode == OperationMode::PencilAndPaper ? "msg_rb_one" : "msg_right_pop";
  }
  switch (mode) {
    case OperationMode::PencilAndPaper:
      return "msg_rb_one";
    case OperationMode::AllCandidates:
      return "msg_tb_all";
    case OperationMode::PartCandidates:
      break;
  }
  return nullptr;
}

}  // namespace

void Game::SetCellHover(int row, int col, bool entered) {
  sd991.SetEnter(row, col, 0, entered);
  if (!entered) return;
  if (chkcolor.checked) {
    ShowHint(LangText("msg_color"));
  } else if (const char* key = CellHintKey(mode, sd991.cell(row, col).state)) {
    ShowHint(*key == '\0' ? std::string() : LangText(key));
  }
}

void Game::SetPanelHover(int row, int col, int digit, bool entered) {
  sd991.SetEnter(row, col, digit, entered);
  if (entered) ShowHint(LangText(chkcolor.checked ? "msg_color" : "msg_notcolor"));
}

}  // namespace vexlo
