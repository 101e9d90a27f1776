#pragma once
// "Save Current Board": the name of the game and its level. The dialog only asks; the game
// writes the record after OK (SaveCurrentBoard in game/saved_game_commands.h).

#include <QDialog>
#include <array>
#include <string>

#include "settings/language_active.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vexlo::ui {

class Tfrmsave : public QDialog {
  Q_OBJECT

 public:
  // `language` is the program's active table; it must outlive the dialog.
  explicit Tfrmsave(const ActiveLanguage& language, QWidget* parent = nullptr);

  std::string gameName() const;  // as typed
  int level() const;             // 0..5
  void setLevel(int level);      // outside 0..5: "Unknown or N/A"

  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;  // OK
  QPushButton* Button2 = nullptr;  // Cancel

 private:
  QLabel* Label1 = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  QButtonGroup* levels_ = nullptr;
};

using SaveGameDialog = Tfrmsave;

}  // namespace vexlo::ui
