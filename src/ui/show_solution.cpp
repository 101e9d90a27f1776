#include "ui/show_solution.h"

#include "game/error_check.h"
#include "game/solution_lookup.h"
#include "ui/board_view.h"
#include "ui/solution_dialog.h"
#include "ui/solutions_viewer.h"

namespace vexlo::ui {

void btcheckClick(Game& game, BoardView* view) {
  // The red cells are drawn before any message box appears over them.
  const ErrorCheckResult result = CheckErrors(game.sd991, game.QJ1, game.mode);
  if (view != nullptr) {
    view->refresh();
    view->repaint();
  }
  if (!result.messageKey.empty()) game.prompt().Tell(game.LangText(result.messageKey));
}

void btsolveClick(Game& game, const ActiveLanguage& language, QWidget* parent) {
  const SolutionAnswer answer = vexlo::btsolveClick(game);
  if (answer.show == SolutionShow::Board) {
    Tfrmda window(language, parent);
    window.ShowSolution(game.sd991, answer.solution);
    window.exec();
  } else if (answer.show == SolutionShow::TwoSolutions) {
    TFrmdas viewer(language, parent);
    viewer.SetLines(TwoSolutionsLines(answer.solution, answer.second,
                                      [&game](std::string_view key) { return game.LangText(key); }));
    viewer.exec();
  }
}

}  // namespace vexlo::ui
