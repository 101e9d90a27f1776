#include "game/solution_lookup.h"

#include "core/solver.h"
#include "game/board_walk.h"

namespace vexlo {

namespace {

bool IsSolutionText(std::string_view text) {
  if (text.size() != 81) return false;
  for (char ch : text) {
    if (ch < '1' || ch > '9') return false;
  }
  return true;
}

void AddRows(std::vector<std::string>& lines, std::string_view solution) {
  for (std::size_t at = 0; at < 81; at += 9) {
    lines.emplace_back(at < solution.size() ? solution.substr(at, 9) : std::string_view());
  }
}

}  // namespace

SolutionAnswer LookUpSolution(const TPICSD33& board, const TQJ& holder) {
  SolutionAnswer answer;
  if (std::string stored = holder.GetSolution(); !stored.empty()) {
    answer.show = SolutionShow::Board;
    answer.solution = std::move(stored);
    return answer;
  }
  answer.computed = true;
  UniquenessResult found = CheckUniqueness(board.GetPuzzleString(), UniquenessCaller::MainWindow);
  switch (found.result) {
    case Uniqueness::Unique:
      answer.show = SolutionShow::Board;
      answer.solution = std::move(found.s1);
      break;
    case Uniqueness::Several:
      answer.show = SolutionShow::TwoSolutions;
      answer.solution = std::move(found.s1);
      answer.second = std::move(found.s2);
      break;
    case Uniqueness::NoSolution:
      answer.unsolvable = true;
      break;
  }
  // A result that is not a full grid of digits is never put on a board or in the viewer.
  if (!IsSolutionText(answer.solution) ||
      (answer.show == SolutionShow::TwoSolutions && !IsSolutionText(answer.second))) {
    answer.show = SolutionShow::Nothing;
    answer.unsolvable = true;
  }
  return answer;
}

SolutionAnswer btsolveClick(Game& game) {
  if (!game.prompt().AskYesNo(game.LangText("msg_solve"))) return {};
  SolutionAnswer answer = LookUpSolution(game.sd991, game.QJ1);
  if (answer.unsolvable) {
    game.prompt().Tell(game.LangText("msg_nosolve"));
  } else if (answer.show == SolutionShow::TwoSolutions) {
    game.prompt().Tell(game.LangText("msg_twosolve"));
  }
  return answer;
}

void FillSolutionBoard(TPICSD33& target, const TPICSD33& mainBoard, std::string_view solution) {
  ForEachCell(target, [&](int row, int col, TPicNode& cell) {
    const TPicNode& shown = mainBoard.cell(row, col);
    if (shown.state == CellState::Fixed) {
      cell.digits = shown.digits;
      cell.state = CellState::Fixed;
    } else {
      const std::size_t at = static_cast<std::size_t>(9 * (row - 1) + col - 1);
      cell.digits = at < solution.size() ? std::string(1, solution[at]) : std::string();
      cell.state = CellState::BigNumber;
    }
  });
  target.PaintAllCands();
  target.FindConflict();
}

std::vector<std::string> TwoSolutionsLines(std::string_view s1, std::string_view s2,
                                           const TextLookup& langText) {
  std::vector<std::string> lines;
  lines.push_back(langText ? langText("msg_frmdas_solution1") : std::string());
  AddRows(lines, s1);
  lines.emplace_back();
  lines.emplace_back();
  lines.push_back(langText ? langText("msg_frmdas_solution2") : std::string());
  AddRows(lines, s2);
  return lines;
}

}  // namespace vexlo
