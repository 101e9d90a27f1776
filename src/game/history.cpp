// The move history: every change of the board becomes a step, and the step buttons follow
// where the board stands in it.
#include "game/game.h"
#include "storage/board_state.h"
#include "storage/candidate_fill.h"

namespace vexlo {

namespace {

// Before the first game the history holds this one line instead of a board.
constexpr const char* kPlaceholderStep = "memostep";

}  // namespace

void Game::StartHistory() {
  memostep.clear();
  stepIndex = 0;
  RecordStep();
  stepIndex = 0;
}

void Game::RecordStep() {
  const std::string state = WriteBoardState(sd991);
  const auto index = static_cast<std::size_t>(stepIndex);
  const bool unchanged = index < memostep.size() && memostep[index] == state;
  if (!unchanged) {
    // A move made on an earlier step discards the steps after it.
    if (index + 1 < memostep.size()) memostep.resize(index + 1);
    memostep.push_back(state);
    stepIndex = static_cast<int>(memostep.size()) - 1;
  }
  SetHistoryButtons(true);
}

void Game::SetHistoryButtons(bool afterRecording) {
  const int last = static_cast<int>(memostep.size()) - 1;
  buttons.btback = stepIndex != 0;
  buttons.btfirst = buttons.btback;
  buttons.btnext = stepIndex < last;
  buttons.btlast = buttons.btnext;
  if (afterRecording && !memostep.empty() && memostep.front() == kPlaceholderStep) {
    buttons.btback = buttons.btfirst = false;
  }
}

}  // namespace vexlo

namespace vexlo {

BoardStateReadResult Game::ReadBoardIntoGame(std::string_view text) {
  const std::string before = WriteBoardState(sd991);
  BoardStateReadResult result = ReadBoardState(sd991, text);
  if (!result) {
    // A half-read board would be a game nobody played: the board stays as it was.
    ReadBoardState(sd991, before);
    return result;
  }
  if (ModeAfterBoardRead(CandidateFillOf(sd991)) == ModeAfterRead::AllCandidates) {
    SetMode(OperationMode::AllCandidates);
  } else if (mode != OperationMode::PencilAndPaper && rb_noneMouseDown()) {
    SetMode(OperationMode::PencilAndPaper);
  }
  return result;
}

void Game::RedrawAfterRead(bool withHighlight) {
  switch (mode) {
    case OperationMode::PencilAndPaper:
      sd991.PaintPencil();
      if (!withHighlight) break;
      if (!AnyDigitDown()) PressDigit(1);
      Highlight();
      break;
    case OperationMode::AllCandidates:
      sd991.PaintAllCands();
      break;
    case OperationMode::PartCandidates:
      sd991.PaintDigitCands(SelectedDigit());
      break;
  }
}

void Game::GoToStep(int index) {
  if (index < 0 || index >= static_cast<int>(memostep.size())) return;
  const int previous = stepIndex;
  stepIndex = index;
  if (const BoardStateReadResult read = ReadBoardIntoGame(memostep[index]); !read) {
    stepIndex = previous;
    prompt_.Tell(read.Message());
    return;
  }
  sd991.FindConflict();
  RedrawAfterRead(true);
  SetHistoryButtons(false);
  Highlight();
  ColorRepaint();
  RefreshBoard();
}

void Game::btfirstClick() { GoToStep(0); }
void Game::btbackClick() { GoToStep(stepIndex - 1); }
void Game::btnextClick() { GoToStep(stepIndex + 1); }
void Game::btlastClick() { GoToStep(static_cast<int>(memostep.size()) - 1); }

void Game::btStartBranchClick() {
  branchState = WriteBoardState(sd991);
  buttons.btStartBranch = false;
  buttons.btAccept = buttons.btRejectBranch = true;
}

void Game::btAcceptClick() {
  buttons.btStartBranch = true;
  buttons.btAccept = buttons.btRejectBranch = false;
  branchState.clear();
}

void Game::btRejectBranchClick() {
  buttons.btStartBranch = true;
  buttons.btAccept = buttons.btRejectBranch = false;
  if (const BoardStateReadResult read = ReadBoardIntoGame(branchState); !read) {
    prompt_.Tell(read.Message());
  } else {
    // The restored board becomes a new step; the branch's own steps stay before it.
    sd991.FindConflict();
    RedrawAfterRead(false);
    RefreshBoard();
    ColorRepaint();
  }
  branchState.clear();
}

}  // namespace vexlo
