#include "game/game_loading.h"

#include "game/board_walk.h"
#include "game/level_caption.h"

namespace vexlo {

void ClearBoardForLoading(Game& game) {
  game.QJ1.ClearValues();
  ForEachCell(game.sd991, [](int, int, TPicNode& cell) {
    cell.state = CellState::Open;
    cell.digits.clear();
    cell.isError = false;
  });
  game.ClearMarking();
  game.chkcolor.checked = false;
}

void RestartClock(Game& game) {
  game.TimeLabel1.timerenabled = true;
  game.TimeLabel1.SetMS(0);
}

void ShowLevel(Game& game, int level) {
  if (const char* key = LevelCaptionKey(level)) game.SetLevelCaption(key);
}

}  // namespace vexlo
