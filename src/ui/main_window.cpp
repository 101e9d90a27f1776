#include "ui/main_window.h"

namespace vexlo::ui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Vexlo 5.0 正式版"));
  resize(593, 540);
}

}  // namespace vexlo::ui
