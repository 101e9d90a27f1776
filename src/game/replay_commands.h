#pragma once
// Replay files and the last game: a game with its whole move history, written to a file of
// the player's choice ("Save Replay") or to "lastgame.dat" when the window closes, and put
// back on the board with every step ("Load Replay", "Continue Your Last Game").

#include <filesystem>
#include <string>

#include "game/game.h"
#include "storage/replay_file.h"
#include "storage/text_file.h"

namespace vexlo {

inline constexpr const char* kLastGameFile = "lastgame.dat";
inline constexpr const char* kReplayFolder = "replay";

// The current game as a replay: level, givens, solution and every history step.
ReplayData CurrentReplay(const Game& game);

// "Save Replay": a file chosen in the replay folder; an existing one is replaced only after
// the player agreed.
void SaveReplay(Game& game);

// "Load Replay": a damaged file is reported and leaves the current game as it was; a
// cancelled dialog changes nothing.
void LoadReplay(Game& game);

// "Continue Your Last Game": without a readable last game nothing happens, silently.
void ContinueLastGame(Game& game);

// On closing the window. A run in which no game was played keeps the earlier last game.
FileResult WriteLastGame(const Game& game);

// Reads the whole file and checks it before the board is touched; on success the game shows
// the file's last step with the file's history, level and solution.
FileResult LoadReplayFile(Game& game, const std::filesystem::path& path);

// Puts checked replay data on the board.
void ApplyReplay(Game& game, const ReplayData& replay);

}  // namespace vexlo
