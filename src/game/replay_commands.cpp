#include "game/replay_commands.h"

#include <system_error>

#include "game/board_walk.h"
#include "game/game_loading.h"
#include "storage/board_state.h"

namespace vexlo {

namespace fs = std::filesystem;

namespace {

// Before the first game of a run the history holds this placeholder instead of a board.
constexpr const char* kPlaceholderStep = "memostep";

bool GamePlayed(const Game& game) {
  return !game.memostep.empty() && game.memostep.front() != kPlaceholderStep;
}

}  // namespace

ReplayData CurrentReplay(const Game& game) {
  ReplayData replay;
  replay.level = game.sd991.nd;
  replay.givens = game.sd991.GetPuzzleString();
  replay.solution = game.QJ1.GetSolution();
  replay.steps = game.memostep;
  return replay;
}

void SaveReplay(Game& game) {
  const std::string chosen = game.prompt().ChooseSaveFile(game.DataFolder + kReplayFolder);
  if (chosen.empty()) return;
  std::error_code error;
  if (fs::exists(chosen, error) &&
      !game.prompt().AskYesNo(game.LangText("msg_frmstep_queryexits"))) {
    return;
  }
  if (FileResult written = WriteTextFile(chosen, BuildReplayLines(CurrentReplay(game))); !written) {
    game.prompt().Tell(written.error);
  }
}

void LoadReplay(Game& game) {
  const std::string chosen = game.prompt().ChooseOpenFile(game.DataFolder + kReplayFolder);
  if (chosen.empty()) return;
  if (FileResult loaded = LoadReplayFile(game, chosen); !loaded) game.prompt().Tell(loaded.error);
}

void ContinueLastGame(Game& game) {
  const fs::path path = fs::path(game.DataFolder) / kLastGameFile;
  std::error_code error;
  if (!fs::exists(path, error)) return;
  LoadReplayFile(game, path);  // a failure ends it without a word
}

FileResult WriteLastGame(const Game& game) {
  if (!GamePlayed(game)) return {};
  return WriteTextFile(fs::path(game.DataFolder) / kLastGameFile,
                       BuildReplayLines(CurrentReplay(game)));
}

FileResult LoadReplayFile(Game& game, const fs::path& path) {
  std::vector<std::string> lines;
  if (FileResult read = ReadTextFile(path, lines); !read) return read;
  ReplayParseResult parsed = ParseReplay(lines);
  if (!parsed) {
    return {false, "\"" + path.filename().string() + "\" cannot be loaded. " + parsed.error};
  }
  ApplyReplay(game, parsed.replay);
  return {};
}

void ApplyReplay(Game& game, const ReplayData& replay) {
  ClearBoardForLoading(game);
  game.SetMode(OperationMode::PencilAndPaper);
  game.PressDigit(1);

  game.QJ1.LoadPuzzle(replay.givens);
  game.QJ1.LoadSolution(replay.solution);
  // Givens come from the holder; the open cells keep what the last step gives them.
  ReadBoardState(game.sd991, replay.steps.back());
  game.LoadBoardFromHolder(false);
  game.sd991.nd = replay.level;
  game.completionVisible = false;
  game.RefreshBoard();
  game.disnote11Click(1);
  game.sd991.HideOpenCands();
  ShowLevel(game, replay.level);

  // The history is exactly the file's steps: whatever the refreshes above recorded goes.
  game.memostep = replay.steps;
  game.stepIndex = static_cast<int>(game.memostep.size()) - 1;
  game.btlastClick();  // shows the last step as stored, in the mode it calls for
  game.memostep = replay.steps;
  game.stepIndex = static_cast<int>(game.memostep.size()) - 1;
  game.SetHistoryButtons(false);
  game.digitsExclusive = game.mode != OperationMode::PartCandidates;
  RestartClock(game);
}

}  // namespace vexlo
