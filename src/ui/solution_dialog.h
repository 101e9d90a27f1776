#pragma once
// The solution window: the complete solution on a board of its own, givens in their fixed
// style and every other cell as a big number. It only shows; the game is not touched.

#include <QDialog>
#include <string_view>

#include "board/board.h"
#include "settings/language_active.h"

class QPushButton;

namespace vexlo::ui {

class BoardView;

class Tfrmda : public QDialog {
  Q_OBJECT

 public:
  // `language` is the program's active table; it must outlive the window.
  explicit Tfrmda(const ActiveLanguage& language, QWidget* parent = nullptr);

  // Fills the board from `solution` (81 digits) and the givens of `mainBoard`.
  void ShowSolution(const TPICSD33& mainBoard, std::string_view solution);

  TPICSD33& board() { return board_; }

  BoardView* sd991 = nullptr;
  QPushButton* Button1 = nullptr;

 private:
  TPICSD33 board_{BoardPreset::Solution};
};

}  // namespace vexlo::ui
