#include "storage/candidate_fill.h"

#include <string>

namespace vexlo {

namespace {

// The distinct digits 1..9 of a text, ascending.
std::string SortedDigits(const std::string& text) {
  std::string result;
  for (char digit = '1'; digit <= '9'; ++digit) {
    if (text.find(digit) != std::string::npos) result += digit;
  }
  return result;
}

}  // namespace

CandidateFill CandidateFillOf(const TPICSD33& board) {
  bool anyFilled = false;
  bool anyEmpty = false;
  bool allComputed = true;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const TPicNode& cell = board.cell(row, col);
      if (cell.state != CellState::Open) continue;
      if (cell.digits.empty()) {
        anyEmpty = true;
        continue;
      }
      anyFilled = true;
      if (allComputed && SortedDigits(cell.digits) != board.FreeDigits(row, col)) {
        allComputed = false;
      }
    }
  }
  if (!anyFilled) return CandidateFill::Empty;
  if (anyEmpty) return CandidateFill::Mixed;
  return allComputed ? CandidateFill::Computed : CandidateFill::Edited;
}

ModeAfterRead ModeAfterBoardRead(CandidateFill fill) {
  return fill == CandidateFill::Computed || fill == CandidateFill::Edited
             ? ModeAfterRead::AllCandidates
             : ModeAfterRead::PencilAndPaper;
}

}  // namespace vexlo
