#pragma once
// The board that the copy and print commands work on: the first non-empty input line, read
// as a board-state string.

#include <optional>
#include <string>

#include "board/board.h"

namespace vexlo::cli {

// Reads FILE (a byte-order mark is honoured) and puts its first non-empty line on `board`.
// Reports on standard error and returns false when the input cannot be read, holds no line,
// or the line is not a board state.
bool ReadBoardInput(const std::string& file, TPICSD33& board);

}  // namespace vexlo::cli
