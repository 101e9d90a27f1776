#pragma once
// BoardStateString: the state and digits of all 81 cells in one line, the unit of the move
// history, branches, replay files and the last game.
//   token = state digit + digits as held; 81 tokens row-major, joined by single commas.

#include <string>
#include <string_view>

#include "board/board.h"

namespace vexlo {

std::string WriteBoardState(const TPICSD33& board);

// Outcome of ReadBoardState; converts to true on success.
struct BoardStateReadResult {
  bool ok = true;
  int row = 0;  // the cell whose token could not be converted (1..9), 0 on success
  int col = 0;
  std::string token;  // that token
  explicit operator bool() const { return ok; }
  // One line for the player, e.g. "Cannot read the board state: cell C4 holds "x5".".
  std::string Message() const;
};

// Sets state and digits of all 81 cells from `text`. Fewer than 81 tokens: the cells after
// the last comma all take the last token; surplus tokens are ignored. A token that does not
// start with the state digit 1, 2 or 3 (an empty one included) stops the reading: the cells
// before it keep their new values and the failing cell has received the token's digits but
// keeps its old state. Selecting the operation mode afterwards is the caller's business
// (see ModeAfterBoardRead in storage/candidate_fill.h).
BoardStateReadResult ReadBoardState(TPICSD33& board, std::string_view text);

}  // namespace vexlo
