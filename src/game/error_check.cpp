#include "game/error_check.h"

#include "game/board_walk.h"
#include "game/game.h"

namespace vexlo {

ErrorCheckResult CheckErrors(TPICSD33& board, const TQJ& holder, OperationMode mode) {
  ErrorCheckResult result;
  ForEachCell(board, [&](int row, int col, TPicNode& cell) {
    const int value = holder.node(row, col).value;
    // Without a known solution digit there is nothing to compare with; calling such a cell
    // wrong would send the player hunting for a mistake that is not there.
    if (value < 1 || value > 9) return;
    const char digit = static_cast<char>('0' + value);
    if (cell.digits.size() == 1) {
      if (cell.digits[0] == digit) return;
      cell.background = kCheckErrorColor;
    } else if (mode != OperationMode::PencilAndPaper && cell.state == CellState::Open) {
      if (cell.digits.find(digit) != std::string::npos) return;
      cell.background = kCheckErrorColor;
      cell.setcolor(kCheckErrorColor);
    } else {
      return;
    }
    ++result.wrongCells;
  });
  if (result.wrongCells == 0) result.messageKey = "msg_no_error";
  board.Touch();
  return result;
}

ErrorCheckResult btcheckClick(Game& game) {
  const ErrorCheckResult result = CheckErrors(game.sd991, game.QJ1, game.mode);
  if (!result.messageKey.empty()) game.prompt().Tell(game.LangText(result.messageKey));
  return result;
}

}  // namespace vexlo
