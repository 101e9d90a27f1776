// Program entry: the application object, the main window, the message loop.
#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vexlo"));
  QApplication::setOrganizationName(QStringLiteral("Vexlo"));
  vexlo::ui::MainWindow window;
  window.show();
  return QApplication::exec();
}
