#include "game/hint_session.h"

#include <utility>

namespace vexlo {

HintWiring HintWiringOf(Game& game) {
  HintWiring wiring;
  wiring.board = &game.sd991;
  wiring.pencilAndPaper = game.mode == OperationMode::PencilAndPaper;
  wiring.langText = [&game](std::string_view key) { return game.LangText(key); };
  wiring.recordStep = [&game] { game.RecordStep(); };
  return wiring;
}

HintSession::HintSession(hints::HintEngine& engine, HintWiring wiring, SearchNotice beforeSearch)
    : engine_(engine), wiring_(std::move(wiring)), beforeSearch_(std::move(beforeSearch)) {
  engine_.SetBoard(wiring_.board);
  engine_.SetPencilAndPaper(wiring_.pencilAndPaper);
  engine_.SetTextLookup(wiring_.langText);
  engine_.SetRecordStep(wiring_.recordStep);
}

std::string HintSession::Text(std::string_view key) const {
  return wiring_.langText ? wiring_.langText(key) : std::string();
}

void HintSession::Open() {
  engine_.Reset();
  Step();
}

void HintSession::Step() {
  // Only a search takes time; carrying out a shown finding does not announce itself.
  if (!engine_.HintPending && beforeSearch_) {
    engine_.ClearHighlight();
    beforeSearch_(Text("frmsolover.thinking"));
  }
  engine_.NextStep();
}

void HintSession::bthintClick() {
  if (engine_.PendingPlacement) {
    engine_.PlaceOnBoard(engine_.PendingDigit, engine_.PendingCell);
    engine_.ClearHighlight();
    engine_.PendingPlacement = false;
    if (wiring_.recordStep) wiring_.recordStep();
    return;
  }
  Step();
}

void HintSession::Close() {
  engine_.HintPending = false;
  engine_.PendingPlacement = false;
}

std::string HintSession::ButtonCaption() const {
  return Text(engine_.HintPending ? "frmsolover.doitforme" : "frmsolover.nexthint");
}

void AfterHintWindow(Game& game) {
  game.RefreshBoard();
  if (!game.sd991.IsSolved()) return;
  game.completionVisible = true;
  game.TimeLabel1.timerenabled = false;
  game.buttons.btStartBranch = false;
  game.buttons.btAccept = false;
  game.buttons.btRejectBranch = false;
}

}  // namespace vexlo
