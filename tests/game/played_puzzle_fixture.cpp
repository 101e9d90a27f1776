#include "played_puzzle_fixture.h"

#include <string>

namespace vexlo::testing {

void PlayPuzzle(Game& game, std::string_view puzzle, std::string_view solution,
                OperationMode mode) {
  game.QJ1.LoadPuzzle(puzzle);
  if (!solution.empty()) game.QJ1.LoadSolution(solution);
  game.mode = mode;
  game.LoadBoardFromHolder(mode != OperationMode::PencilAndPaper);
  game.sd991.PaintAll();
  game.StartHistory();
}

std::string SolutionDigit(int row, int col) {
  return std::string(1, kSolution[static_cast<std::size_t>(9 * (row - 1) + col - 1)]);
}

}  // namespace vexlo::testing
