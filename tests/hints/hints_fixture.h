#pragma once
// Helpers for the hint engine tests: candidate grids drawn as text, cell names, puzzle files.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "hints/hint_engine.h"

namespace vexlo::hints::testing {

// Engine index of a board cell name such as "E7".
int Cell(std::string_view name);

// Fills the grid from nine rows of nine tokens, board columns 1..9 left to right:
// "." all nine digits, "*" a placed cell, "37" exactly these digits, "-38" all but these.
// The engine is left ready for a step: loaded, nothing pending.
void LoadSketch(HintEngine& engine, std::initializer_list<std::string_view> rows);

// Every cell holds all nine digits: no technique finds anything.
void LoadFullGrid(HintEngine& engine);

// Takes digit d out of every cell marked "." in nine rows of nine characters ("x" keeps it).
void LimitDigit(HintEngine& engine, int d, std::initializer_list<std::string_view> rows);

// The digits of a cell as text ("38").
std::string CandText(const HintEngine& engine, std::string_view cell);

// Puts a puzzle on the board: "1".."9" fixed cells, every other cell open with `openText`.
void SetUpBoard(TPICSD33& board, std::string_view puzzle, std::string_view openText);

// Up to `count` puzzles of a public set, taking every `stride`-th line.
std::vector<std::string> ReadPuzzles(std::string_view file, int count, int stride = 1);

}  // namespace vexlo::hints::testing
