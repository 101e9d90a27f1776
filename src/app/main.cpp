// Program entry: the application object, the windows in their creation order, the message
// loop until the main window closes.
#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Vexlo"));
  QApplication::setApplicationName(QStringLiteral("Vexlo"));
  QApplication::setApplicationDisplayName(QStringLiteral("Vexlo 5.0 正式版"));

  // The main window comes first: it owns the game that every other window reads and writes.
  // The dialogs are created after it, hidden until a command shows them.
  vexlo::ui::TForm1 window;
  window.show();
  return QApplication::exec();
}
