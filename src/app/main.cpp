// Program entry: the application object, the windows in their creation order, the message
// loop until the main window closes.
#include <QApplication>

#include "ui/main_window.h"
#include "ui/plain_separator_style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Based on the platform's default style; the application takes ownership.
  QApplication::setStyle(new vexlo::ui::PlainSeparatorStyle);
  QApplication::setOrganizationName(QStringLiteral("Vexlo"));
  QApplication::setApplicationName(QStringLiteral("Vexlo"));
  QApplication::setApplicationDisplayName(QStringLiteral("Vexlo 5.0 正式版"));

  // The main window comes first: it owns the game that every other window reads and writes.
  // The dialogs are created after it, hidden until a command shows them.
  vexlo::ui::TForm1 window;
  window.show();
  return QApplication::exec();
}
