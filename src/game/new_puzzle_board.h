#pragma once
// The board of "Import or Create Sudoku", where the player writes a puzzle of their own:
// a left click on a candidate enters that digit, a right click strikes the candidate, a click
// on an entered digit takes it back. An entered digit is a big number (it becomes a given when
// the puzzle is played); every other cell is open and shows its candidates.

#include <string>

#include "board/board.h"
#include "board/mouse_button.h"

namespace vexlo {

// Exactly one digit "1".."9": what an entered digit holds.
bool IsEnteredDigit(const std::string& text);

// "Load Puzzle": every cell of `main` holding exactly one character (a given, a big number or
// an open cell with a single candidate) becomes an entered digit; every other cell an open
// cell with the digits its entered peers leave free. Conflicts are marked.
void LoadPuzzleFromBoard(TPICSD33& sdnew, const TPICSD33& main);

// Left button on a cell: the cell becomes open with its free digits, and an entered digit it
// held goes back to the open peers where it is free again. Other buttons do nothing.
void NewPuzzleCellMouseDown(TPICSD33& sdnew, int row, int col, MouseButton button);

// Left button on candidate `digit`: the digit is entered and struck from the open peers.
// Right button: the candidate is struck from this cell alone. Other buttons do nothing.
void NewPuzzlePanelMouseDown(TPICSD33& sdnew, int row, int col, int digit, MouseButton button);

}  // namespace vexlo
