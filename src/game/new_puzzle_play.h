#pragma once
// "Check Puzzle" and "Play Puzzle" of "Import or Create Sudoku": how many solutions the
// player's own puzzle has, and making it the game of the main window at level "Unknown".

#include <string>
#include <string_view>

#include "board/board.h"
#include "core/solver.h"

namespace vexlo {

class Game;

// The level of a puzzle played from "Import or Create Sudoku".
inline constexpr int kUnknownLevel = 5;

// 81 characters: the digit of every cell holding exactly one, "0" elsewhere.
std::string NewPuzzleGivens(const TPICSD33& sdnew);

// No, one or several solutions; a board without an open cell is its own solution.
UniquenessResult CheckNewPuzzle(const TPICSD33& sdnew);

// The language key of the message that reports a check.
std::string_view CheckMessageKey(Uniqueness result);

// "Check Puzzle": counts the solutions and tells the player.
Uniqueness CheckPuzzleCommand(Game& game, const TPICSD33& sdnew);

// "Play Puzzle": an unsolvable puzzle is refused with a message, one with several solutions
// is played only when the player agrees. The entered digits become the givens and every open
// cell keeps its candidates; edited candidates start the game in "All Candidates", anything
// else in "Pencil and Paper" with empty cells. True when the puzzle became the game.
bool PlayNewPuzzle(Game& game, const TPICSD33& sdnew);

}  // namespace vexlo
