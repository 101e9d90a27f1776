#pragma once
// "Check Error": every entry that disagrees with the puzzle's solution is painted red in
// place, without telling the solution.

#include <string_view>

#include "board/board.h"
#include "core/puzzle_holder.h"
#include "game/operation_mode.h"

namespace vexlo {

class Game;

// Painted straight onto the backgrounds; it stays until the next colour repaint.
inline constexpr Color kCheckErrorColor = Rgb(254, 0, 0);

struct ErrorCheckResult {
  int wrongCells = 0;          // cells painted in kCheckErrorColor
  std::string_view messageKey;  // "msg_no_error" when nothing was wrong, else empty
};

// A one-digit text (given, big number or an open cell with a single candidate) is wrong when
// it differs from the solution digit: only the cell is painted. In the candidate modes an
// open cell is wrong when its candidates lack the solution digit: the cell and its nine
// panels are painted. Pencil marks are never checked, and neither is a cell whose solution
// digit is not known. Cell states and texts stay as they are.
ErrorCheckResult CheckErrors(TPICSD33& board, const TQJ& holder, OperationMode mode);

// The toolbar command: the check on the game's board, and "No error found." when it is clean.
ErrorCheckResult btcheckClick(Game& game);

}  // namespace vexlo
