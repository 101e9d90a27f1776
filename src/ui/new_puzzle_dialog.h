#pragma once
// "Import or Create Sudoku": a board of its own on which the player enters a puzzle by mouse,
// copies the main board or imports text; the puzzle is checked for no, one or several
// solutions and played in the main window at level "Unknown".

#include <QDialog>
#include <memory>

#include "board/board.h"
#include "settings/language_active.h"

class QPushButton;

namespace vexlo {
class Game;
}

namespace vexlo::ui {

class BoardView;
class TfrmImport;

class Tfrm_new : public QDialog {
  Q_OBJECT

 public:
  // `game` and `language` must outlive the dialog; the game's prompt asks its questions.
  // Keep one dialog for the whole run: its board and the import text stay between openings.
  Tfrm_new(Game& game, const ActiveLanguage& language, QWidget* parent = nullptr);
  ~Tfrm_new() override;

  TPICSD33& board() { return sdnew_; }
  BoardView* boardView() const { return sdnewView_; }
  TfrmImport& importDialog() { return *import_; }

  // The buttons' handlers. exec() returns Accepted when "Play Puzzle" made the puzzle the
  // main window's game; the caller then shows the game.
  void Button5Click();  // Load Puzzle
  void Button6Click();  // Import
  void Button3Click();  // Clear Grid
  void Button1Click();  // Check Puzzle
  void Button2Click();  // Play Puzzle

 private:
  void WireBoard();
  void Redraw();

  Game& game_;
  const ActiveLanguage& language_;
  TPICSD33 sdnew_{BoardPreset::ImportCreate};
  std::unique_ptr<TfrmImport> import_;  // without a parent: it follows the language itself

  BoardView* sdnewView_ = nullptr;
  QPushButton* Button1 = nullptr;  // Check Puzzle
  QPushButton* Button2 = nullptr;  // Play Puzzle
  QPushButton* Button3 = nullptr;  // Clear Grid
  QPushButton* Button4 = nullptr;  // Quit
  QPushButton* Button5 = nullptr;  // Load Puzzle
  QPushButton* Button6 = nullptr;  // Import
};

using NewPuzzleDialog = Tfrm_new;

}  // namespace vexlo::ui
