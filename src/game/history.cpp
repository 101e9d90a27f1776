// The move history: every change of the board becomes a step, and the step buttons follow
// where the board stands in it.
#include "game/game.h"
#include "storage/board_state.h"

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
