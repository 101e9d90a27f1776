#pragma once
// Named saved games in "games.dat": saving the current board under a name and a level, the
// list of saved games, and deleting, renaming and opening one of them. Every change reads
// the file, changes its lines and writes it back whole through a temporary file, so that
// records this code cannot read stay as they were.

#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "storage/saved_games.h"

namespace vexlo {

inline constexpr const char* kGamesFile = "games.dat";

// The lines of "games.dat"; a missing file is created empty. False, after telling the
// player, when the file exists but cannot be read: nothing may then be written over it.
bool OpenGameFile(Game& game, std::vector<std::string>& lines);

// "Save Current Board" after OK in the save dialog. A name in use is replaced only after the
// player agreed, and the replaced game moves to the end of the list.
void SaveCurrentBoard(Game& game, const std::string& name, int level);

// The games of the list dialog; empty when there are none or the file cannot be read.
std::vector<SavedGameEntry> ListGames(Game& game);

// The list's level column: the level's name, the digit itself above 5, "?" when unreadable.
std::string SavedGameLevelText(const Game& game, const SavedGameEntry& entry);

// "Delete": asks first; true when the game was removed from the file.
bool DeleteSavedGame(Game& game, const std::string& name);

// "Rename": asks for the new name until it is free, unchanged or the player cancels. The new
// name when the game was renamed.
std::optional<std::string> RenameSavedGame(Game& game, const std::string& oldName);

// "OK" of the list: puts the game on the board with a fresh history and clock. A name that
// names no game leaves the current game alone; a damaged record is reported and does too.
bool OpenSavedGame(Game& game, const std::string& name);

}  // namespace vexlo
