#pragma once
// "Show Solution": the stored solution of the puzzle, or one computed by the solver for a
// puzzle typed in, or two different solutions when it has several. The game is not changed.

#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "core/puzzle_holder.h"
#include "game/game.h"

namespace vexlo {

enum class SolutionShow {
  Nothing,       // the player declined, or no solution exists (already told)
  Board,         // one solution: the solution window shows it on a board
  TwoSolutions,  // several: the viewer shows two of them as text
};

struct SolutionAnswer {
  SolutionShow show = SolutionShow::Nothing;
  std::string solution;  // 81 digits; the first of the two for TwoSolutions
  std::string second;    // TwoSolutions only
  bool computed = false;  // the solver ran (the result is not kept anywhere)
  bool unsolvable = false;
};

// Without asking: the holder's solution when it has one, else the solver's verdict on the
// board's fixed cells.
SolutionAnswer LookUpSolution(const TPICSD33& board, const TQJ& holder);

// The toolbar command up to the windows: asks "msg_solve" first, tells "msg_nosolve" or
// "msg_twosolve" where that applies. The caller shows what the answer says.
SolutionAnswer btsolveClick(Game& game);

// The solution window's board: the main board's givens stay givens, every other cell takes
// its digit of `solution` as a big number; then the candidate repaint and the conflict check.
void FillSolutionBoard(TPICSD33& target, const TPICSD33& mainBoard, std::string_view solution);

// The viewer's lines: a heading, nine rows of nine digits, two empty lines, a heading and the
// nine rows of the second solution.
std::vector<std::string> TwoSolutionsLines(std::string_view s1, std::string_view s2,
                                           const TextLookup& langText);

}  // namespace vexlo
