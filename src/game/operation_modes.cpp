// Switching between the three operation modes.
#include "game/board_walk.h"
#include "game/game.h"
#include "storage/candidate_fill.h"

namespace vexlo {

namespace {

// The question is the program's own, the same in every language.
constexpr const char* kDropMarksQuestion = "将删除所有标记，是否继续？";
constexpr const char* kDropMarksCaption = "提示";

void EmptyOpenCells(TPICSD33& board) {
  ForEachCell(board, [](int, int, TPicNode& cell) {
    if (cell.state == CellState::Open) cell.digits.clear();
  });
  board.Touch();
}

void MarkAllAuto(TPICSD33& board) {
  ForEachCell(board, [](int, int, TPicNode& cell) { cell.isAuto = 1; });
}

}  // namespace

bool Game::rb_noneMouseDown() {
  if (CandidateFillOf(sd991) != CandidateFill::Edited) return true;
  // Candidates the player edited would be dropped by the switch: ask first.
  if (prompt_.AskYesNoCaptioned(kDropMarksQuestion, kDropMarksCaption)) {
    EmptyOpenCells(sd991);
    sd991.HideOpenCands();
    return true;
  }
  // No: a candidate mode stays checked, and a click on the checked "Pencil and Paper"
  // changes nothing either way.
  return false;
}

void Game::SetMode(OperationMode newMode) {
  if (newMode == mode) return;
  mode = newMode;
  rb_noneClick();
}

void Game::CandidateFill() {
  cbautoupdate.enabled = true;
  if (AnyCell(sd991, [](const TPicNode& cell) { return cell.digits.empty(); })) {
    ForEachCell(sd991, [this](int r, int c, TPicNode& cell) {
      if (cell.state == CellState::Open) cell.digits = sd991.FreeDigits(r, c);
    });
  }
  if (AutoUpdateOn()) {
    ForEachCell(sd991, [this](int r, int c, TPicNode& cell) {
      if (cell.state == CellState::Open) cell.digits = sd991.ReduceCands(r, c);
    });
  }
  sd991.Touch();
}

void Game::rb_noneClick() {
  switch (mode) {
    case OperationMode::PencilAndPaper:
      // Candidates exactly as the program computes them are not the player's own marks.
      if (CandidateFillOf(sd991) == CandidateFill::Computed) EmptyOpenCells(sd991);
      cbautoupdate.enabled = false;
      sd991.PaintPencil();
      if (!AnyDigitDown()) PressDigit(1);
      break;
    case OperationMode::AllCandidates:
      MarkAllAuto(sd991);
      CandidateFill();
      sd991.PaintAllCands();
      RefreshBoard();
      break;
    case OperationMode::PartCandidates: {
      MarkAllAuto(sd991);
      CandidateFill();
      const int digit = SelectedDigit() != 0 ? SelectedDigit() : 1;
      PressDigit(digit);
      sd991.PaintDigitCands(digit);
      RefreshBoard();
      break;
    }
  }
  // Only one digit stays down outside "Part Candidates": the highest.
  if (mode != OperationMode::PartCandidates) {
    for (int d = 9, kept = 0; d >= 1; --d) {
      if (!digitDown[d - 1]) continue;
      if (kept != 0) digitDown[d - 1] = false;
      kept = d;
    }
  }
  digitsExclusive = mode != OperationMode::PartCandidates;
  Highlight();
  ColorRepaint();
  RefreshBoard();
}

void Game::RedrawByMode() {
  if (mode == OperationMode::PencilAndPaper) {
    sd991.PaintPencil();
  } else {
    sd991.PaintFiltered(DisplayDigitSet());
  }
}

void Game::RepaintForMode() {
  switch (mode) {
    case OperationMode::PencilAndPaper:
      sd991.PaintPencil();
      break;
    case OperationMode::PartCandidates:
      sd991.PaintFiltered(DisplayDigitSet());
      break;
    case OperationMode::AllCandidates:
      sd991.PaintAllCands();
      break;
  }
  Highlight();
  ColorRepaint();
}

}  // namespace vexlo
