#pragma once
// The main window: draws the game state and forwards the player's input to it.

#include <QMainWindow>

namespace vexlo::ui {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace vexlo::ui
