#include "game/new_puzzle_play.h"

#include "game/board_walk.h"
#include "game/game.h"
#include "game/game_loading.h"
#include "game/new_puzzle_board.h"
#include "storage/candidate_fill.h"

namespace vexlo {

namespace {

// The dialog's puzzle on the main board and in the holder: entered digits become givens,
// open cells keep the dialog's candidates.
void CopyPuzzle(Game& game, const TPICSD33& sdnew) {
  ForEachCell(game.sd991, [&](int r, int c, TPicNode& cell) {
    const TPicNode& source = sdnew.cell(r, c);
    // An entered cell without its digit would be a given with no value: it stays open.
    const bool given = source.state == CellState::BigNumber && IsEnteredDigit(source.digits);
    cell.digits = source.digits;
    cell.state = given ? CellState::Fixed : CellState::Open;
    TNode& node = game.QJ1.node(r, c);
    node.row = r;
    node.col = c;
    node.given = given;
    node.value = given ? source.digits[0] - '0' : 0;
  });
}

// Player-edited candidates are kept for "All Candidates"; candidates as the program would
// compute them, or incomplete ones, give way to a fresh "Pencil and Paper" board.
void SelectStartMode(Game& game) {
  if (CandidateFillOf(game.sd991) == CandidateFill::Edited) {
    game.SetMode(OperationMode::AllCandidates);
    return;
  }
  ForEachCell(game.sd991, [](int, int, TPicNode& cell) {
    if (cell.state != CellState::Fixed) cell.digits.clear();
  });
  game.SetMode(OperationMode::PencilAndPaper);
}

}  // namespace

std::string NewPuzzleGivens(const TPICSD33& sdnew) {
  std::string givens;
  givens.reserve(81);
  ForEachCell(sdnew, [&givens](int, int, const TPicNode& cell) {
    givens += IsEnteredDigit(cell.digits) ? cell.digits[0] : '0';
  });
  return givens;
}

UniquenessResult CheckNewPuzzle(const TPICSD33& sdnew) {
  return CheckUniqueness(NewPuzzleGivens(sdnew), UniquenessCaller::ImportOrCreate);
}

std::string_view CheckMessageKey(Uniqueness result) {
  switch (result) {
    case Uniqueness::Unique:
      return "msg_frm_new_onesolve";
    case Uniqueness::NoSolution:
      return "msg_frm_new_nosolve2";
    case Uniqueness::Several:
      return "msg_frm_new_twosolve2";
  }
  return "msg_frm_new_nosolve2";
}

Uniqueness CheckPuzzleCommand(Game& game, const TPICSD33& sdnew) {
  const Uniqueness result = CheckNewPuzzle(sdnew).result;
  game.prompt().Tell(game.LangText(CheckMessageKey(result)));
  return result;
}

bool PlayNewPuzzle(Game& game, const TPICSD33& sdnew) {
  const UniquenessResult check = CheckNewPuzzle(sdnew);
  if (check.result == Uniqueness::NoSolution) {
    game.prompt().Tell(game.LangText("msg_frm_new_nosolve"));
    return false;
  }
  if (check.result == Uniqueness::Several &&
      !game.prompt().AskYesNo(game.LangText("msg_frm_new_twosolve"))) {
    return false;
  }

  ClearBoardForLoading(game);  // also clears the marking and unchecks "Marking"
  CopyPuzzle(game, sdnew);
  // With several solutions none of them is the puzzle's: "Show Solution" searches anew.
  if (check.result == Uniqueness::Unique) game.QJ1.LoadSolution(check.s1);
  game.LoadBoardFromHolder(false);
  // The mode is settled before the history starts, so that its first step is the board shown.
  SelectStartMode(game);
  game.RefreshBoard();
  game.disnote11Click(1);
  game.digitsExclusive = true;
  game.StartHistory();
  game.buttons.btback = false;
  game.buttons.btnext = false;
  RestartClock(game);
  game.boardEnabled = true;
  game.completionVisible = false;
  ShowLevel(game, kUnknownLevel);
  game.sd991.nd = kUnknownLevel;
  // A full board leaves nothing to play: the player hears at once that it is solved, and
  // the clock does not run on a game that cannot change.
  if (game.sd991.IsSolved()) game.Completion("msg_Puzzlesolved");
  return true;
}

}  // namespace vexlo
