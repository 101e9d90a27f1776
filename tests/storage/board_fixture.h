#pragma once
// Small boards for the storage tests.

#include <string>
#include <string_view>

#include "board/board.h"

namespace vexlo::testing {

// Example 1 of the import dialog, a puzzle that several layouts are checked against.
inline constexpr std::string_view kExamplePuzzle =
    "086009000003200000002004903004000000005000700697041230008050001001760000059000006";

// A board whose "1".."9" characters are cells of `givenState` and whose other cells are open
// with `openDigits`.
TPICSD33 BoardFromPuzzle(std::string_view puzzle, CellState givenState = CellState::Fixed,
                         const std::string& openDigits = "");

// kExamplePuzzle's givens plus a big number 7 in A1, the candidates 1234789 in A4, 249 in A5
// and the pencil marks 921 (in the player's order) in B1; the other open cells are empty.
TPICSD33 SampleBoard();

// Every open cell gets its FreeDigits.
void FillCandidates(TPICSD33& board);

}  // namespace vexlo::testing
