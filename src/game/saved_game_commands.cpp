#include "game/saved_game_commands.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "game/board_walk.h"
#include "game/game_loading.h"
#include "storage/candidate_fill.h"
#include "storage/text_file.h"

namespace vexlo {

namespace fs = std::filesystem;

namespace {

fs::path GamesPath(const Game& game) { return fs::path(game.DataFolder) / kGamesFile; }

bool WriteGameFile(Game& game, const std::vector<std::string>& lines) {
  const FileResult written = WriteTextFile(GamesPath(game), lines);
  if (!written) game.prompt().Tell(written.error);
  return written.ok;
}

// Candidates the program computed are dropped and shown again on request; candidates the
// player edited are shown in "All Candidates"; pencil marks stay as they were written.
void SelectModeForOpenedGame(Game& game) {
  const CandidateFill fill = CandidateFillOf(game.sd991);
  if (fill == CandidateFill::Edited) {
    game.SetMode(OperationMode::AllCandidates);
    return;
  }
  if (fill == CandidateFill::Computed) {
    ForEachCell(game.sd991, [](int, int, TPicNode& cell) {
      if (cell.state == CellState::Open) cell.digits.clear();
    });
  }
  game.SetMode(OperationMode::PencilAndPaper);
}

}  // namespace

bool OpenGameFile(Game& game, std::vector<std::string>& lines) {
  lines.clear();
  std::error_code error;
  if (!fs::exists(GamesPath(game), error)) return WriteGameFile(game, lines);
  const FileResult read = ReadTextFile(GamesPath(game), lines);
  if (!read) game.prompt().Tell(read.error);
  return read.ok;
}

void SaveCurrentBoard(Game& game, const std::string& name, int level) {
  std::vector<std::string> lines;
  if (!OpenGameFile(game, lines)) return;
  if (FindGame(lines, name) != 0) {
    if (!game.prompt().AskYesNo(game.LangText("msg_frmsave_queryexits"))) return;
    DeleteGame(lines, name);
  }
  AppendGame(lines, name, level, game.QJ1.GetSolution(), game.sd991);
  if (WriteGameFile(game, lines)) game.prompt().Tell(game.LangText("msg_frmsave_saved"));
}

std::vector<SavedGameEntry> ListGames(Game& game) {
  std::vector<std::string> lines;
  if (!OpenGameFile(game, lines)) return {};
  return ListSavedGames(lines);
}

std::string SavedGameLevelText(const Game& game, const SavedGameEntry& entry) {
  static constexpr std::array<const char*, 6> kKeys = {
      "msg_frmgamelist_VeryEasy", "msg_frmgamelist_Gentle",     "msg_frmgamelist_Moderate",
      "msg_frmgamelist_Tough",    "msg_frmgamelist_Diabolical", "msg_frmgamelist_Unknown"};
  if (entry.level < 0) return "?";
  if (entry.level >= static_cast<int>(kKeys.size())) return std::to_string(entry.level);
  return game.LangText(kKeys[entry.level]);
}

bool DeleteSavedGame(Game& game, const std::string& name) {
  if (name.empty()) return false;
  if (!game.prompt().AskYesNo(game.LangText("msg_frmgamelist_querydelete"))) return false;
  std::vector<std::string> lines;
  if (!OpenGameFile(game, lines) || !DeleteGame(lines, name)) return false;
  return WriteGameFile(game, lines);
}

std::optional<std::string> RenameSavedGame(Game& game, const std::string& oldName) {
  if (oldName.empty()) return std::nullopt;
  for (;;) {
    const std::optional<std::string> typed =
        game.prompt().AskText(game.LangText("msg_frmgamelist_Sudoku"),
                              game.LangText("msg_frmgamelist_Entername"), oldName);
    // An empty name could never be opened, deleted or renamed again.
    if (!typed || typed->empty() || *typed == oldName) return std::nullopt;
    std::vector<std::string> lines;
    if (!OpenGameFile(game, lines)) return std::nullopt;
    if (FindGame(lines, *typed) == 0) {
      if (!RenameGame(lines, oldName, *typed) || !WriteGameFile(game, lines)) return std::nullopt;
      return typed;
    }
    game.prompt().Tell(game.LangText("msg_frmgamelist_queryexits"));
  }
}

bool OpenSavedGame(Game& game, const std::string& name) {
  std::vector<std::string> lines;
  if (name.empty() || !OpenGameFile(game, lines)) return false;
  const int line = FindGame(lines, name);
  if (line == 0) return false;
  const std::optional<SavedGame> saved = ReadSavedGame(lines, line);
  if (!saved) {
    game.prompt().Tell("The saved game \"" + name + "\" is damaged and cannot be opened.");
    return false;
  }

  // The marks go with the old board; "Marking" stays as the player set it.
  const bool marking = game.chkcolor.checked;
  ClearBoardForLoading(game);
  game.chkcolor.checked = marking;
  game.sd991.nd = saved->level;
  game.QJ1.LoadSolution(saved->solution);
  ApplySavedGame(*saved, game.sd991);
  ForEachCell(game.sd991, [&game](int r, int c, const TPicNode& cell) {
    game.QJ1.node(r, c).given = cell.state == CellState::Fixed;
  });
  game.boardEnabled = true;
  game.completionVisible = false;
  // The mode is chosen before the history starts, so that its first step is what is shown.
  SelectModeForOpenedGame(game);
  game.RefreshBoard();
  game.disnote11Click(1);
  game.digitsExclusive = true;
  ShowLevel(game, saved->level);
  game.StartHistory();
  game.buttons = HistoryButtons{};
  game.buttons.btStartBranch = true;
  RestartClock(game);
  return true;
}

}  // namespace vexlo
