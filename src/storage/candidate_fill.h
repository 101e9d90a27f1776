#pragma once
// How the open cells' digits relate to the candidates the program would compute. The mode
// switch, the "Pencil and Paper" confirmation and the reading of a board state decide by it.

#include "board/board.h"

namespace vexlo {

enum class CandidateFill : int {
  Empty = 0,     // no open cell, or no open cell holds any digit
  Mixed = 1,     // some open cells hold digits and others are empty
  Computed = 2,  // every open cell holds exactly its FreeDigits (as a set)
  Edited = 3,    // every open cell holds digits and at least one differs from its FreeDigits
};

CandidateFill CandidateFillOf(const TPICSD33& board);

// The operation mode that follows reading a board state: candidates that fill every open
// cell show in "All Candidates", anything else in "Pencil and Paper".
enum class ModeAfterRead { PencilAndPaper, AllCandidates };
ModeAfterRead ModeAfterBoardRead(CandidateFill fill);

}  // namespace vexlo
