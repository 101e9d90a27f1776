#pragma once
// Steps shared by the commands that put a stored game on the board (a replay, the last game,
// a saved game).

#include "game/game.h"

namespace vexlo {

// The holder's values cleared, every cell an empty open cell, no colour marks.
void ClearBoardForLoading(Game& game);

// The clock from zero, running.
void RestartClock(Game& game);

// The level line for `level`; any other level keeps the line's text.
void ShowLevel(Game& game, int level);

}  // namespace vexlo
