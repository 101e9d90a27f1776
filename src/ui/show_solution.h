#pragma once
// The main window's "Check Error" and "Show Solution" commands with their windows.

class QWidget;

namespace vexlo {
class ActiveLanguage;
class Game;
}  // namespace vexlo

namespace vexlo::ui {

class BoardView;

// Paints the wrong entries of the game's board (or tells that there are none) and redraws.
void btcheckClick(Game& game, BoardView* view);

// Asks first; then the solution window, or the message and the multiple-solutions viewer, or
// the message that there is no solution. The game is not changed.
void btsolveClick(Game& game, const ActiveLanguage& language, QWidget* parent);

}  // namespace vexlo::ui
