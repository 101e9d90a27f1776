#pragma once
// "Display Your Game List": the saved games with their levels. Delete and Rename change the
// file at once; OK, or a double click, opens the selected game on the main board.

#include <QDialog>

#include "game/game.h"
#include "settings/language_active.h"

class QPushButton;
class QTableWidget;

namespace vexlo::ui {

class Tfrmgamelist : public QDialog {
  Q_OBJECT

 public:
  // `game` and `language` must outlive the dialog.
  Tfrmgamelist(Game& game, const ActiveLanguage& language, QWidget* parent = nullptr);

  // Reads the games into the grid; the main window calls it before each display.
  void Fill();

  // The name in the selected row; empty when no row names a game.
  std::string selectedName() const;

  QTableWidget* StringGrid1 = nullptr;
  QPushButton* Button1 = nullptr;  // Delete
  QPushButton* Button2 = nullptr;  // Rename
  QPushButton* Button3 = nullptr;  // OK
  QPushButton* Button4 = nullptr;  // Cancel

 signals:
  // A game was put on the board.
  void gameOpened();

 private:
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void SetHeader();
  void FollowSelection();
  int selectedRow() const;  // -1 when none

  Game& game_;
  const ActiveLanguage& language_;
};

using GameListDialog = Tfrmgamelist;

}  // namespace vexlo::ui
