#pragma once
// A known puzzle on the game's board, in a chosen operation mode, with a fresh history.

#include <string_view>

#include "game/game.h"

namespace vexlo::testing {

// A puzzle with exactly one solution, and that solution.
inline constexpr std::string_view kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
inline constexpr std::string_view kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// kPuzzle less the given 8 of C3: two solutions.
inline constexpr std::string_view kTwoSolutionPuzzle =
    "530070000600195000090000060800060003400803001700020006060000280000419005000080079";

// Givens of `puzzle` become fixed cells, the others open (with their candidates in the two
// candidate modes). With `solution` empty the puzzle counts as typed in: no stored solution.
void PlayPuzzle(Game& game, std::string_view puzzle, std::string_view solution,
                OperationMode mode);

// The solution digit of a cell of kSolution, as text.
std::string SolutionDigit(int row, int col);

}  // namespace vexlo::testing
